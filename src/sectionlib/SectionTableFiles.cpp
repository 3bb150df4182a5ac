#include "sectionlib/SectionTableFiles.h"

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"

namespace {

const int kMaxNameLength = 120;

Mdx_String withoutExtension(const Mdx_String& name) {
    Mdx_String base = name;
    if (base.length() > 3 && base.right(3).equal(".pr", false)) base = base.left(base.length() - 3);
    return base;
}

Mdx_String tableFolder() {
    return gSettings.libDir() + "prof\\";
}

}  // namespace

Mdx_String tableNameOf(const Mdx_String& name) {
    return withoutExtension(name);
}

bool isValidTableName(const Mdx_String& name) {
    const Mdx_String base = withoutExtension(name);
    if (base.isEmpty() || base.length() > kMaxNameLength || hasInvalidFileNameChars(base))
        return false;
    const char last = base.at(base.length() - 1);
    return last != '.' && last != ' ' && base.at(0) != ' ';
}

bool sectionTablePath(const Mdx_String& name, Mdx_String& path) {
    if (!isValidTableName(name)) return false;
    path = tableFolder() + withoutExtension(name) + ".pr";
    return true;
}

Mdx_StringArray listSectionTables() {
    Mdx_StringArray paths, names;
    ObjectExportFindFiles(tableFolder(), "*.pr", paths);
    for (const Mdx_String& path : paths) {
        Mdx_String name = getFileName(path);
        removeExtension(name);
        names.append(name);
    }
    return names;
}

bool sectionTableExists(const Mdx_String& name) {
    Mdx_String path;
    return sectionTablePath(name, path) && fileExists(path);
}

bool deleteSectionTableFile(const Mdx_String& name) {
    Mdx_String path;
    return sectionTablePath(name, path) && deleteFile(path);
}
