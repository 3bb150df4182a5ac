#include "spread/SheetDimensionsDialog.h"

#include <algorithm>
#include <string>

#include "core/Texts.h"
#include "grid/CellValue.h"
#include "resources/sheetdims_ids.h"
#include "win/WinMessages.h"

namespace {

// Header sizes are pixels on a screen; anything larger is a typing slip.
const int kMaxHeaderPixels = 4000;

// Names of a grid: the cached one at each position, else the last result, else empty.
void writeNames(Mdx_Spread& grid, bool columns, int count, const Mdx_StringArray& cache,
                const Mdx_StringArray& result) {
    for (int i = 0; i < count; ++i) {
        const Mdx_String& name = cache.isValidIndex(i)
                                     ? cache[i]
                                     : (result.isValidIndex(i) ? result[i] : Mdx_String());
        grid.SetData(columns ? i + 1 : 1, columns ? 1 : i + 1, name.c_str());
    }
}

void takeNames(const Mdx_Spread& grid, bool columns, Mdx_StringArray& result,
               Mdx_StringArray& cache) {
    const int count = columns ? grid.GetMaxCols() : grid.GetMaxRows();
    result.setEmpty();
    if (cache.length() < count) cache.setLength(count);
    for (int i = 0; i < count; ++i) {
        Mdx_String text;
        grid.getCellText(columns ? i + 1 : 1, columns ? 1 : i + 1, text, kTextData);
        result.append(text);
        cache[i] = text;
    }
}

}  // namespace

SheetDimensionsDialog::SheetDimensionsDialog() : CAcUiDialog(IDD_SHEET_DIMENSIONS) {}

void SheetDimensionsDialog::labelControls() {
    SetWindowText(dialString(1369).c_str());
    SetDlgItemText(IDC_DIM_EXPLAIN, (dialString(1370) + "\n" + dialString(1371)).c_str());
    SetDlgItemText(IDC_DIM_NAMES_LABEL, dialString(1372).c_str());
    SetDlgItemText(IDC_DIM_COLS_LABEL, dialString(1373).c_str());
    SetDlgItemText(IDC_DIM_ROWS_LABEL, dialString(1374).c_str());
    SetDlgItemText(IDC_DIM_HEADER_HEIGHT_LABEL, dialString(1375).c_str());
    SetDlgItemText(IDC_DIM_HEADER_WIDTH_LABEL, dialString(1376).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
}

void SheetDimensionsDialog::setUpColumnGrid() {
    colGrid.SetMaxCols(colCount);
    colGrid.SetMaxRows(1);
    colGrid.SetBool(10, TRUE);
    colGrid.SetBool(11, FALSE);
    colGrid.SetBool(3, FALSE);
    colGrid.SetBool(4, FALSE);
    colGrid.SetRowHeightInPixels(1, headerRowHeight);
}

void SheetDimensionsDialog::setUpRowGrid() {
    rowGrid.SetMaxCols(1);
    rowGrid.SetMaxRows(rowCount);
    rowGrid.SetBool(10, FALSE);
    rowGrid.SetBool(3, FALSE);
    rowGrid.SetBool(4, FALSE);
    rowGrid.SetBool(11, TRUE);
    rowGrid.SetColWidthInPixels(1, headerColWidth);
}

BOOL SheetDimensionsDialog::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    if (!colGrid.attachToGridItem(this, IDC_DIM_NAME_GRID_COLS) ||
        !rowGrid.attachToGridItem(this, IDC_DIM_NAME_GRID_ROWS)) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    setUpColumnGrid();
    setUpRowGrid();
    writeNames(colGrid, true, colCount, colNameCache, colNames);
    writeNames(rowGrid, false, rowCount, rowNameCache, rowNames);
    labelControls();
    SetDlgItemText(IDC_DIM_COLS, std::to_string(colCount).c_str());
    SetDlgItemText(IDC_DIM_ROWS, std::to_string(rowCount).c_str());
    SetDlgItemText(IDC_DIM_HEADER_HEIGHT, std::to_string(headerRowHeight).c_str());
    SetDlgItemText(IDC_DIM_HEADER_WIDTH, std::to_string(headerColWidth).c_str());
    ready_ = true;
    return TRUE;
}

// The edit's number as the string-to-int reading gives it (text that is no number reads 0),
// held to what the grid can take.
int SheetDimensionsDialog::editNumber(int id, int lowest, int highest) {
    std::string text;
    GetDlgItemText(id, text);
    return std::clamp(Mdx_String(std::move(text)).toInt(), lowest, highest);
}

void SheetDimensionsDialog::columnCountChanged() {
    colCount = editNumber(IDC_DIM_COLS, 0, grid::kMaxColumns);
    takeNames(colGrid, true, colNames, colNameCache);
    setUpColumnGrid();
    writeNames(colGrid, true, colCount, colNameCache, colNames);
}

void SheetDimensionsDialog::rowCountChanged() {
    rowCount = editNumber(IDC_DIM_ROWS, 0, grid::kMaxRows);
    takeNames(rowGrid, false, rowNames, rowNameCache);
    setUpRowGrid();
    writeNames(rowGrid, false, rowCount, rowNameCache, rowNames);
}

BOOL SheetDimensionsDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const BOOL handled = CAcUiDialog::OnCommand(wParam, lParam);
    if (!ready_ || HIWORD(wParam) != EN_CHANGE) return handled;
    switch (LOWORD(wParam)) {
        case IDC_DIM_COLS:
            columnCountChanged();
            break;
        case IDC_DIM_ROWS:
            rowCountChanged();
            break;
        case IDC_DIM_HEADER_HEIGHT:
            headerRowHeight = editNumber(IDC_DIM_HEADER_HEIGHT, 0, kMaxHeaderPixels);
            colGrid.SetRowHeightInPixels(1, headerRowHeight);
            break;
        case IDC_DIM_HEADER_WIDTH:
            headerColWidth = editNumber(IDC_DIM_HEADER_WIDTH, 0, kMaxHeaderPixels);
            rowGrid.SetColWidthInPixels(1, headerColWidth);
            break;
        default:
            break;
    }
    return handled;
}

void SheetDimensionsDialog::OnOK() {
    takeNames(colGrid, true, colNames, colNameCache);
    takeNames(rowGrid, false, rowNames, rowNameCache);
    CAcUiDialog::OnOK();
}

bool editSheetDimensions(Mdx_Spread* sheet) {
    if (!sheet || !sheet->isAttached()) return false;
    SheetDimensionsDialog dialog;
    dialog.colCount = sheet->GetMaxCols();
    dialog.rowCount = sheet->GetMaxRows();
    sheet->GetRowHeightInPixels(0, &dialog.headerRowHeight);
    sheet->GetColWidthInPixels(0, &dialog.headerColWidth);
    for (int col = 1; col <= dialog.colCount; ++col) {
        Mdx_String name;
        sheet->getCellText(col, 0, name, kTextValue);
        dialog.colNames.append(name);
    }
    for (int row = 1; row <= dialog.rowCount; ++row) {
        Mdx_String name;
        sheet->getCellText(0, row, name, kTextValue);
        dialog.rowNames.append(name);
    }
    if (dialog.DoModal() != IDOK) return false;
    sheet->SetMaxCols(dialog.colCount);
    sheet->SetMaxRows(dialog.rowCount);
    sheet->SetColWidthInPixels(0, dialog.headerColWidth);
    sheet->SetRowHeightInPixels(0, dialog.headerRowHeight);
    for (int i = 0; i < dialog.rowNames.length(); ++i)
        sheet->SetData(0, i + 1, dialog.rowNames[i].c_str());
    for (int i = 0; i < dialog.colNames.length(); ++i)
        sheet->SetData(i + 1, 0, dialog.colNames[i].c_str());
    sheet->SetBool(kOptionChanged, TRUE);
    return true;
}
