#include "standards/KvStandardsDataFile.h"

#include "core/FileHelpers.h"
#include "core/LetterCase.h"
#include "core/Mdx_Settings.h"
#include "core/NumberText.h"
#include "core/sections/Mdx_SectionTableManager.h"

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

bool keyMatches(std::string_view column, const Mdx_String& key, bool keysAsSystemNames) {
    if (keysAsSystemNames) {
        Mdx_String systemName;
        if (gSectionTables.getSystemName(Mdx_String(column), systemName) == Acad::eOk)
            return systemName.equal(key, false);
    }
    return equalIgnoringCase(column, key.view());
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
    for (const Mdx_String& candidate : candidates) {
        if (fileExists(candidate)) {
            path = candidate;
            return true;
        }
    }
    return false;
}

KvDataLookUp lookUpStandardsData(const Mdx_String& path, const Mdx_String& key,
                                 bool keysAsSystemNames, Mdx_String& value) {
    Mdx_String bytes;
    if (!readWholeFile(path, bytes)) return KvDataLookUp::Unreadable;
    KvDataLookUp result = KvDataLookUp::NoData;
    forEachLine(bytes.view(), [&](std::string_view line) {
        line = withoutLineComment(line);
        if (isBlankLine(line)) return true;
        result = KvDataLookUp::NoKey;
        const std::size_t tab = line.find('\t');
        if (!keyMatches(line.substr(0, tab), key, keysAsSystemNames)) return true;
        if (tab == std::string_view::npos) {
            result = KvDataLookUp::NoValue;
            return false;
        }
        const std::string_view rest = line.substr(tab + 1);
        value = Mdx_String(rest.substr(0, rest.find('\t')));
        result = KvDataLookUp::Found;
        return false;
    });
    return result;
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
    Mdx_String bytes;
    if (!readWholeFile(path, bytes)) return false;
    const std::string text = withoutComments(bytes.view());
    forEachLine(text, [&](std::string_view line) {
        KvStandardSizeEntry entry;
        if (parseStandardSizeLine(line, entry)) entries.append(entry);
        return true;
    });
    return true;
}
