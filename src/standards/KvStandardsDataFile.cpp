#include "standards/KvStandardsDataFile.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/FileHelpers.h"
#include "core/LetterCase.h"
#include "core/Mdx_Settings.h"
#include "standards/KvFileScope.h"
#include "core/NumberText.h"
#include "core/sections/Mdx_SectionTableManager.h"
#include "standards/KvStandardsFileCache.h"
#include "win/StableFileNames.h"

namespace {

bool isBlankLine(std::string_view line) {
    for (char c : line)
        if (c != ' ' && c != '\t') return false;
    return true;
}

// Calls visit for every line of bytes; lines end in CR LF, LF or a lone CR. visit returns
// false to stop.
// A plain loop: the library's search for any of a set of bytes costs a call per byte.
std::size_t findLineEnd(std::string_view bytes, std::size_t from) {
    while (from < bytes.size() && bytes[from] != '\n' && bytes[from] != '\r') ++from;
    return from;
}

template <typename Visit>
void forEachLine(std::string_view bytes, Visit&& visit) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = findLineEnd(bytes, start);
        if (!visit(bytes.substr(start, end - start))) return;
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
            bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

std::string_view withoutLineComment(std::string_view line) {
    const std::size_t comment = line.find("//");
    return comment == std::string_view::npos ? line : line.substr(0, comment);
}

struct DataLine {
    std::string key;
    std::string value;
    bool hasValue = false;
};

// A data file as its look-ups need it: the data lines in file order, and the first line of
// every key in lower case.
class DataTable : public KvCachedFile {
public:
    std::vector<DataLine> lines;
    std::unordered_map<std::string, std::size_t> firstOfKey;

    const DataLine* find(const Mdx_String& key) const {
        const auto found = firstOfKey.find(Mdx_String(key).makeLower().str());
        return found == firstOfKey.end() ? nullptr : &lines[found->second];
    }
    // The section tables may have changed since the file was read, so each key is looked up
    // as a section name anew.
    const DataLine* findBySystemName(const Mdx_String& key) const {
        for (const DataLine& line : lines) {
            Mdx_String systemName;
            if (gSectionTables.getSystemName(Mdx_String(line.key), systemName) == Acad::eOk) {
                if (systemName.equal(key, false)) return &line;
            } else if (equalIgnoringCase(line.key, key.view())) {
                return &line;
            }
        }
        return nullptr;
    }
};

std::unique_ptr<KvCachedFile> parseDataTable(std::string_view bytes) {
    auto table = std::make_unique<DataTable>();
    forEachLine(bytes, [&](std::string_view line) {
        line = withoutLineComment(line);
        if (isBlankLine(line)) return true;
        const std::size_t tab = line.find('\t');
        DataLine data;
        data.key = line.substr(0, tab);
        if (tab != std::string_view::npos) {
            const std::string_view rest = line.substr(tab + 1);
            data.value = rest.substr(0, rest.find('\t'));
            data.hasValue = true;
        }
        table->firstOfKey.emplace(Mdx_String(data.key).makeLower().str(), table->lines.size());
        table->lines.push_back(std::move(data));
        return true;
    });
    return table;
}

// Block comments may span lines, so they go before the text is cut into lines; line breaks
// inside them stay, so that every line keeps its place.
std::string withoutComments(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (bytes.compare(i, 2, "/*") == 0) {
            const std::size_t close = bytes.find("*/", i + 2);
            const std::size_t stop = close == std::string_view::npos ? bytes.size() : close;
            for (std::size_t j = i + 2; j < stop; ++j)
                if (bytes[j] == '\r' || bytes[j] == '\n') text += bytes[j];
            i = close == std::string_view::npos ? bytes.size() : close + 2;
        } else if (bytes.compare(i, 2, "//") == 0) {
            i = findLineEnd(bytes, i);
        } else {
            text += bytes[i++];
        }
    }
    return text;
}

class StandardSizes : public KvCachedFile {
public:
    std::vector<KvStandardSizeEntry> entries;
};

std::unique_ptr<KvCachedFile> parseStandardSizes(std::string_view bytes) {
    auto sizes = std::make_unique<StandardSizes>();
    const std::string text = withoutComments(bytes);
    forEachLine(text, [&](std::string_view line) {
        KvStandardSizeEntry entry;
        if (parseStandardSizeLine(line, entry)) sizes->entries.push_back(entry);
        return true;
    });
    return sizes;
}

}  // namespace

namespace {

// A batch looks the same few names up at every GETCELL; while file names are stable, whether
// a candidate is a file is asked of the disk once per generation of stable names.
bool candidateExists(const Mdx_String& path) {
    const unsigned long generation = win::stableNamesGeneration();
    if (generation == 0) return fileExists(path);
    static unsigned long known = 0;
    static std::unordered_map<std::string, bool> exists;
    if (known != generation) {
        exists.clear();
        known = generation;
    }
    auto [entry, added] = exists.try_emplace(path.str(), false);
    if (added) entry->second = fileExists(path);
    return entry->second;
}

}  // namespace

bool findStandardsDataFile(const Mdx_String& name, Mdx_String& path) {
    if (name.isEmpty()) return false;
    const Mdx_String library = gSettings.libDir();
    const Mdx_String candidates[] = {
        name,
        library + "Connection Standards\\Data\\" + name,
        library + "Connection Standards\\" + name,
        library + name,
    };
    Mdx_String outside;
    for (const Mdx_String& candidate : candidates) {
        if (!candidateExists(candidate)) continue;
        if (!file_scope::isAllowed(candidate)) {
            if (outside.isEmpty()) outside = candidate;
            continue;
        }
        path = candidate;
        return true;
    }
    if (!outside.isEmpty()) file_scope::noteRefused(outside);
    return false;
}

KvDataLookUp lookUpStandardsData(const Mdx_String& path, const Mdx_String& key,
                                 bool keysAsSystemNames, Mdx_String& value) {
    const auto table = std::static_pointer_cast<const DataTable>(
        standards_file_cache::parsedFile(path, parseDataTable));
    if (!table) return KvDataLookUp::Unreadable;
    if (table->lines.empty()) return KvDataLookUp::NoData;
    const DataLine* line = keysAsSystemNames ? table->findBySystemName(key) : table->find(key);
    if (!line) return KvDataLookUp::NoKey;
    if (!line->hasValue) return KvDataLookUp::NoValue;
    value = Mdx_String(line->value);
    return KvDataLookUp::Found;
}

bool parseStandardSizeLine(std::string_view line, KvStandardSizeEntry& entry) {
    if (isBlankLine(line)) return false;
    const std::size_t x = line.find('x');
    if (x == std::string_view::npos) {
        entry.first = leadingDouble(line);
        entry.second = 0;
    } else {
        entry.first = leadingDouble(line.substr(0, x));
        entry.second = leadingDouble(line.substr(x + 1));
    }
    return true;
}

bool readStandardSizesFile(const Mdx_String& path, Mdx_Array<KvStandardSizeEntry>& entries) {
    entries.setEmpty();
    const auto sizes = std::static_pointer_cast<const StandardSizes>(
        standards_file_cache::parsedFile(path, parseStandardSizes));
    if (!sizes) return false;
    for (const KvStandardSizeEntry& entry : sizes->entries) entries.append(entry);
    return true;
}
