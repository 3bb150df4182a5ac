#include "WorkbookImport.h"

#include <algorithm>
#include <map>

#include "WorkbookFormula.h"
#include "grid/SpreadModel.h"
#include "grid/TextRules.h"
#include "host/Windows1252.h"

namespace {

std::string cellName(const WorkbookCell& cell) {
    return grid::columnLetters(cell.column) + std::to_string(cell.row);
}

const WorkbookSheet* findSheet(const Workbook& book, const std::string& name, std::string& why) {
    if (name.empty()) return &book.sheets.front();
    for (const WorkbookSheet& sheet : book.sheets)
        if (sheet.name == name) return &sheet;
    why = "no sheet \"" + name + "\"; the workbook has";
    for (const WorkbookSheet& sheet : book.sheets) why += " \"" + sheet.name + "\"";
    return nullptr;
}

// The cell's content as the grid's single-byte text; false with why.
bool cellText(const Workbook& book, const WorkbookSheet& sheet, const WorkbookCell& cell,
              std::string& text, std::string& why) {
    std::string utf8;
    switch (cell.kind) {
    case WorkbookCell::Kind::Number: grid::appendExactNumber(text, cell.number); return true;
    case WorkbookCell::Kind::Bool: text = cell.number != 0 ? "TRUE" : "FALSE"; return true;
    case WorkbookCell::Kind::DateTime:
        why = "a date or time, which the grid does not hold";
        return false;
    case WorkbookCell::Kind::SharedFormula: return true;  // filled in from its group
    case WorkbookCell::Kind::Text: utf8 = cell.text; break;
    case WorkbookCell::Kind::Formula: {
        if (!gridFormulaOf(cell.text, book.openFormula, sheet.name, utf8, why)) return false;
        const std::string unknown = unknownFunctionIn(utf8);
        if (!unknown.empty()) {
            why = "the formula " + utf8 + " uses " + unknown + ", which the grid does not have";
            return false;
        }
        break;
    }
    }
    std::size_t bad = 0;
    if (host::utf8ToWindows1252(utf8, text, bad)) return true;
    why = "a character a sheet cannot hold (sheets hold Windows-1252 text)";
    return false;
}

}  // namespace

bool importWorkbookSheet(const Workbook& book, const std::string& sheetName,
                         grid::SpreadModel& model, std::string& why) {
    const WorkbookSheet* sheet = findSheet(book, sheetName, why);
    if (!sheet) return false;
    int columns = 1, rows = 1;
    for (const WorkbookCell& cell : sheet->cells) {
        columns = std::max(columns, cell.column);
        rows = std::max(rows, cell.row);
    }
    model.setMaxColumns(columns);
    model.setMaxRows(rows);
    std::map<std::size_t, const WorkbookCell*> groups;  // first cell of each formula group
    for (const WorkbookCell& cell : sheet->cells) {
        std::string text, problem;
        if (!cellText(book, *sheet, cell, text, problem)) {
            why = "sheet \"" + sheet->name + "\", cell " + cellName(cell) + ": " + problem;
            return false;
        }
        if (cell.kind == WorkbookCell::Kind::SharedFormula) continue;
        if (cell.kind == WorkbookCell::Kind::Formula && cell.shared)
            groups.emplace(cell.sharedIndex, &cell);
        const bool ok = cell.kind == WorkbookCell::Kind::Formula
                            ? model.setFormula(cell.column, cell.row, text, false)
                            : model.setData(cell.column, cell.row, text);
        if (!ok) {
            why = "sheet \"" + sheet->name + "\", cell " + cellName(cell) + ": the grid refused " +
                  host::windows1252ToUtf8(text);
            return false;
        }
    }
    // The other cells of a group hold the first one's formula, moved as a copy moves it.
    for (const WorkbookCell& cell : sheet->cells) {
        if (cell.kind != WorkbookCell::Kind::SharedFormula) continue;
        const auto first = groups.find(cell.sharedIndex);
        if (first == groups.end() ||
            !model.copyRange(first->second->column, first->second->row, first->second->column,
                             first->second->row, cell.column, cell.row)) {
            why = "sheet \"" + sheet->name + "\", cell " + cellName(cell) +
                  ": a shared formula without its first cell";
            return false;
        }
    }
    model.setOption(grid::kOptionChanged, false);
    return true;
}
