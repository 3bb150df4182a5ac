#include "standards/KvStandardsDataFile.h"

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/StringHelpers.h"

namespace {

bool isBlankLine(const Mdx_String& line) {
    for (int i = 0; i < line.length(); ++i) {
        const char c = line.at(i);
        if (c != ' ' && c != '\t') return false;
    }
    return true;
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

bool readStandardsDataFile(const Mdx_String& path, Mdx_Array<Mdx_StringArray>& rows) {
    rows.setEmpty();
    Mdx_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) return false;
    for (Mdx_String& line : lines) {
        removeLineComment(line);
        if (isBlankLine(line)) continue;
        rows.append(strToArr(line, "\t"));
    }
    return true;
}

bool parseStandardSizeLine(const Mdx_String& line, KvStandardSizeEntry& entry) {
    if (isBlankLine(line)) return false;
    Mdx_String first, second;
    if (line.splitAtFirst("x", first, second, true)) {
        entry.first = first.toDouble();
        entry.second = second.toDouble();
    } else {
        entry.first = line.toDouble();
        entry.second = 0;
    }
    return true;
}

bool readStandardSizesFile(const Mdx_String& path, Mdx_Array<KvStandardSizeEntry>& entries) {
    entries.setEmpty();
    Mdx_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) return false;
    removeComments(lines);
    for (const Mdx_String& line : lines) {
        KvStandardSizeEntry entry;
        if (parseStandardSizeLine(line, entry)) entries.append(entry);
    }
    return true;
}
