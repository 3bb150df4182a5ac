#include "WorkbookWriter.h"

#include <xlsxwriter.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "grid/Sheet.h"
#include "grid/SpreadModel.h"
#include "grid/UsedRange.h"
#include "host/Windows1252.h"
#include "win/FilePaths.h"

namespace {

// Functions that spreadsheet programs store with a prefix, because older ones lack them.
std::string withFunctionPrefixes(std::string formula) {
    for (const char* name : {"IFS(", "XLOOKUP("}) {
        const std::string plain = name;
        for (std::size_t at = formula.find(plain); at != std::string::npos;
             at = formula.find(plain, at + plain.size() + 6)) {
            const bool partOfName = at > 0 && (std::isalnum(static_cast<unsigned char>(formula[at - 1])) ||
                                               formula[at - 1] == '.');
            if (!partOfName) formula.insert(at, "_xlfn.");
        }
    }
    return formula;
}

void writeCell(lxw_worksheet* sheet, grid::SpreadModel& model, int column, int row) {
    const lxw_row_t r = static_cast<lxw_row_t>(row - 1);
    const lxw_col_t c = static_cast<lxw_col_t>(column - 1);
    const grid::CellValue value = model.sheet().value(column, row);
    std::string formula;
    model.text(column, row, grid::TextKind::Formula, formula);
    if (!formula.empty()) {
        const std::string utf8 = withFunctionPrefixes(host::windows1252ToUtf8(formula));
        worksheet_write_formula_num(sheet, r, c, utf8.c_str(), nullptr,
                                    value.kind == grid::ValueKind::Number ? value.number : 0);
        return;
    }
    switch (value.kind) {
    case grid::ValueKind::Number: worksheet_write_number(sheet, r, c, value.number, nullptr); break;
    case grid::ValueKind::Bool: worksheet_write_boolean(sheet, r, c, value.number != 0, nullptr); break;
    case grid::ValueKind::Text:
        worksheet_write_string(sheet, r, c, host::windows1252ToUtf8(value.text).c_str(), nullptr);
        break;
    default: break;
    }
}

}  // namespace

bool xlsxBytesOf(grid::SpreadModel& model, std::string& bytes, std::string& why) {
    model.sheet().recalculateAll();
    // The library writes to a named file: a private temporary one, read back and removed.
    std::string pattern =
        (std::filesystem::temp_directory_path() / "mdx-export-XXXXXX").string();
    char* name = pattern.data();
    const int descriptor = mkstemp(name);
    if (descriptor < 0) {
        why = "no temporary file for the workbook";
        return false;
    }
    close(descriptor);
    lxw_workbook* book = workbook_new(name);
    lxw_worksheet* sheet = book ? workbook_add_worksheet(book, "Sheet1") : nullptr;
    int columns = 0, rows = 0;
    grid::extentToVisit(model, columns, rows);
    if (sheet)
        for (int row = 1; row <= rows; ++row)
            for (int column = 1; column <= columns; ++column)
                writeCell(sheet, model, column, row);
    const lxw_error closed = book ? workbook_close(book) : LXW_ERROR_MEMORY_MALLOC_FAILED;
    const bool ok = sheet && closed == LXW_NO_ERROR && win::readWholeFile(name, bytes);
    std::remove(name);
    if (!ok) why = std::string("the workbook writer failed: ") + lxw_strerror(closed);
    return ok;
}
