#include "standards/KvStandardsFileCache.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "win/FilePaths.h"
#include "win/StableFileNames.h"

namespace fs = std::filesystem;

namespace standards_file_cache {

namespace {

// The identity of a file's content as far as the file system tells it.
struct FileStamp {
    fs::file_time_type modified;
    std::uintmax_t size = 0;

    bool operator==(const FileStamp&) const = default;
};

struct Entry {
    std::string realPath;
    KvFileParser parse = nullptr;
    FileStamp stamp;
    std::shared_ptr<const KvCachedFile> parsed;
    unsigned long lastUse = 0;
    unsigned long checkedIn = 0;  // the generation of stable names its stamp was checked in
};

struct Cache {
    std::vector<Entry> entries;
    std::size_t bytes = 0;
    unsigned long uses = 0;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

bool stampOf(const fs::path& file, FileStamp& stamp) {
    std::error_code error;
    const fs::directory_entry entry(file, error);
    if (error || !entry.is_regular_file(error)) return false;
    stamp.modified = entry.last_write_time(error);
    if (error) return false;
    stamp.size = entry.file_size(error);
    return !error;
}

bool settled(const FileStamp& stamp) {
    return fs::file_time_type::clock::now() - stamp.modified >=
           std::chrono::seconds(kSettleSeconds);
}

void remove(Cache& kept, std::size_t index) {
    kept.bytes -= kept.entries[index].stamp.size;
    kept.entries.erase(kept.entries.begin() + static_cast<std::ptrdiff_t>(index));
}

void removeLeastRecentlyUsed(Cache& kept) {
    std::size_t oldest = 0;
    for (std::size_t i = 1; i < kept.entries.size(); ++i)
        if (kept.entries[i].lastUse < kept.entries[oldest].lastUse) oldest = i;
    remove(kept, oldest);
}

void keep(Cache& kept, Entry entry) {
    if (entry.stamp.size > kMaxBytes) return;
    while (!kept.entries.empty() && (static_cast<int>(kept.entries.size()) >= kMaxFiles ||
                                     kept.bytes + entry.stamp.size > kMaxBytes))
        removeLeastRecentlyUsed(kept);
    kept.bytes += entry.stamp.size;
    kept.entries.push_back(std::move(entry));
}

}  // namespace

std::shared_ptr<const KvCachedFile> parsedFile(const Mdx_String& path, KvFileParser parse) {
    Cache& kept = cache();
    const fs::path real = win::mapPath(path.view());
    const std::string realPath = real.string();
    // While names are stable a file checked once is not checked again: a batch asks for the
    // same few files thousands of times.
    const unsigned long generation = win::stableNamesGeneration();
    FileStamp stamp;
    bool stamped = false, stampTaken = false;
    for (std::size_t i = 0; i < kept.entries.size(); ++i) {
        Entry& entry = kept.entries[i];
        if (entry.parse != parse || entry.realPath != realPath) continue;
        const bool trusted = generation != 0 && entry.checkedIn == generation;
        if (!trusted) {
            stamped = stampOf(real, stamp);
            stampTaken = true;
        }
        if (trusted || (stamped && entry.stamp == stamp)) {
            entry.checkedIn = generation;
            entry.lastUse = ++kept.uses;
            return entry.parsed;
        }
        remove(kept, i);  // the file changed or went away
        break;
    }
    if (!stampTaken) stamped = stampOf(real, stamp);
    std::string bytes;
    if (!stamped || !win::readWholeFile(real, bytes)) return nullptr;
    std::shared_ptr<const KvCachedFile> parsed = parse(bytes);
    if (parsed && settled(stamp))
        keep(kept, {realPath, parse, stamp, parsed, ++kept.uses, generation});
    return parsed;
}

void clear() {
    cache() = Cache{};
}

int fileCount() {
    return static_cast<int>(cache().entries.size());
}

}  // namespace standards_file_cache
