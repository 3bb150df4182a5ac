#include "SectionCommand.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/Mdx_Settings.h"
#include "core/StringHelpers.h"
#include "core/sections/SectionNames.h"
#include "core/sections/SectionTypes.h"
#include "core/FileHelpers.h"
#include "resources/ModuleResources.h"
#include "win/ResourceModule.h"
#include "sectionlib/Mdx_ProfValuesTable.h"
#include "sectionlib/SectionTableFiles.h"
#include "sectionlib/SectionTableRename.h"
#include "sectionlib/SizePosition.h"

using nlohmann::json;

namespace {

constexpr int kExitWriteFailed = 1;
constexpr int kExitBadArgument = 2;
constexpr int kExitNotFound = 3;
constexpr int kExitConflict = 4;
constexpr const char* kExitCodes =
    "Exit codes: 0 done; 1 a file could not be written or removed (what was there is kept);\n"
    "2 a name or value is not acceptable; 3 no such table, size or library folder, or the\n"
    "table file cannot be read; 4 the name is already taken. Nothing is written after an\n"
    "error.";

struct SectionOptions {
    std::string library;
    std::string table;
    std::string size;
    std::string newName;
    std::string userName;
    std::string values;
    bool inactive = false;
    bool json = false;
};

std::string utf8(const Mdx_String& text) {
    return text.toUtf8();
}

int fail(const std::string& command, const std::string& message, int code) {
    std::cerr << "mdx section " << command << ": " << message << "\n";
    return code;
}

bool useLibrary(const SectionOptions& options) {
    // The names of the built-in section types are the module's texts.
    if (HINSTANCE module = resources::moduleResourceHandle()) AfxSetResourceHandle(module);
    if (!options.library.empty())
        gSettings.setLibraryFolder(std::filesystem::absolute(options.library).string());
    return folderExists(gSettings.libDir());
}

std::string libraryFolderText() {
    return std::filesystem::path(gSettings.libraryFolder()).string();
}

// "1" -> "1 (I section)", "HEA.dwg" stays.
std::string pictureText(const Mdx_String& picture) {
    if (!picture.isNumber()) return utf8(picture);
    const Mdx_String type = sectionTypeName(picture.toInt());
    return utf8(picture) + (type.isEmpty() ? "" : " (" + utf8(type) + ")");
}

Mdx_StringArray valueColumns(const Mdx_ProfValuesTable& table) {
    Mdx_StringArray columns;
    for (int c = 2 + table.getNrLanguages(); c < table.columnNames.length(); ++c)
        columns.append(table.columnNames[c]);
    return columns;
}

int activeCount(const Mdx_ProfValuesTable& table) {
    Mdx_StringArray names;
    table.getFilteredSysNames(names);
    return names.length();
}

// A table named on the command line; a message and false when it cannot be read.
bool readTable(const std::string& command, const std::string& name, Mdx_ProfValuesTable& table,
               int& code) {
    const Mdx_String tableName = Mdx_String::fromUtf8(name);
    if (!isValidTableName(tableName)) {
        code = fail(command, "\"" + name + "\" is not a table name (it must be a plain file name)",
                    kExitBadArgument);
        return false;
    }
    if (!sectionTableExists(tableName)) {
        code = fail(command, "the library has no table \"" + name + "\" (prof/" + name + ".pr)",
                    kExitNotFound);
        return false;
    }
    if (!table.readFromFile(tableName)) {
        code = fail(command, "prof/" + name + ".pr is not a readable section table", kExitNotFound);
        return false;
    }
    return true;
}

// ---- list -----------------------------------------------------------------------------------

int listTables(const SectionOptions& options) {
    if (!useLibrary(options))
        return fail("list", "the library folder " + libraryFolderText() + " does not exist",
                    kExitNotFound);
    const Mdx_StringArray names = listSectionTables();
    json all = json::array();
    if (!options.json)
        std::cout << names.length() << " section table" << (names.length() == 1 ? "" : "s")
                  << " in prof/\n";
    for (const Mdx_String& name : names) {
        Mdx_ProfValuesTable table;
        const bool ok = table.readFromFile(name);
        const std::string values = ok ? utf8(arrToStr(valueColumns(table), ", ")) : "";
        if (options.json) {
            all.push_back(ok ? json{{"table", utf8(name)},
                                    {"picture", utf8(table.pictureName)},
                                    {"languages", table.getNrLanguages()},
                                    {"sizes", table.rows.length()},
                                    {"active", activeCount(table)},
                                    {"values", values}}
                             : json{{"table", utf8(name)}, {"error", "not a readable table"}});
            continue;
        }
        if (!ok) {
            std::cout << utf8(name) << "\n  not a readable section table\n";
            continue;
        }
        std::cout << utf8(table.tableName) << "\n  picture   " << pictureText(table.pictureName)
                  << "\n  sizes     " << table.rows.length() << " (" << activeCount(table)
                  << " active), " << table.getNrLanguages() << " languages\n  values    "
                  << values << "\n";
    }
    if (options.json) std::cout << all.dump(2) << "\n";
    return 0;
}

// ---- show -----------------------------------------------------------------------------------

// The table and, for a size's full name ("HEA-100", or "HEA100" as drawings write it), the
// size's row.
bool findTableOf(const std::string& text, std::string& table, std::string& size) {
    const Mdx_String name = Mdx_String::fromUtf8(text);
    if (isValidTableName(name) && sectionTableExists(name)) {
        table = text;
        return true;
    }
    for (const Mdx_String& candidate : listSectionTables()) {
        const int length = candidate.length();
        if (name.length() <= length || !name.left(length).equal(candidate, false)) continue;
        const int skip = name.at(length) == '-' ? 1 : 0;
        table = utf8(candidate);
        size = utf8(name.mid(length + skip));
        return true;
    }
    return false;
}

void printRows(const Mdx_ProfValuesTable& table, const std::vector<int>& rows) {
    std::vector<size_t> widths(static_cast<size_t>(table.columnNames.length()), 0);
    auto widen = [&](const Mdx_StringArray& cells) {
        for (int c = 0; c < cells.length() && c < static_cast<int>(widths.size()); ++c)
            widths[static_cast<size_t>(c)] =
                std::max(widths[static_cast<size_t>(c)], utf8(cells[c]).size());
    };
    widen(table.columnNames);
    for (int row : rows) widen(table.rows[row]);
    auto line = [&](const Mdx_StringArray& cells) {
        std::string text;
        for (size_t c = 0; c < widths.size(); ++c) {
            const std::string cell =
                cells.isValidIndex(static_cast<int>(c)) ? utf8(cells[static_cast<int>(c)]) : "";
            text += cell + std::string(widths[c] - std::min(widths[c], cell.size()) + 2, ' ');
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        std::cout << text << "\n";
    };
    line(table.columnNames);
    for (int row : rows) line(table.rows[row]);
}

int showTable(const SectionOptions& options) {
    if (!useLibrary(options))
        return fail("show", "the library folder " + libraryFolderText() + " does not exist",
                    kExitNotFound);
    std::string tableName, size;
    if (!findTableOf(options.table, tableName, size))
        return fail("show", "the library has no table or size \"" + options.table + "\"",
                    kExitNotFound);
    Mdx_ProfValuesTable table;
    int code = 0;
    if (!readTable("show", tableName, table, code)) return code;
    std::vector<int> rows;
    if (size.empty()) {
        for (int row = 0; row < table.rows.length(); ++row) rows.push_back(row);
    } else {
        int row = -1;
        if (!table.findSysName(Mdx_String::fromUtf8(size), row))
            return fail("show", "table " + tableName + " has no size \"" + size + "\"",
                        kExitNotFound);
        rows.push_back(row);
    }
    if (options.json) {
        json out = {{"table", utf8(table.tableName)},
                    {"picture", utf8(table.pictureName)},
                    {"columns", json::array()},
                    {"rows", json::array()}};
        for (const Mdx_String& column : table.columnNames) out["columns"].push_back(utf8(column));
        for (int row : rows) {
            json cells = json::array();
            for (const Mdx_String& cell : table.rows[row]) cells.push_back(utf8(cell));
            out["rows"].push_back(cells);
        }
        std::cout << out.dump(2) << "\n";
        return 0;
    }
    std::cout << utf8(table.tableName) << ": picture " << pictureText(table.pictureName) << ", "
              << table.rows.length() << " sizes (" << activeCount(table) << " active)\n";
    printRows(table, rows);
    return 0;
}

// ---- add ------------------------------------------------------------------------------------

bool parseValues(const std::string& text, int expected, Mdx_StringArray& values,
                 std::string& problem) {
    values = strToArr(Mdx_String::fromUtf8(text), ",");
    for (Mdx_String& value : values) {
        value.trim();
        if (!value.isNumber()) {
            problem = "\"" + utf8(value) + "\" is not a number";
            return false;
        }
    }
    if (values.length() != expected) {
        problem = "the table has " + std::to_string(expected) + " value columns, " +
                  std::to_string(values.length()) + " values were given";
        return false;
    }
    return true;
}

// The user name of a new size in one language: given, or the first size's name in that
// language up to its number, followed by the size.
Mdx_String userNameFor(const Mdx_ProfValuesTable& table, int col, const Mdx_String& size,
                       const Mdx_String& given) {
    if (!given.isEmpty()) return given;
    Mdx_String prefix = table.tableName + " ";
    if (!table.rows.isEmpty() && table.rows[0].isValidIndex(col)) {
        const Mdx_String& model = table.rows[0][col];
        const int digit = findFirstNumbers(model);
        if (digit > 0) prefix = model.left(digit);
    }
    return prefix + size;
}

bool isPlainText(const Mdx_String& text) {
    for (char c : text.view())
        if (static_cast<unsigned char>(c) < 0x20) return false;
    return true;
}

int addSize(const SectionOptions& options) {
    if (!useLibrary(options))
        return fail("add", "the library folder " + libraryFolderText() + " does not exist",
                    kExitNotFound);
    Mdx_ProfValuesTable table;
    int code = 0;
    if (!readTable("add", options.table, table, code)) return code;
    const Mdx_String size = Mdx_String::fromUtf8(options.size);
    const Mdx_String given = Mdx_String::fromUtf8(options.userName);
    if (size.isEmpty() || !isPlainText(size) || size.find("-", true) == 0 || !isPlainText(given))
        return fail("add", "\"" + options.size + "\" is not a size name", kExitBadArgument);
    int existing = -1;
    if (table.findSysName(size, existing))
        return fail("add", "table " + options.table + " already has size " + options.size,
                    kExitConflict);
    const int languages = table.getNrLanguages();
    Mdx_StringArray values;
    std::string problem;
    if (!parseValues(options.values, table.columnNames.length() - 2 - languages, values, problem))
        return fail("add", problem, kExitBadArgument);
    Mdx_StringArray row{size, options.inactive ? "0" : "1"};
    for (int i = 0; i < languages; ++i) row.append(userNameFor(table, 2 + i, size, given));
    row.appendAll(values);
    const int position = sortedSizePosition(table, size);
    table.rows.insertAt(position, row);
    if (!table.writeToFile(table.tableName))
        return fail("add", "prof/" + options.table + ".pr could not be written; it is unchanged",
                    kExitWriteFailed);
    std::cout << "added " << utf8(fullSectionName(table.tableName, size)) << " as row "
              << position + 1 << " of " << table.rows.length() << "\n";
    return 0;
}

// ---- rename and remove ----------------------------------------------------------------------

int renameTable(const SectionOptions& options) {
    if (!useLibrary(options))
        return fail("rename", "the library folder " + libraryFolderText() + " does not exist",
                    kExitNotFound);
    Mdx_ProfValuesTable table;
    int code = 0;
    if (!readTable("rename", options.table, table, code)) return code;
    const Mdx_String oldName = table.tableName;
    switch (renameSectionTable(table, oldName, Mdx_String::fromUtf8(options.newName))) {
        case TableRename::Done:
            std::cout << "renamed " << utf8(oldName) << " to " << utf8(table.tableName) << "\n";
            return 0;
        case TableRename::BadName:
            return fail("rename", "\"" + options.newName + "\" is not a table name",
                        kExitBadArgument);
        case TableRename::NameTaken:
            return fail("rename",
                        "the name \"" + options.newName + "\" is taken (or differs only in case)",
                        kExitConflict);
        case TableRename::WriteFailed:
            return fail("rename", "the new file could not be written; " + utf8(oldName) +
                                      " is unchanged",
                        kExitWriteFailed);
        case TableRename::OldKept:
            return fail("rename", "written as " + utf8(table.tableName) + ", but prof/" +
                                      utf8(oldName) + ".pr could not be removed",
                        kExitWriteFailed);
    }
    return kExitWriteFailed;
}

int removeEntry(const SectionOptions& options) {
    if (!useLibrary(options))
        return fail("remove", "the library folder " + libraryFolderText() + " does not exist",
                    kExitNotFound);
    Mdx_ProfValuesTable table;
    int code = 0;
    if (!readTable("remove", options.table, table, code)) return code;
    if (options.size.empty()) {
        if (!deleteSectionTableFile(table.tableName))
            return fail("remove", "prof/" + options.table + ".pr could not be removed",
                        kExitWriteFailed);
        std::cout << "removed table " << utf8(table.tableName) << "\n";
        return 0;
    }
    int row = -1;
    if (!table.findSysName(Mdx_String::fromUtf8(options.size), row))
        return fail("remove", "table " + options.table + " has no size \"" + options.size + "\"",
                    kExitNotFound);
    table.deleteRow(row);
    if (!table.writeToFile(table.tableName))
        return fail("remove", "prof/" + options.table + ".pr could not be written; it is unchanged",
                    kExitWriteFailed);
    std::cout << "removed " << options.size << " from " << utf8(table.tableName) << "\n";
    return 0;
}

void addLibraryOption(CLI::App* command, SectionOptions& options) {
    command->add_option("--library", options.library,
                        "library folder (holds \"prof\"); default: env MDX_LIBRARY, else the "
                        "bundled examples/");
    command->footer(kExitCodes);
}

}  // namespace

void addSectionCommands(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<SectionOptions>();
    auto* section = app.add_subcommand(
        "section", "The section tables of a library (prof/*.pr)\n  example: mdx section list");
    section->require_subcommand(1);

    auto* list = section->add_subcommand("list", "Every table: picture, sizes, value columns");
    addLibraryOption(list, *options);
    list->add_flag("--json", options->json, "print one JSON document");
    list->callback([options, &exitCode] { exitCode = listTables(*options); });

    auto* show = section->add_subcommand(
        "show", "A table's sizes, or one size by its full name\n"
                "  example: mdx section show HEA   or   mdx section show HEA-300");
    show->add_option("name", options->table, "table, or size as TABLE-SIZE (or TABLESIZE)")
        ->required();
    addLibraryOption(show, *options);
    show->add_flag("--json", options->json, "print one JSON document");
    show->callback([options, &exitCode] { exitCode = showTable(*options); });

    auto* add = section->add_subcommand(
        "add", "Adds a size at its sorted place\n"
               "  example: mdx section add RHS 120x80x5 --values 120,80,5,10");
    add->add_option("table", options->table, "table name")->required();
    add->add_option("size", options->size, "the size's system name")->required();
    add->add_option("--values", options->values, "one number per value column, comma separated")
        ->required();
    add->add_option("--name", options->userName,
                    "user name in every language; default: the first size's name pattern");
    add->add_flag("--inactive", options->inactive, "add the size switched off");
    addLibraryOption(add, *options);
    add->callback([options, &exitCode] { exitCode = addSize(*options); });

    auto* rename = section->add_subcommand(
        "rename", "Gives a table a new name (written under the new name before the old file "
                  "is removed)\n  example: mdx section rename RHS RHS-cold");
    rename->add_option("table", options->table, "table name")->required();
    rename->add_option("new-name", options->newName, "new table name")->required();
    addLibraryOption(rename, *options);
    rename->callback([options, &exitCode] { exitCode = renameTable(*options); });

    auto* remove = section->add_subcommand(
        "remove", "Removes a table, or with --size one size of it\n"
                  "  example: mdx section remove RHS --size 50x30x3");
    remove->add_option("table", options->table, "table name")->required();
    remove->add_option("--size", options->size, "the size's system name");
    addLibraryOption(remove, *options);
    remove->callback([options, &exitCode] { exitCode = removeEntry(*options); });
}
