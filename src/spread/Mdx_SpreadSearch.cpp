#include <algorithm>

#include "grid/UsedRange.h"
#include "spread/Mdx_Spread.h"
#include "spread/SheetSearch.h"

// An empty search text is found nowhere: it would match every cell and select nothing. So
// a search goes no further than the used range: the cells past it are empty, and a sheet
// may declare the largest grid while holding a handful of cells.
namespace {

void searchExtent(HWND sheet, int& columns, int& rows) {
    columns = rows = 0;
    if (const grid::SpreadModel* model = SSGetModel(sheet)) grid::usedExtent(*model, columns, rows);
}

// The first column from startCol up to columns whose text matches, or 0.
int matchInRow(const Mdx_Spread& sheet, const Mdx_String& text, bool partial, int row,
               int startCol, int columns) {
    for (int col = std::max(startCol, 1); col <= columns; ++col) {
        Mdx_String cell;
        if (!sheet.getCellText(col, row, cell, kTextValue)) continue;
        const bool match = partial ? cell.find(text, kSheetSearchCaseSensitive) >= 0
                                   : cell.equal(text, kSheetSearchCaseSensitive);
        if (match) return col;
    }
    return 0;
}

}  // namespace

bool Mdx_Spread::findInRow(const Mdx_String& text, bool partial, int row, int startCol,
                           int& foundCol) const {
    if (!attached || text.isEmpty()) return false;
    int columns = 0, rows = 0;
    searchExtent(GetSafeHwnd(), columns, rows);
    const int col = matchInRow(*this, text, partial, row, startCol, columns);
    if (col == 0) return false;
    foundCol = col;
    return true;
}

bool Mdx_Spread::findNext(const Mdx_String& text, bool partial, int startCol, int startRow,
                          int& foundCol, int& foundRow) const {
    if (!attached || text.isEmpty()) return false;
    int columns = 0, rows = 0;
    searchExtent(GetSafeHwnd(), columns, rows);
    for (int row = std::max(startRow, 1); row <= rows; ++row) {
        const int col = matchInRow(*this, text, partial, row, row == startRow ? startCol : 1, columns);
        if (col != 0) {
            foundCol = col;
            foundRow = row;
            return true;
        }
    }
    return false;
}

bool Mdx_Spread::findInCell(const Mdx_String& text, int col, int row, int startPos,
                            int& foundPos) const {
    if (!attached || text.isEmpty()) return false;
    Mdx_String cell;
    if (!getCellText(col, row, cell, kTextValue)) return false;
    const int at = cell.findFirstFrom(text, std::max(startPos, 0), kSheetSearchCaseSensitive);
    if (at < 0) return false;
    foundPos = at;
    return true;
}

bool Mdx_Spread::selectFoundText(const Mdx_String& text, int col, int row, int startPos) {
    int at = 0;
    if (!findInCell(text, col, row, startPos, at)) return false;
    SetFocus();
    int activeCol = 0, activeRow = 0;
    if (!GetActiveCell(&activeCol, &activeRow) || activeCol != col || activeRow != row)
        SetActiveCell(col, row);
    if (!GetEditMode()) SetEditMode(TRUE);
    SetEditSel(at, at + text.length());
    return true;
}

bool Mdx_Spread::replaceInCell(int col, int row, const Mdx_String& find,
                               const Mdx_String& replace) {
    Mdx_String cell;
    if (!getCellText(col, row, cell, kTextValue)) return false;
    cell.replace(find, replace, kSheetSearchCaseSensitive);
    return setCellData(col, row, cell);
}
