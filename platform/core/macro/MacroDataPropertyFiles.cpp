// MacroData's property files: named sets of a macro's values in the folder
// "<library>\Macro Properties\<macro name>\", one file "<name>.mpv" each. The folder belongs
// to the macro, so a file is only offered where its names mean the same tabs and variables.
#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroPropertyFile.h"
#include "win/FilePaths.h"

namespace {

constexpr const char* kExtension = ".mpv";

bool fail(MacroData& data, std::string message) {
    data.setUpdateError(std::move(message));
    return false;
}

// The file of name in the data's folder; false when the name may not be used.
bool fileOf(MacroData& data, const Mdx_String& name, Mdx_String& path) {
    std::string error;
    if (!data.propListAllowed()) return fail(data, "these macros keep no property files");
    if (!macro_property_file::checkName(name, error)) return fail(data, error);
    path = data.propFolder() + name + kExtension;
    return true;
}

}  // namespace

// One kind of macro, with a name that can be a folder: several different macros share no
// tabs that a file could be put on.
bool MacroData::propListAllowed() const {
    if (macroNames_.isEmpty()) return false;
    for (const Mdx_String& name : macroNames_)
        if (!name.equal(macroNames_[0], false)) return false;
    std::string error;
    return macro_property_file::checkName(macroNames_[0], error);
}

Mdx_String MacroData::propFolder() const {
    if (!propListAllowed()) return {};
    return joinPath(gSettings.libDir(), Mdx_String("Macro Properties\\") + macroNames_[0] + "\\");
}

bool MacroData::getPropFiles(Mdx_StringArray& files) const {
    files.setEmpty();
    if (!propListAllowed()) return false;
    Mdx_StringArray paths;
    ObjectExportFindFiles(propFolder(), Mdx_String("*") + kExtension, paths);
    for (Mdx_String path : paths) {
        Mdx_String name = getFileName(path);
        removeExtension(name);
        files.append(name);
    }
    return true;
}

bool MacroData::readFromFile(const Mdx_String& file, int& count) {
    Mdx_String path;
    if (!fileOf(*this, file, path)) return false;
    // One byte beyond the limit is enough to tell a file that is too large.
    std::string bytes;
    if (!fileExists(path) ||
        !win::readWholeFile(win::mapPath(path.str()), bytes, macro_property_file::kMaxBytes + 1))
        return fail(*this, "the property file \"" + file.toUtf8() + "\" cannot be read (" +
                              win::lastFileError() + ")");
    std::string error;
    if (!macro_property_file::apply(bytes, *this, count, error))
        return fail(*this, "the property file \"" + file.toUtf8() + "\" is refused: " + error);
    setUpdateError({});
    return true;
}

bool MacroData::writeToFile(const Mdx_String& file) {
    Mdx_String path;
    if (!fileOf(*this, file, path)) return false;
    std::string text, error;
    if (!macro_property_file::compose(*this, text, error))
        return fail(*this, "the property file cannot be written: " + error);
    if (!ensureFolder(propFolder()) || !writeWholeFile(path, Mdx_String(text)))
        return fail(*this, "the property file \"" + file.toUtf8() + "\" could not be written");
    setUpdateError({});
    return true;
}
