#include "core/sections/SectionTranslation.h"

#include <filesystem>
#include <system_error>

#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"
#include "core/RecordFile.h"
#include "win/FilePaths.h"

namespace {

const std::uintmax_t kMaxBytes = 4 * 1024 * 1024;

bool translationPath(const Mdx_String& fileName, Mdx_String& path) {
    if (fileName.isEmpty() || hasInvalidFileNameChars(fileName) || fileName.at(0) == '.')
        return false;
    path = gSettings.libDir() + fileName;
    return true;
}

}  // namespace

bool readSectionTranslation(const Mdx_String& fileName, Mdx_StringArray& names,
                            Mdx_StringArray& translations) {
    Mdx_String path, name;
    if (!translationPath(fileName, path)) return false;
    std::error_code error;
    const auto size = std::filesystem::file_size(win::mapPath(path.toUtf8()), error);
    if (error || size > kMaxBytes) return false;
    Mdx_Array<Mdx_StringArray> records;
    if (!readFile(path, name, records)) return false;
    Mdx_StringArray readNames, readTranslations;
    for (const Mdx_StringArray& record : records) {
        if (record.length() != 2) return false;
        readNames.append(record[0]);
        readTranslations.append(record[1]);
    }
    names = std::move(readNames);
    translations = std::move(readTranslations);
    return true;
}

bool saveSectionTranslation(const Mdx_String& fileName, const Mdx_StringArray& names,
                            const Mdx_StringArray& translations) {
    Mdx_String path;
    if (names.length() != translations.length() || !translationPath(fileName, path)) return false;
    Mdx_Array<Mdx_StringArray> records;
    for (int i = 0; i < names.length(); ++i)
        records.append(Mdx_StringArray{names[i], translations[i]});
    return writeFile(path, records);
}
