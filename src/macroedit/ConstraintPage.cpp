#include "macroedit/ConstraintPage.h"

#include "core/DialogHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "core/macro/MacroEditing.h"
#include "grid/GridNotifications.h"
#include "host/CommandLine.h"
#include "macroedit/EscapeGuard.h"
#include "macroedit/KvEditConstraintsDlg.h"
#include "macroedit/MacroCutsLaunch.h"
#include "resources/macroedit_ids.h"
#include "win/CMenu.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

const char* const kRadioBreak = "%radioBreak%";

struct Anchor {
    int id, horizontal, vertical;
};
constexpr Anchor kAnchors[] = {
    {ConstraintPage::kGrid, 6, 6}, {1081, 6, 5},  {1123, 3, 5}, {ConstraintPage::kVariable, 6, 5},
    {1122, 5, 5},                  {ConstraintPage::kValue, 5, 5}, {1015, 3, 5},
    {ConstraintPage::kChoice, 6, 5}, {ConstraintPage::kEditCut, 6, 5},
    {ConstraintPage::kCheck1, 5, 5}, {ConstraintPage::kCheck2, 5, 5},
    {ConstraintPage::kDelete, 5, 5}};

bool applies(const ConstraintRow& row, int editor) {
    for (int i = 0; i < row.editors.length(); ++i)
        if (row.editors[i] == editor) return true;
    return false;
}

Mdx_String text(CWnd* page, int id) {
    char buffer[512] = {};
    page->GetDlgItemText(id, buffer, sizeof buffer);
    return Mdx_String(buffer);
}

}  // namespace

ConstraintPage::ConstraintPage(KvEditConstraintsDlg& editor)
    : EditorPage(IDD_EDIT_CONSTRAINTS_PAGE, editor) {}

ConstraintTable& ConstraintPage::table() {
    return *editor_.data.constraints;
}

BOOL ConstraintPage::OnInitDialog() {
    EditorPage::OnInitDialog();
    SetWindowText("Regels editeren");
    SetDlgItemText(1122, dialString(880).c_str());
    SetDlgItemText(1123, dialString(221).c_str());
    SetDlgItemText(1015, dialString(228).c_str());
    SetDlgItemText(kCheck1, dialString(881).c_str());
    SetDlgItemText(kCheck2, dialString(1328).c_str());
    SetDlgItemText(kEditCut, dialString(862).c_str());
    SetDlgItemText(1081, dialString(879).c_str());
    delete_.SubclassDlgItem(kDelete, this);
    delete_.SetIcon(206);
    delete_.SetTooltipText(882);
    for (int i = 0; i < 5; ++i) {
        options_[i].SubclassDlgItem(kOptions[i], this);
        options_[i].SetTooltipText(Mdx_String::format("Enum %d", i + 1));
        options_[i].SetFlat(true, false);
        options_[i].DrawFlatFocus(true, false);
    }
    layout_.registerChildren(m_hWnd);
    for (const Anchor& anchor : kAnchors)
        layout_.setControlFlags(anchor.id, anchor.horizontal, anchor.vertical);
    for (int id : kOptions) layout_.setControlFlags(id, 3, 5);
    if (grid.attachToDlgItem(this, kGrid, true)) {
        grid.setStandardLayout(1);
        buildGrid();
    }
    initialised_ = true;
    return TRUE;
}

void ConstraintPage::OnSize(UINT type, int cx, int cy) {
    EditorPage::OnSize(type, cx, cy);
    layout_.applyLayout();
}

void ConstraintPage::refresh() {
    if (grid.isAttached()) buildGrid();
}

void ConstraintPage::leave() {
    UnHighlightConstraints();
}

void ConstraintPage::buildGrid() {
    const ConstraintTable& rows = table();
    const int count = rows.rows.length();
    const int columns = count > 0 ? rows.rows[0].cells.length() : 4;
    const int before = grid.getMaxRows();
    grid.setMaxCols(columns, false);
    grid.setMaxRows(count, false);
    Mdx_String first = string(2333);
    Mdx_String second = first;
    grid.setColumnHeaders({dialString(87), dialString(883), first.append(1), second.append(2)});
    for (int r = 0; r < count; ++r) {
        grid.setRowTexts(r + 1, rows.rows[r].cells, false);
        if (r + 1 > before) {
            grid.setFontFace("Tahoma");
            grid.setFontHeight(15);
            grid.applyRowFont(r + 1, false);
        }
    }
    for (int c = 1; c <= columns; ++c) grid.lockColumn(c);
    grid.fitColumnsEqually(false, 0);
    current_ = -1;
    showRow(rows.selectedRow);
}

void ConstraintPage::clearEditors() {
    for (int id : {kValue, kVariable}) {
        SetDlgItemText(id, "");
        EnDisCtrl(this, id, false);
    }
    FillCombo(this, kChoice, Mdx_StringArray());
    EnDisCtrl(this, kChoice, false);
    for (int id : {kCheck1, kCheck2}) {
        CheckDlgButton(id, BST_UNCHECKED);
        EnDisCtrl(this, id, false);
    }
    for (CButtonST& option : options_) {
        option.SetCheck(BST_UNCHECKED);
        option.ShowWindow(SW_HIDE);
    }
    buttonsInUse_ = 0;
    secondGroupStart_ = -1;
    EnDisCtrl(this, kEditCut, false);
    EnDisCtrl(this, kDelete, table().rows.length() > 0);
}

// Images are placed on the buttons in order; the buttons before the break form group 1 and
// show the row's first selection, those after it group 2 with the second.
void ConstraintPage::showOptions(const ConstraintRow& row) {
    const Mdx_String folder = gSettings.mdxDir() + "icons\\";
    int group = 0;
    int inGroup = 0;
    for (const Mdx_String& image : row.images) {
        if (image == kRadioBreak) {
            if (secondGroupStart_ < 0) secondGroupStart_ = buttonsInUse_;
            ++group;
            inGroup = 0;
            continue;
        }
        if (buttonsInUse_ >= 5 || group > 1) break;
        CButtonST& button = options_[buttonsInUse_];
        button.SetBitmapFile(folder + image, RGB(255, 0, 255));
        button.ShowWindow(SW_SHOW);
        ++inGroup;
        const bool chosen = group < row.radioSelections.length() &&
                            row.radioSelections[group] == inGroup;
        button.SetCheck(chosen ? BST_CHECKED : BST_UNCHECKED);
        ++buttonsInUse_;
    }
}

void ConstraintPage::showRow(int row) {
    if (row == current_ && table().rows.isValidIndex(row)) return;
    clearEditors();
    if (!table().rows.isValidIndex(row)) {
        current_ = -1;
        return;
    }
    const ConstraintRow& shown = table().rows[row];
    EnDisCtrl(this, kEditCut, shown.cutEditable == 1);
    if (applies(shown, kEditorValue)) {
        EnDisCtrl(this, kValue, true);
        SetDlgItemText(kValue, shown.valueText.c_str());
    }
    if (applies(shown, kEditorVariable)) {
        EnDisCtrl(this, kVariable, true);
        SetDlgItemText(kVariable, shown.variableName.c_str());
    }
    if (applies(shown, kEditorChoice)) {
        EnDisCtrl(this, kChoice, true);
        FillCombo(this, kChoice, shown.choices, shown.choice);
    }
    if (applies(shown, kEditorChecks)) {
        EnDisCtrl(this, kCheck1, true);
        CheckDlgButton(kCheck1, shown.check1 ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(kCheck2, shown.check2 ? BST_CHECKED : BST_UNCHECKED);
        EnDisCtrl(this, kCheck2, shown.check1 != 0);
    }
    showOptions(shown);
    current_ = row;
    // Kept with the table, so the rule stays shown when the table is built again (another
    // page shown, a tool run).
    table().selectedRow = row;
    escape_guard::start();
    grid.selectRange(1, row + 1, 1, row + 1);
}

AcArray<int> ConstraintPage::radioSelections() const {
    AcArray<int> selections;
    const int groups = buttonsInUse_ == 0 ? 0 : (secondGroupStart_ < 0 ? 1 : 2);
    for (int g = 0; g < groups; ++g) {
        const int first = g == 0 ? 0 : secondGroupStart_;
        const int last = g == 0 && secondGroupStart_ >= 0 ? secondGroupStart_ : buttonsInUse_;
        int chosen = 0;
        for (int b = first; b < last; ++b)
            if (options_[b].GetCheck() == BST_CHECKED) chosen = b - first + 1;
        selections.append(chosen);
    }
    return selections;
}

// A radio array of another length than the stored one cannot be the row's: it is reported
// and left as stored, while the row's other edits are still written.
void ConstraintPage::saveCurrentRow() {
    if (!table().rows.isValidIndex(current_)) return;
    const ConstraintRow& stored = table().rows[current_];
    ConstraintRow edited = stored;
    if (applies(stored, kEditorValue)) edited.valueText = text(this, kValue);
    if (applies(stored, kEditorVariable)) edited.variableName = text(this, kVariable);
    if (applies(stored, kEditorChoice))
        edited.choice = static_cast<int>(SendDlgItemMessage(kChoice, CB_GETCURSEL, 0, 0));
    if (applies(stored, kEditorChecks)) {
        edited.check1 = IsDlgButtonChecked(kCheck1) == BST_CHECKED ? 1 : 0;
        edited.check2 = IsDlgButtonChecked(kCheck2) == BST_CHECKED ? 1 : 0;
    }
    const AcArray<int> radio = radioSelections();
    if (radio.length() != stored.radioSelections.length())
        acutPrintf("*Error* Array size mismatch.\n");
    else
        edited.radioSelections = radio;
    const bool differs = edited.valueText != stored.valueText ||
                         edited.variableName != stored.variableName ||
                         edited.choice != stored.choice || edited.check1 != stored.check1 ||
                         edited.check2 != stored.check2 ||
                         !(edited.radioSelections == stored.radioSelections);
    if (!differs) return;
    table().rows[current_] = edited;
    UpdateConstraint(table(), current_);
}

void ConstraintPage::clickOption(int button) {
    if (button >= buttonsInUse_) return;
    const bool inSecond = secondGroupStart_ >= 0 && button >= secondGroupStart_;
    const int first = inSecond ? secondGroupStart_ : 0;
    const int last = inSecond || secondGroupStart_ < 0 ? buttonsInUse_ : secondGroupStart_;
    for (int b = first; b < last; ++b)
        options_[b].SetCheck(b == button ? BST_CHECKED : BST_UNCHECKED);
}

// A rejected name goes back to the stored one, so that saving the row cannot write it.
void ConstraintPage::checkVariableName() {
    if (!table().rows.isValidIndex(current_)) return;
    const ConstraintRow& stored = table().rows[current_];
    Mdx_String name = text(this, kVariable);
    if (!applies(stored, kEditorVariable) || name == stored.variableName || name.isEmpty()) return;
    bool inUse = false;
    VarNameInUse(table(), name, inUse);
    Mdx_String message;
    int title = 884;
    if (inUse) {
        title = 856;
        message = Mdx_String("\"") + name + "\"\n" + dialString(857) + ".\n" + dialString(858);
    } else if (hasOnlyLettersNumbers(name) && startsWithNumber(name)) {
        message = Mdx_String("\"") + name + "\"\n" + dialString(885) + ".\n" + dialString(886) + ".\n" +
                  dialString(887) + ".\n\n" + dialString(888);
    } else if (!hasOnlyLettersNumbers(name)) {
        message = Mdx_String("\"") + name + "\"\n" + dialString(1455) + ".\n" + dialString(1456) + ".\n\n" +
                  dialString(888);
    } else {
        return;
    }
    MessageBox(message.c_str(), dialString(title).c_str(), MB_OK | MB_ICONEXCLAMATION);
    SetDlgItemText(kVariable, stored.variableName.c_str());
}

void ConstraintPage::rowClicked(int row) {
    if (!initialised_ || !table().rows.isValidIndex(row) || row == current_) return;
    saveCurrentRow();
    showRow(row);
    grid.SetFocus();
}

void ConstraintPage::headerClicked(int column) {
    if (column < 1 || column > 4 || column == sortColumn_) return;
    const int second = sortColumn_ == 0 ? (column == 4 ? 1 : column + 1) : sortColumn_;
    saveCurrentRow();
    if (!SortConstraints(table(), column, second)) return;
    sortColumn_ = column;
    secondColumn_ = second;
    buildGrid();
}

void ConstraintPage::contextMenu(int row) {
    if (!table().rows.isValidIndex(row)) return;
    escape_guard::start();
    if (row != current_) {
        saveCurrentRow();
        showRow(row);
    }
    Mdx_StringArray items;
    AcArray<int> checked;
    if (!ConstrContextMenu(table(), row, items, checked)) return;
    HMENU menu = ::CreatePopupMenu();
    int entry = 0;
    for (const Mdx_String& item : items) {
        if (item == "%BREAK%") {
            ::AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        if (entry >= 6) break;
        UINT flags = MF_STRING;
        for (int i = 0; i < checked.length(); ++i)
            if (checked[i] == entry) flags |= MF_CHECKED;
        ::AppendMenu(menu, flags, static_cast<UINT_PTR>(kMenuIds[entry]), item.c_str());
        ++entry;
    }
    POINT at{};
    ::GetCursorPos(&at);
    const UINT chosen = static_cast<UINT>(
        ::TrackPopupMenu(menu, TPM_RETURNCMD, at.x, at.y, 0, m_hWnd, nullptr));
    ::DestroyMenu(menu);
    for (int i = 0; i < 6; ++i)
        if (chosen == static_cast<UINT>(kMenuIds[i])) {
            const int shown = current_;
            editor_.editorCommand([&] { return ContextMenuAction(table(), shown, i); });
            buildGrid();
        }
}

void ConstraintPage::deleteRow() {
    const int deleted = current_;
    if (!DeleteConstraint(table(), deleted)) return;
    table().selectedRow = table().rows.isValidIndex(deleted - 1) ? deleted - 1 : 0;
    buildGrid();
}

void ConstraintPage::editCut() {
    if (!table().rows.isValidIndex(current_)) return;
    const ConstraintRow& row = table().rows[current_];
    bool swallow = false;
    StartEditMacroCutDlg(table().source, row.cutName, row.valueText, swallow);
    editor_.swallowNextEscape = swallow;
}

BOOL ConstraintPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == kVariable && code == EN_KILLFOCUS) {
        checkVariableName();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        for (int b = 0; b < 5; ++b)
            if (id == kOptions[b]) return clickOption(b), TRUE;
        if (id == kCheck1) {
            EnDisCtrl(this, kCheck2, IsDlgButtonChecked(kCheck1) == BST_CHECKED);
            return TRUE;
        }
        if (id == kDelete) return deleteRow(), TRUE;
        if (id == kEditCut) return editCut(), TRUE;
    }
    return EditorPage::OnCommand(wParam, lParam);
}

LRESULT ConstraintPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (lParam && static_cast<int>(wParam) == kGrid) {
        const grid::GridNotice& notice = grid::gridNotice(lParam);
        if (message == grid::kGridClick && notice.row == 0) {
            headerClicked(notice.column);
            return 0;
        }
        if (message == grid::kGridClick && notice.row > 0) {
            rowClicked(notice.row - 1);
            return 0;
        }
        if (message == grid::kGridRightClick && notice.row > 0 && notice.column >= 1 &&
            notice.column <= 3) {
            contextMenu(notice.row - 1);
            return 0;
        }
    }
    return EditorPage::WindowProc(message, wParam, lParam);
}
