#include "MdxBuildPaths.h"
#include "SheetCommand.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "OutputCheck.h"
#include "SheetConvertCommand.h"
#include "SheetTransfer.h"
#include "grid/UsedRange.h"
#include "grid/Sheet.h"
#include "grid/SpreadApi.h"
#include "grid/SpreadModel.h"
#include "host/Windows1252.h"
#include "win/InstalledData.h"
#include "win/Window.h"

namespace {

// Exit codes of every sheet command.
constexpr int kExitBadInput = 2;
constexpr const char* kExitCodes =
    "Exit codes: 0 done; 1 the output file could not be written (an existing one is left as\n"
    "it was); 2 the input is missing, unreadable or malformed (the message names the file and\n"
    "line or cell), or an argument is wrong; 12 the printed output could not be written (a\n"
    "full disk, a closed pipe); 64 the command line itself is wrong. Nothing is written after\n"
    "an error.\n"
    ".tsv and .csv files are read as UTF-8 when they start with a byte-order mark or are valid\n"
    "UTF-8, else as Windows-1252 (--encoding decides); export writes UTF-8.";

struct SheetOptions {
    std::string file;
    bool formulas = false;
    bool json = false;
    std::vector<std::string> assignments;  // CELL=TEXT
};

// "B7" -> (2, 7); false for anything that is not a plain A1 address.
bool parseCellAddress(const std::string& text, int& column, int& row) {
    std::size_t i = 0;
    column = 0;
    while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) {
        column = column * 26 + (std::toupper(static_cast<unsigned char>(text[i])) - 'A' + 1);
        if (column > 16384) return false;
        ++i;
    }
    if (i == 0 || i == text.size()) return false;
    row = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
        row = row * 10 + (text[i] - '0');
        if (row > 1048576) return false;
    }
    return row > 0;
}

std::string columnName(int column) {
    std::string name;
    for (; column > 0; column = (column - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
    return name;
}

std::string readText(HWND grid, int column, int row, bool formula) {
    const int length =
        formula ? SSGetFormulaLen(grid, column, row) : SSGetDataLen(grid, column, row);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int read = formula ? SSGetFormula(grid, column, row, text.data(), length + 1)
                             : SSGetData(grid, column, row, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(read, 0)));
    return text;
}

// Characters of a UTF-8 text: every byte but the continuation bytes.
std::size_t shownWidth(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The table: a header line with the column letters (and header texts when the sheet has
// them), then one line per row; cells padded to the widest text of their column.
void printSheet(HWND grid, bool formulas) {
    int columns = 0;
    int rows = 0;
    grid::extentToVisit(*SSGetModel(grid), columns, rows);
    std::vector<std::vector<std::string>> table(static_cast<std::size_t>(rows) + 1);
    for (int row = 0; row <= rows; ++row) {
        auto& line = table[static_cast<std::size_t>(row)];
        line.push_back(row == 0 ? "" : std::to_string(row));
        for (int column = 1; column <= columns; ++column) {
            std::string text = formulas && row > 0 ? readText(grid, column, row, true) : "";
            if (text.empty()) text = readText(grid, column, row, false);
            // An unnamed column header reads as its letters already.
            if (row == 0 && text != columnName(column))
                text = columnName(column) + (text.empty() ? "" : " " + text);
            line.push_back(text);
        }
    }
    std::vector<std::size_t> widths(static_cast<std::size_t>(columns) + 1, 0);
    for (auto& line : table)
        for (std::size_t c = 0; c < line.size(); ++c) {
            line[c] = host::windows1252ToUtf8(line[c]);
            widths[c] = std::max(widths[c], shownWidth(line[c]));
        }
    for (const auto& line : table) {
        std::string out;
        for (std::size_t c = 0; c < line.size(); ++c) {
            out += line[c];
            if (c + 1 < line.size()) out += std::string(widths[c] - shownWidth(line[c]) + 2, ' ');
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        std::cout << out << '\n';
    }
}

// Every cell that holds something, as one JSON document: numbers as numbers.
void printSheetJson(HWND grid, const std::string& file) {
    int columns = 0;
    int rows = 0;
    grid::extentToVisit(*SSGetModel(grid), columns, rows);
    nlohmann::ordered_json cells = nlohmann::ordered_json::array();
    for (int row = 1; row <= rows; ++row)
        for (int column = 1; column <= columns; ++column) {
            const std::string text = host::windows1252ToUtf8(readText(grid, column, row, false));
            const std::string formula = host::windows1252ToUtf8(readText(grid, column, row, true));
            if (text.empty() && formula.empty()) continue;
            nlohmann::ordered_json cell = {{"cell", columnName(column) + std::to_string(row)},
                                           {"text", text}};
            double number = 0;
            if (SSGetFloat(grid, column, row, &number) && std::isfinite(number)) cell["number"] = number;
            if (!formula.empty()) cell["formula"] = formula;
            cells.push_back(std::move(cell));
        }
    const nlohmann::ordered_json document = {{"file", file},
                                             {"columns", SSGetMaxCols(grid)},
                                             {"rows", SSGetMaxRows(grid)},
                                             {"cells", cells}};
    std::cout << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}

HWND loadSheet(const std::string& file) {
    SSRegisterSpreadClass();
    HWND grid = CreateWindowEx(0, "fpSpread70", nullptr, 0, 0, 0, 800, 600, nullptr, nullptr,
                               nullptr, nullptr);
    if (!grid) {
        std::cerr << "mdx: the grid window could not be created\n";
        return nullptr;
    }
    if (SSLoadFromFile(grid, file.c_str()) != 1) {
        std::string why = describeSheetFileProblem(file);
        if (why.empty()) why = file + ": the grid refused it";
        std::cerr << "mdx: cannot load sheet file " << why << "\n";
        DestroyWindow(grid);
        return nullptr;
    }
    return grid;
}

bool applyAssignments(HWND grid, const std::vector<std::string>& assignments) {
    for (const auto& assignment : assignments) {
        const auto equals = assignment.find('=');
        int column = 0, row = 0;
        if (equals == std::string::npos ||
            !parseCellAddress(assignment.substr(0, equals), column, row)) {
            std::cerr << "mdx: --set '" << assignment
                      << "' is not CELL=TEXT (for example B7=180)\n";
            return false;
        }
        if (column > SSGetMaxCols(grid) || row > SSGetMaxRows(grid)) {
            std::cerr << "mdx: --set '" << assignment << "': the sheet has " << SSGetMaxCols(grid)
                      << " columns and " << SSGetMaxRows(grid) << " rows\n";
            return false;
        }
        const std::string text = assignment.substr(equals + 1);
        const bool ok = !text.empty() && text[0] == '='
                            ? SSSetFormula(grid, column, row, text.c_str(), FALSE)
                            : SSSetData(grid, column, row, text.c_str());
        if (!ok) {
            std::cerr << "mdx: --set '" << assignment
                      << "': the sheet refused the text (a formula that does not parse?)\n";
            return false;
        }
    }
    return true;
}

int runSheet(const SheetOptions& options, bool calculate) {
    HWND grid = loadSheet(options.file);
    if (!grid) return kExitBadInput;
    int result = 0;
    if (!applyAssignments(grid, options.assignments)) {
        result = kExitBadInput;
    } else {
        if (calculate) SSReCalc(grid);
        if (options.json)
            printSheetJson(grid, options.file);
        else
            printSheet(grid, options.formulas);
    }
    DestroyWindow(grid);
    return result;
}

}  // namespace

void addSheetCommands(CLI::App& app) {
    auto options = std::make_shared<SheetOptions>();
    auto* sheet = app.add_subcommand(
        "sheet",
        "Show, calculate, import and export sheet files\n"
        "  example: mdx sheet show \"examples/Connection Standards/EndPlate.kvs\"");
    sheet->require_subcommand(1);
    sheet->footer(kExitCodes);

    auto* show = sheet->add_subcommand("show",
                                       "Print a sheet file as a table\n  example: mdx sheet show "
                                       "examples/sheets/bolt-shear-check.sss --formulas");
    show->add_option("file", options->file, "sheet file (.sss, .kvs, .tsv or .csv)")->required();
    show->footer(kExitCodes);
    show->add_flag("--formulas", options->formulas, "show formulas instead of their values");
    show->add_flag("--json", options->json,
                   "print the cells that hold something as one JSON document");
    show->callback([options] { std::exit(withOutputChecked(runSheet(*options, false))); });

    auto* calc = sheet->add_subcommand(
        "calc",
        "Recalculate a sheet file, with cells set first, and print it\n  example: mdx sheet calc "
        "examples/sheets/bolt-shear-check.sss --set B7=600");
    calc->add_option("file", options->file, "sheet file (.sss, .kvs, .tsv or .csv)")->required();
    calc->footer(kExitCodes);
    calc->add_option("--set", options->assignments,
                     "CELL=TEXT set before calculating (repeatable)");
    calc->add_flag("--formulas", options->formulas, "show formulas instead of their values");
    calc->add_flag("--json", options->json,
                   "print the cells that hold something as one JSON document");
    calc->callback([options] { std::exit(withOutputChecked(runSheet(*options, true))); });

    addSheetConvertCommands(*sheet, kExitCodes);
}

void addDemoCommand(CLI::App& app) {
    auto* demo = app.add_subcommand(
        "demo", "Calculate the bundled sample sheet (a bolt-group shear check) and print it");
    demo->callback([] {
        SheetOptions options;
        options.file =
            (win::installedDataFolder("examples", std::string(MDX_SOURCE_DIR) + "/examples") /
             "sheets/bolt-shear-check.sss")
                .string();
        std::cout << "Sample sheet " << options.file << ", recalculated:\n\n";
        std::exit(withOutputChecked(runSheet(options, true)));
    });
}
