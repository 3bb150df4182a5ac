#include "standards/KvMappingFile.h"

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"

namespace mappingfile {

Mdx_String pathOf(const Mdx_String& name) {
    Mdx_String path = gSettings.libDir() + "Connection Standards\\" + name + ".kvs";
    changeExtension(path, "map");
    return path;
}

bool readLines(const Mdx_String& name, Mdx_StringArray& lines) {
    if (!ObjectExportReadFile(pathOf(name), lines)) return false;
    if (!lines.isEmpty() && lines[0].hasASubstr("Mapping", false) &&
        lines[0].hasASubstr("version", false))
        lines.removeAt(0);
    return true;
}

bool writeLines(const Mdx_String& name, const Mdx_StringArray& lines) {
    Mdx_StringArray file;
    file.append(kMappingVersionLine);
    file.appendAll(lines);
    return ObjectExportWriteFile(pathOf(name), file);
}

Mdx_String keyOf(const Mdx_String& line) {
    Mdx_String key, rest;
    return line.splitAtFirst("=", key, rest, true) ? key : Mdx_String();
}

int findKey(const Mdx_StringArray& lines, const Mdx_String& key) {
    Mdx_StringArray keys;
    for (const Mdx_String& line : lines) keys.append(keyOf(line));
    return keys.find(key, true);
}

}  // namespace mappingfile
