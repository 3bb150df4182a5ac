#include "core/FileHelpers.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "core/LetterCase.h"
#include "core/PathHelpers.h"
#include "core/StringHelpers.h"
#include "win/FilePaths.h"
#include "win/StableFileNames.h"

namespace fs = std::filesystem;

namespace {

fs::path realPath(const Mdx_String& modulePath) {
    return win::mapPath(modulePath.toUtf8());
}

// '*' and '?' over bytes, letters ignoring case; iterative with one backtrack point, so
// patterns with many stars stay linear-ish instead of exponential.
bool wildcardMatch(std::string_view name, std::string_view pattern) {
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || lowerLetter(pattern[p]) == lowerLetter(name[n]))) {
            ++p, ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

void collectMatches(const fs::path& real, const Mdx_String& prefix, const Mdx_String& pattern,
                    bool recursive, Mdx_StringArray& paths) {
    std::error_code ec;
    fs::directory_iterator it(real, ec);
    if (ec) return;
    for (const fs::directory_entry& entry : it) {
        const Mdx_String name = Mdx_String::fromUtf8(entry.path().filename().string());
        std::error_code typeEc;
        if (entry.is_directory(typeEc)) {
            // Symbolic links to folders are not followed, so a loop cannot trap the search.
            if (recursive && !entry.is_symlink(typeEc))
                collectMatches(entry.path(), prefix + name + "\\", pattern, true, paths);
        } else if (matchesFilePattern(name, pattern)) {
            paths.append(prefix + name);
        }
    }
}

bool findFiles(const Mdx_String& folder, const Mdx_String& pattern, bool recursive,
               Mdx_StringArray& paths) {
    paths.setEmpty();
    if (!folderExists(folder)) return false;
    Mdx_String prefix = folder;
    ensureEndBSlash(prefix);
    collectMatches(realPath(prefix), prefix, pattern, recursive, paths);
    sortArray(paths);
    return true;
}

}  // namespace

bool ObjectExportReadFile(const Mdx_String& path, Mdx_StringArray& lines) {
    lines.setEmpty();
    std::string bytes;
    if (!win::readWholeFile(realPath(path), bytes)) return false;
    splitLines(Mdx_String(std::move(bytes)), lines);
    return true;
}

bool ObjectExportWriteFile(const Mdx_String& path, const Mdx_StringArray& lines) {
    std::string bytes;
    for (const Mdx_String& line : lines) {
        if (line.str().find_first_of("\r\n") != std::string::npos) return false;
        bytes += line.str();
        bytes += "\r\n";
    }
    return win::writeWholeFileAtomic(realPath(path), bytes);
}

bool readWholeFile(const Mdx_String& path, Mdx_String& bytes) {
    std::string raw;
    const bool ok = win::readWholeFile(realPath(path), raw);
    bytes = Mdx_String(std::move(raw));
    return ok;
}

bool writeWholeFile(const Mdx_String& path, const Mdx_String& bytes) {
    return win::writeWholeFileAtomic(realPath(path), bytes.str());
}

bool ObjectExportFindFiles(const Mdx_String& folder, const Mdx_String& pattern,
                           Mdx_StringArray& paths) {
    return findFiles(folder, pattern, false, paths);
}

bool ObjectExportFindFilesRecursive(const Mdx_String& folder, const Mdx_String& pattern,
                                    Mdx_StringArray& paths) {
    return findFiles(folder, pattern, true, paths);
}

bool matchesFilePattern(const Mdx_String& name, const Mdx_String& pattern) {
    // "*.*" means every file, also those without a dot, as on the system the library
    // comes from.
    if (pattern == Mdx_String("*.*")) return true;
    return wildcardMatch(name.view(), pattern.view());
}

bool fileExists(const Mdx_String& path) {
    std::error_code ec;
    return fs::is_regular_file(realPath(path), ec);
}

bool folderExists(const Mdx_String& path) {
    std::error_code ec;
    return !path.isEmpty() && fs::is_directory(realPath(path), ec);
}

bool getFileTime(const Mdx_String& path, std::int64_t& secondsSinceEpoch) {
    std::error_code ec;
    const fs::path real = realPath(path);
    if (!fs::is_regular_file(real, ec)) return false;
    const auto written = fs::last_write_time(real, ec);
    if (ec) return false;
    const auto system = std::chrono::file_clock::to_sys(written);
    secondsSinceEpoch =
        std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
    return true;
}

bool isFileNewer(const Mdx_String& a, const Mdx_String& b) {
    std::error_code ec;
    const fs::path realA = realPath(a), realB = realPath(b);
    if (!fs::is_regular_file(realA, ec)) return false;
    if (!fs::is_regular_file(realB, ec)) return true;
    const auto timeA = fs::last_write_time(realA, ec);
    if (ec) return false;
    const auto timeB = fs::last_write_time(realB, ec);
    return !ec && timeA > timeB;
}

bool deleteFile(const Mdx_String& path) {
    std::error_code ec;
    const fs::path real = realPath(path);
    if (!fs::is_regular_file(fs::symlink_status(real, ec)) && !fs::is_symlink(real, ec))
        return false;
    win::forgetStableNames();
    return fs::remove(real, ec) && !ec;
}

bool copyFile(const Mdx_String& from, const Mdx_String& to) {
    std::string bytes;
    if (!win::readWholeFile(realPath(from), bytes)) return false;
    return win::writeWholeFileAtomic(realPath(to), bytes);
}

bool ensureFolder(const Mdx_String& path) {
    std::error_code ec;
    const fs::path real = realPath(path);
    win::forgetStableNames();
    fs::create_directories(real, ec);
    return fs::is_directory(real, ec);
}
