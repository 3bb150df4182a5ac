#include "EvaluateInputs.h"

#include <algorithm>
#include <cctype>

#include "EvaluateError.h"
#include "core/Mdx_Settings.h"
#include "grid/UsedRange.h"
#include "grid/SheetFile.h"
#include "grid/SpreadModel.h"
#include "win/FilePaths.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kStandardsFolder = "Connection Standards";

bool isNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

EvaluateError badGeneralVariable(const std::string& item, const std::string& why) {
    return EvaluateError(EvaluateExit::BadGeneralVariable, "--gen \"" + item + "\": " + why);
}

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string withoutKvsExtension(std::string name) {
    const std::string extension = ".kvs";
    if (name.size() > extension.size() &&
        equalIgnoringCase(name.substr(name.size() - extension.size()), extension))
        name.resize(name.size() - extension.size());
    return name;
}

fs::path libraryStandardsFolder() {
    return win::mapPath((gSettings.libDir() + kStandardsFolder).str());
}

// The part of file below folder, or empty when file is not inside it.
fs::path relativeInside(const fs::path& file, const fs::path& folder) {
    std::error_code ignored;
    const fs::path relative = fs::weakly_canonical(file, ignored)
                                  .lexically_relative(fs::weakly_canonical(folder, ignored));
    if (relative.empty() || *relative.begin() == "..") return {};
    return relative;
}

StandardRef libraryStandard(const std::string& name) {
    std::string moduleName = withoutKvsExtension(name);
    std::replace(moduleName.begin(), moduleName.end(), '/', '\\');
    StandardRef standard;
    standard.fileName = Mdx_String::fromUtf8(moduleName);
    standard.file = win::mapPath(
        (gSettings.libDir() + kStandardsFolder + "\\" + standard.fileName + ".kvs").str());
    standard.inLibrary = true;
    return standard;
}

StandardRef standardFromPath(const fs::path& path, bool libraryGiven) {
    const fs::path file = fs::absolute(path);
    const fs::path parent = file.parent_path();
    if (!libraryGiven && relativeInside(file, libraryStandardsFolder()).empty() &&
        equalIgnoringCase(parent.filename().string(), kStandardsFolder))
        gSettings.setLibraryFolder(parent.parent_path().string());
    const fs::path relative = relativeInside(file, libraryStandardsFolder());
    if (!relative.empty()) return libraryStandard(relative.generic_string());
    StandardRef standard;
    standard.fileName = Mdx_String::fromUtf8(file.string());
    standard.file = file;
    return standard;
}

bool holdsSection(grid::SpreadModel& sheet, const char* keyword) {
    std::string text;
    int columns = 0;
    int rows = 0;
    grid::extentToVisit(sheet, columns, rows);
    for (int row = 1; row <= rows; ++row)
        for (int column = 1; column <= columns; ++column)
            if (sheet.text(column, row, grid::TextKind::Data, text) && text == keyword) return true;
    return false;
}

void checkStandardFile(const StandardRef& standard, const std::string& argument) {
    std::string bytes;
    if (!fs::is_regular_file(standard.file) || !win::readWholeFile(standard.file, bytes))
        throw EvaluateError(EvaluateExit::StandardMissing,
                            "no standard \"" + argument + "\": " + standard.file.string() +
                                " does not exist (library: " + gSettings.libraryFolder() +
                                ", set with --library or MDX_LIBRARY)");
    grid::SpreadModel sheet;
    std::string error;
    if (!grid::readSheetFile(bytes, sheet, &error))
        throw EvaluateError(
            EvaluateExit::StandardMissing,
            "the standard " + standard.file.string() + " is not a sheet file: " + error);
    std::string missing;
    for (const char* keyword : {"Input", "Output", "Calc"})
        if (!holdsSection(sheet, keyword))
            missing += std::string(missing.empty() ? "" : ", ") + keyword;
    if (!missing.empty())
        throw EvaluateError(EvaluateExit::StandardMissing,
                            "the standard " + standard.file.string() +
                                " is no standards spreadsheet: it has no section " + missing);
}

}  // namespace

GeneralVariables parseGeneralVariables(const std::vector<std::string>& assignments) {
    GeneralVariables variables;
    for (const std::string& item : assignments) {
        const std::size_t equals = item.find('=');
        if (equals == std::string::npos) throw badGeneralVariable(item, "expected NAME=VALUE");
        const std::string name = item.substr(0, equals);
        if (name.empty()) throw badGeneralVariable(item, "the name before \"=\" is empty");
        if (!std::all_of(name.begin(), name.end(), isNameCharacter))
            throw badGeneralVariable(
                item, "\"" + name + "\" is no variable name (letters, digits, _ and . only)");
        const Mdx_String moduleName = Mdx_String::fromUtf8(name);
        if (variables.names.find(moduleName, false) >= 0)
            throw badGeneralVariable(item, "\"" + name + "\" is given twice");
        variables.names.append(moduleName);
        variables.values.append(Mdx_String::fromUtf8(item.substr(equals + 1)));
    }
    return variables;
}

StandardRef resolveStandard(const std::string& argument, bool libraryGiven) {
    if (argument.empty())
        throw EvaluateError(EvaluateExit::StandardMissing, "the standard's name is empty");
    std::error_code ignored;
    const StandardRef standard = fs::is_regular_file(argument, ignored)
                                     ? standardFromPath(argument, libraryGiven)
                                     : libraryStandard(argument);
    checkStandardFile(standard, argument);
    return standard;
}
