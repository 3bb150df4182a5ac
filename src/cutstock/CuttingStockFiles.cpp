#include "cutstock/CuttingStockFiles.h"

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"
#include "core/StringHelpers.h"

namespace {

constexpr const char* kStockFolder = "Cutting Stock\\";
constexpr const char* kSavePrefix = "Stock";

Mdx_String separator() {
    return Mdx_String(kListFieldSeparator);
}

}  // namespace

bool isSafeGroupName(const Mdx_String& name) {
    if (name.isEmpty() || name.length() > 200 || hasInvalidFileNameChars(name)) return false;
    if (name.find("..", true) >= 0) return false;
    const char first = name.at(0);
    const char last = name.at(name.length() - 1);
    return first != ' ' && last != ' ' && last != '.';
}

bool groupFolder(const Mdx_String& group, Mdx_String& folder) {
    folder.setEmpty();
    if (!isSafeGroupName(group)) return false;
    folder = gSettings.libDir() + kStockFolder + group + "\\";
    return true;
}

bool ensureGroupFolder(const Mdx_String& group, Mdx_String& folder) {
    return groupFolder(group, folder) && ensureFolder(folder);
}

bool latestListFile(const Mdx_String& folder, const Mdx_String& extension, Mdx_String& path,
                    std::int64_t& fileTime) {
    Mdx_StringArray files;
    ObjectExportFindFiles(folder, "*." + extension, files);
    bool found = false;
    for (int i = 0; i < files.length(); ++i) {
        std::int64_t time = 0;
        if (!getFileTime(files[i], time) || (found && time <= fileTime)) continue;
        path = files[i];
        fileTime = time;
        found = true;
    }
    return found;
}

Mdx_String nextSaveName(const Mdx_String& folder, const Mdx_String& extension) {
    Mdx_StringArray files;
    ObjectExportFindFiles(folder, Mdx_String(kSavePrefix) + "*." + extension, files);
    int largest = 0;
    for (int i = 0; i < files.length(); ++i) {
        Mdx_String name = getFileName(files[i]);
        removeExtension(name);
        const int number = name.mid(5).toInt();
        if (number > largest) largest = number;
    }
    Mdx_String name = folder + kSavePrefix;
    name.append(largest + 1);
    return name + "." + extension;
}

Mdx_String withListExtension(const Mdx_String& path, const Mdx_String& extension) {
    const Mdx_String ending = "." + extension;
    return path.endsWith(ending, false) ? path : path + ending;
}

bool readListFile(const Mdx_String& path, Mdx_Array<Mdx_StringArray>& records) {
    Mdx_String bytes;
    if (!readWholeFile(path, bytes) || bytes.length() > kMaxListFileBytes) return false;
    Mdx_StringArray lines;
    splitLines(bytes, lines);
    arrToArrArr(lines, records, separator());
    return true;
}

ListWrite writeListFile(const Mdx_String& path, const Mdx_Array<Mdx_StringArray>& records) {
    for (int r = 0; r < records.length(); ++r)
        for (int f = 0; f < records[r].length(); ++f) {
            const Mdx_String& field = records[r][f];
            if (field.findChar(kListFieldSeparator) >= 0) return ListWrite::SeparatorInCell;
            if (field.findChar('\n') >= 0 || field.findChar('\r') >= 0)
                return ListWrite::LineBreakInCell;
        }
    Mdx_StringArray lines;
    arrArrToArr(records, lines, separator());
    return ObjectExportWriteFile(path, lines) ? ListWrite::Written : ListWrite::Failed;
}
