#include "standards/MacroListPage.h"

#include <algorithm>

#include "core/Texts.h"
#include "win/WinMessages.h"

MacroListPage::MacroListPage(UINT templateId, MacroSettings& edited,
                             std::vector<Mdx_StringArray MacroSettings::*> lists,
                             std::vector<int> headerTexts)
    : MacroSettingsPage(templateId, edited),
      lists_(std::move(lists)),
      headerTexts_(std::move(headerTexts)) {}

BOOL MacroListPage::OnInitDialog() {
    MacroSettingsPage::OnInitDialog();
    SetDlgItemText(kAdd, dialString(606).c_str());
    SetDlgItemText(kRemove, dialString(607).c_str());
    if (!grid.attachToDlgItem(this, kGrid, true)) return TRUE;
    grid.setStandardLayout(1);
    grid.SetBool(kOptionRowHeaderShown, FALSE);
    const int columns = static_cast<int>(lists_.size());
    int rows = 1;  // an empty list still shows one row to type into
    for (auto list : lists_) rows = std::max(rows, (settings.*list).length());
    grid.setMaxCols(columns, false);
    grid.setMaxRows(rows, false);
    Mdx_StringArray headers;
    for (int text : headerTexts_) headers.append(dialString(text));
    grid.setColumnHeaders(headers);
    for (int i = 0; i < columns; ++i) grid.setColumnTexts(i + 1, settings.*lists_[i], false);
    grid.setEditCells(1, 1, columns, rows);
    grid.fitColumnsEqually(false, 0);
    return TRUE;
}

BOOL MacroListPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kAdd) {
        grid.insertRowAt(std::max(1, grid.getCurrentRow()), false, false);
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kRemove) {
        grid.deleteCurrentRow();
        return TRUE;
    }
    return MacroSettingsPage::OnCommand(wParam, lParam);
}

bool MacroListPage::storeSettings() {
    if (!grid.isAttached()) return true;
    const int columns = static_cast<int>(lists_.size());
    std::vector<Mdx_StringArray> read(lists_.size());
    for (int i = 0; i < columns; ++i) grid.getColumnTexts(i + 1, read[i], kTextData);
    for (auto list : lists_) (settings.*list).setEmpty();
    for (int row = 0; row < grid.getMaxRows(); ++row) {
        // A row without a name (first column) is no entry.
        if (!read[0].isValidIndex(row) || read[0][row].isEmpty()) continue;
        for (int i = 0; i < columns; ++i)
            (settings.*lists_[i]).append(read[i].isValidIndex(row) ? read[i][row] : "");
    }
    return true;
}
