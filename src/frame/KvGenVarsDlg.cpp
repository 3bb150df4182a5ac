#include "frame/KvGenVarsDlg.h"

#include <algorithm>

#include "core/DialogHelpers.h"
#include "core/FileDialogs.h"
#include "core/Mdx_Settings.h"
#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "grid/GridNotifications.h"
#include "win/WinMessages.h"

namespace {

constexpr const char* kSizeKey = "DLG_GENVARS";
constexpr int kButtonColumnWidth = 16;
constexpr int kFitOneFixedColumn = 4;

using A = KvAutoStandardsData;

struct ControlText {
    int id;
    int text;
};
constexpr ControlText kTexts[] = {{1437, 1762}, {1445, 1763}, {1435, 606}, {1443, 606},
                                  {1436, 607},  {1442, 607},  {IDOK, 1},   {IDCANCEL, 2}};

constexpr CResizer::Anchor L = CResizer::eLeft, R = CResizer::eRight, C = CResizer::eCenter;
constexpr CResizer::Anchor T = CResizer::eTop, B = CResizer::eBottom;
// The drawings' half above the middle, the standards' half below it; buttons keep to the
// right edge.
const CResizer::CBorderInfo kAnchors[] = {
    {1437, L, T, R, C}, {1434, L, T, R, C}, {1435, R, T, R, T}, {1436, R, T, R, T},
    {1438, R, T, R, T}, {1439, R, T, R, T}, {1445, L, C, R, B}, {1444, L, C, R, B},
    {1443, R, C, R, C}, {1442, R, C, R, C}, {1440, R, C, R, C}, {1441, R, C, R, C},
    {IDOK, R, B, R, B}, {IDCANCEL, R, B, R, B}};

void setIconButton(CButtonST& button, CWnd* dialog, int id, int icon, int tooltip) {
    if (!button.SubclassDlgItem(static_cast<UINT>(id), dialog)) return;
    button.SetIcon(icon);
    button.SetTooltipText(tooltip);
}

// A row the user left empty in every column is no variable.
bool isEmptyRow(const std::vector<Mdx_StringArray>& columns, int row) {
    return std::all_of(columns.begin(), columns.end(), [row](const Mdx_StringArray& column) {
        return !column.isValidIndex(row) || column[row].isEmpty();
    });
}

}  // namespace

KvGenVarsDlg::KvGenVarsDlg()
    : RecordDialog<KvAutoStandardsData>(kTemplateId),
      drawings{1434,
               1435,
               1436,
               1438,
               1439,
               {347, 86, 1543},
               {&A::dwgGenVars, &A::dwgGenValues, &A::dwgGenFilters},
               {},
               {},
               {}},
      standards{1444,
                1443,
                1442,
                1440,
                1441,
                {347, 86, 1765, 1543},
                {&A::stdGenVars, &A::stdGenValues, &A::stdGenOverrides, &A::stdGenFilters},
                {},
                {},
                {}} {}

BOOL KvGenVarsDlg::OnInitDialog() {
    RecordDialog<KvAutoStandardsData>::OnInitDialog();
    getDlgSize(this, minimumTrackSize_);
    labelControls();
    for (GenVarsGrid* grid : {&drawings, &standards}) {
        setUpGrid(*grid);
        fillGrid(*grid);
    }
    resizer_.Init(m_hWnd, kAnchors, static_cast<int>(std::size(kAnchors)));
    ChangeDlgSize(this, kSizeKey);
    resizer_.Move();
    resizer_.setMinimumTrackSize(minimumTrackSize_);
    return TRUE;
}

void KvGenVarsDlg::labelControls() {
    SetWindowText(dialString(1764).c_str());
    for (const ControlText& entry : kTexts)
        SetDlgItemText(entry.id, dialString(entry.text).c_str());
    for (GenVarsGrid* grid : {&drawings, &standards}) {
        setIconButton(grid->upButton, this, grid->up, 257, 173);
        setIconButton(grid->downButton, this, grid->down, 258, 174);
    }
}

void KvGenVarsDlg::setUpGrid(GenVarsGrid& grid) {
    grid.sheet.attachToDlgItem(this, grid.placeholder, false);
    grid.sheet.setStandardLayout(1);
    grid.sheet.setFitPolicy(kFitOneFixedColumn, grid.buttonColumn(), kButtonColumnWidth);
    grid.sheet.SetBool(kOptionRowHeaderShown, FALSE);
    grid.sheet.setMaxCols(grid.buttonColumn(), false);
    Mdx_StringArray headers;
    for (int text : grid.headerTexts) headers.append(dialString(text));
    headers.append(" ");  // the column of "..." buttons has no title
    grid.sheet.setColumnHeaders(headers);
}

void KvGenVarsDlg::fillGrid(GenVarsGrid& grid) {
    int rows = 1;  // an empty list still shows one row to type into
    for (auto list : grid.lists) rows = std::max(rows, (data.*list).length());
    grid.sheet.setMaxRows(rows, false);
    for (std::size_t i = 0; i < grid.lists.size(); ++i)
        grid.sheet.setColumnTexts(static_cast<int>(i) + 1, data.*grid.lists[i], false);
    grid.sheet.setEditCells(1, 1, static_cast<int>(grid.lists.size()), rows);
    grid.sheet.setButtonColumn(grid.buttonColumn(), "...", false);
    grid.sheet.applyFitPolicy();
}

void KvGenVarsDlg::readBack(GenVarsGrid& grid) {
    std::vector<Mdx_StringArray> columns(grid.lists.size());
    for (std::size_t i = 0; i < columns.size(); ++i)
        grid.sheet.getColumnTexts(static_cast<int>(i) + 1, columns[i], kTextData);
    for (auto list : grid.lists) (data.*list).setEmpty();
    const int rows = grid.sheet.getMaxRows();
    for (int row = 0; row < rows; ++row) {
        if (isEmptyRow(columns, row)) continue;
        for (std::size_t i = 0; i < columns.size(); ++i)
            (data.*grid.lists[i]).append(columns[i].isValidIndex(row) ? columns[i][row] : "");
    }
}

bool KvGenVarsDlg::editRows(GenVarsGrid& grid, int buttonId) {
    Mdx_Spread& sheet = grid.sheet;
    if (buttonId == grid.add)
        sheet.insertRowAt(sheet.getCurrentRow(), false, false);
    else if (buttonId == grid.remove)
        sheet.deleteCurrentRow();
    else if (buttonId == grid.up)
        sheet.moveCurrentRowUp();
    else if (buttonId == grid.down)
        sheet.moveCurrentRowDown();
    else
        return false;
    sheet.setButtonColumn(grid.buttonColumn(), "...", false);
    return true;
}

BOOL KvGenVarsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED)
        for (GenVarsGrid* grid : {&drawings, &standards})
            if (editRows(*grid, LOWORD(wParam))) return TRUE;
    return RecordDialog<KvAutoStandardsData>::OnCommand(wParam, lParam);
}

void KvGenVarsDlg::chooseDrawings(GenVarsGrid& grid, int row) {
    const Mdx_String folder = gSettings.libDir() + "Macros\\";
    Mdx_StringArray chosen;
    if (!DlgOpenMulti("dwg", "AutoCAD Drawing", folder,
                      "Select the drawings and folders that apply to this general variable",
                      chosen, this))
        return;
    Mdx_String filter;
    grid.sheet.getCellText(grid.filterColumn(), row, filter, kTextData);
    Mdx_StringArray parts;
    if (!filter.isEmpty()) strToArr(filter, parts, ";");
    for (const Mdx_String& path : chosen)
        if (path.startsWith(folder, false) && path.length() > folder.length())
            parts.append(path.mid(folder.length()));
    Mdx_String joined;
    for (int i = 0; i < parts.length(); ++i) joined += (i > 0 ? ";" : "") + parts[i];
    grid.sheet.setCellData(grid.filterColumn(), row, joined);
}

LRESULT KvGenVarsDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == grid::kGridButtonClicked && lParam) {
        const grid::GridNotice& notice = grid::gridNotice(lParam);
        for (GenVarsGrid* grid : {&drawings, &standards})
            if (static_cast<int>(wParam) == grid->placeholder &&
                notice.column == grid->buttonColumn()) {
                chooseDrawings(*grid, notice.row);
                return 0;
            }
    }
    return RecordDialog<KvAutoStandardsData>::WindowProc(message, wParam, lParam);
}

void KvGenVarsDlg::OnSize(UINT type, int cx, int cy) {
    RecordDialog<KvAutoStandardsData>::OnSize(type, cx, cy);
    resizer_.Move();
}

void KvGenVarsDlg::OnOK() {
    readBack(drawings);
    readBack(standards);
    RecordDialog<KvAutoStandardsData>::OnOK();
}

void KvGenVarsDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    RecordDialog<KvAutoStandardsData>::OnGetMinMaxInfo(info);
    resizer_.OnGetMinMaxInfo(info);
}

void KvGenVarsDlg::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    RecordDialog<KvAutoStandardsData>::OnDestroy();
}
