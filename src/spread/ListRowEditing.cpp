// Adding and removing rows of a list kept in a sheet, as the list dialogs' buttons do.
#include <algorithm>

#include "spread/Mdx_Spread.h"

void addRowAfterActive(Mdx_Spread* sheet) {
    if (!sheet || !sheet->isAttached()) return;
    int col = 0, row = 0;
    sheet->getActiveCell(col, row);
    const int rows = sheet->getMaxRows() + 1;
    sheet->setMaxRows(rows, false);
    // On a sheet that had no rows the new row is the first one.
    const int newRow = std::min(row + 1, rows);
    sheet->InsRow(newRow);
    sheet->setRangeFont(SS_HEADER, newRow, sheet->getMaxCols(), newRow, "Tahoma", 15, false, false);
    sheet->SetFocus();
    sheet->SetActiveCell(col, newRow);
}

void deleteActiveRow(Mdx_Spread* sheet) {
    if (!sheet || sheet->getMaxRows() <= 0) return;
    int col = 0, row = 0;
    sheet->getActiveCell(col, row);
    if (!sheet->DelRow(row)) return;
    sheet->SetFocus();
    const int rows = sheet->getMaxRows() - 1;
    sheet->SetMaxRows(rows);
    if (rows < 1) return;
    // The row after the deleted one takes its place; after the last row, the new last one.
    row = std::min(row, rows);
    sheet->SetActiveCell(col, row);
    sheet->SetEditMode(TRUE);
    Mdx_String text;
    sheet->getCellText(col, row, text, kTextData);
    sheet->SetEditSel(0, text.length());
}
