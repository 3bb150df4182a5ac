#pragma once
// Workbooks of spreadsheet programs (".ods", ".xlsx") read through the system's import filter
// library into plain cells: texts, numbers, booleans and formula texts as the file writes
// them. What a cell of this module's sheets cannot carry is refused by the caller.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

struct WorkbookCell {
    enum class Kind { Text, Number, Bool, Formula, SharedFormula, DateTime };
    int column = 0, row = 0;  // from 1
    Kind kind = Kind::Text;
    std::string text;   // UTF-8 text, or the formula as the file writes it
    double number = 0;  // Number and Bool (1 / 0)
    std::size_t sharedIndex = 0;  // the formula group of a Formula or SharedFormula cell
    bool shared = false;          // a Formula cell that starts a group
};

struct WorkbookSheet {
    std::string name;  // UTF-8
    std::vector<WorkbookCell> cells;
};

struct Workbook {
    bool openFormula = false;  // formulas in the OpenDocument grammar, else the A1 one
    std::vector<WorkbookSheet> sheets;
};

bool isWorkbookFile(const std::filesystem::path& file);

// Reads the whole workbook; false with why (not naming the file) for a file the library
// refuses or one larger than a sheet can hold.
bool readWorkbook(const std::filesystem::path& file, Workbook& book, std::string& why);
