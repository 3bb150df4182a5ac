#include "otherdlg/StringArrayGridDialog.h"

#include "core/DialogHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"

namespace {

constexpr const char* kDefaultSizeKey = "DLG_SS_STRINGARRAY";
constexpr const char* kTableFace = "Tahoma";
constexpr int kTableFontHeight = 15;

struct GridOption {
    int index;
    BOOL on;
};
constexpr GridOption kGridOptions[] = {{12, FALSE}, {25, TRUE},  {kOptionAutoCalc, FALSE},
                                       {21, TRUE},  {26, FALSE}, {13, TRUE},
                                       {32, TRUE},  {18, TRUE},  {0, TRUE},
                                       {11, TRUE},  {10, FALSE}, {22, TRUE}};

}  // namespace

StringArrayGridDialog::StringArrayGridDialog(CWnd* parent) : CAcUiDialog(kTemplateId, parent) {}

BOOL StringArrayGridDialog::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    grid.attachToDlgItem(this, kGridPlaceholder, false);
    grid.setStandardLayout(1);
    grid.setFitPolicy(1, 0, 0);
    placeControls();
    labelControls();
    setUpGrid();
    fillGrid();
    return TRUE;
}

void StringArrayGridDialog::placeControls() {
    SIZE stored{};
    if (getDlgSize(name, stored)) minimumTrackSize = stored;
    layout.registerChildren(m_hWnd);
    layout.setControlFlags(kGridPlaceholder, 6, 6);
    layout.setControlFlags(IDOK, 3, 5);
    layout.setControlFlags(IDCANCEL, 3, 5);
    layout.setControlFlags(kAddButton, 5, 5);
    layout.setControlFlags(kRemoveButton, 5, 5);
    ChangeDlgSize(this, name);
}

void StringArrayGridDialog::labelControls() {
    SetWindowText(title.c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    SetDlgItemText(kAddButton, dialString(606).c_str());
    SetDlgItemText(kRemoveButton, dialString(607).c_str());
    if (!editable) {
        EnDisCtrl(this, kAddButton, false);
        EnDisCtrl(this, kRemoveButton, false);
    }
}

void StringArrayGridDialog::setTableFont(int c1, int r1, int c2, int r2) {
    grid.setRangeFont(c1, r1, c2, r2, kTableFace, kTableFontHeight, false, false);
}

void StringArrayGridDialog::setUpGrid() {
    grid.SetBool(kOptionRedraw, FALSE);
    for (const GridOption& option : kGridOptions) grid.SetBool(option.index, option.on);
    grid.SetOperationMode(5);
    grid.SetUserResize(1, -1);
    grid.SetHeaderColors(0xC0C0C0, 0x8000000B);
    grid.setMaxCols(columnHeaders.length(), false);
    grid.SetBool(kOptionRowHeaderShown, !rowHeaders.isEmpty());
    grid.setMaxRows(rows.length(), false);
    const int cols = columnHeaders.length();
    if (cols > 0) setTableFont(1, SS_HEADER, cols, SS_HEADER);
    if (!rows.isEmpty()) setTableFont(SS_HEADER, 1, SS_HEADER, rows.length());
    if (cols > 0 && !rows.isEmpty()) setTableFont(1, 1, cols, rows.length());
    grid.fitColumnsEqually(false, -1);
    grid.SetBool(kOptionRedraw, TRUE);
}

void StringArrayGridDialog::fillGrid() {
    for (int i = 0; i < columnHeaders.length(); ++i)
        grid.SetData(i + 1, SS_HEADER, columnHeaders[i].c_str());
    for (int i = 0; i < rowHeaders.length(); ++i)
        grid.SetData(SS_HEADER, i + 1, rowHeaders[i].c_str());
    if (rows.isEmpty()) return;
    grid.setEditCells(1, 1, rows[0].length(), rows.length());
    for (int i = 0; i < rows.length(); ++i)
        for (int j = 0; j < rows[i].length(); ++j) grid.setCellData(j + 1, i + 1, rows[i][j]);
}

BOOL StringArrayGridDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kAddButton) {
        addRow();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kRemoveButton) {
        removeRow();
        return TRUE;
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

void StringArrayGridDialog::addRow() {
    int col = 1, row = 0;
    grid.GetActiveCell(&col, &row);
    if (row < 0) row = 0;
    if (col < 1) col = 1;
    grid.SetMaxRows(grid.GetMaxRows() + 1);
    grid.InsRow(row + 1);
    if (grid.GetMaxCols() > 0) setTableFont(1, row + 1, grid.GetMaxCols(), row + 1);
    grid.SetFocus();
    grid.SetActiveCell(col, row + 1);
}

void StringArrayGridDialog::removeRow() {
    if (grid.GetMaxRows() < 1) return;
    int col = 1, row = 1;
    grid.GetActiveCell(&col, &row);
    grid.DelRow(row);
    grid.SetFocus();
    grid.SetMaxRows(grid.GetMaxRows() - 1);
    grid.SetActiveCell(col, row);
    const int length = grid.GetDataLen(col, row);
    if (length >= 0) grid.SetEditSel(length, length);
}

void StringArrayGridDialog::OnOK() {
    Mdx_Array<Mdx_StringArray> edited;
    const int cols = grid.GetMaxCols();
    const int count = grid.GetMaxRows();
    for (int row = 1; row <= count; ++row) {
        Mdx_StringArray texts;
        for (int col = 1; col <= cols; ++col) {
            Mdx_String text;
            grid.getCellText(col, row, text, kTextData);
            texts.append(text);
        }
        edited.append(texts);
    }
    if (!acceptRows(edited)) return;
    rows = edited;
    CAcUiDialog::OnOK();
}

void StringArrayGridDialog::OnSize(UINT type, int cx, int cy) {
    CAcUiDialog::OnSize(type, cx, cy);
    layout.applyLayout();
}

void StringArrayGridDialog::OnGetMinMaxInfo(MINMAXINFO* info) {
    CAcUiDialog::OnGetMinMaxInfo(info);
    info->ptMinTrackSize = {minimumTrackSize.cx, minimumTrackSize.cy};
}

void StringArrayGridDialog::OnDestroy() {
    WriteDlgSize(this, name);
    CAcUiDialog::OnDestroy();
}

bool startGridDialog(const Mdx_StringArray& headers, const Mdx_StringArray& second,
                     Mdx_Array<Mdx_StringArray>& rows, bool flag, Mdx_String name,
                     Mdx_String title) {
    KvTempResourceOverride resources;
    if (headers.isEmpty()) return false;
    if (name.isEmpty()) name = kDefaultSizeKey;
    StringArrayGridDialog dialog;
    dialog.editable = flag;
    dialog.name = name;
    dialog.title = title;
    dialog.columnHeaders = headers;
    dialog.rowHeaders = second;
    dialog.rows = rows;
    if (dialog.DoModal() != IDOK) return false;
    rows = dialog.rows;
    return true;
}
