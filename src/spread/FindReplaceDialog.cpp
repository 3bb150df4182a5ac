#include "spread/FindReplaceDialog.h"

#include <string>

#include "core/DialogHelpers.h"
#include "core/Texts.h"
#include "resources/resource.h"
#include "spread/Mdx_Spread.h"
#include "win/MessageBox.h"

namespace {

const char* const kSizeKey = "DLG_FINDREPLACE";
constexpr int kSelectOption = 13;
constexpr int kHiddenOption = 20;

}  // namespace

BOOL FindReplaceDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(1136).c_str());
    SetDlgItemText(IDC_FIND_LABEL, dialString(1137).c_str());
    SetDlgItemText(IDC_REPLACE_LABEL, dialString(1138).c_str());
    SetDlgItemText(IDOK, dialString(1139).c_str());
    SetDlgItemText(IDC_REPLACE, dialString(1140).c_str());
    SetDlgItemText(IDC_REPLACE_ALL, dialString(1141).c_str());
    SetDlgItemText(IDCANCEL, dialString(285).c_str());
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ChangeDlgSize(this, kSizeKey);
    return TRUE;
}

void FindReplaceDialog::setSheetWindow(HWND sheet) {
    m_sheetWindow = sheet;
    m_option13WasOn = SSGetBool(sheet, kSelectOption) != FALSE;
    SSSetBool(sheet, kSelectOption, TRUE);
    SSSetBool(sheet, kHiddenOption, FALSE);
}

Mdx_Spread* FindReplaceDialog::sheet() const {
    if (!m_sheetWindow || !::IsWindow(m_sheetWindow)) return nullptr;
    return dynamic_cast<Mdx_Spread*>(CWnd::FromHandlePermanent(m_sheetWindow));
}

Mdx_String FindReplaceDialog::itemText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Mdx_String(text);
}

// The default button searches instead of closing.
void FindReplaceDialog::OnOK() {
    findNextMatch(true);
}

// Closing keeps the size for next time and gives the sheet its selection option back; the
// sheet releases the dialog object once the window is gone.
void FindReplaceDialog::OnCancel() {
    WriteDlgSize(this, kSizeKey);
    if (!m_option13WasOn && m_sheetWindow && ::IsWindow(m_sheetWindow))
        SSSetBool(m_sheetWindow, kSelectOption, FALSE);
    DestroyWindow();
}

BOOL FindReplaceDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
            case IDC_REPLACE:
                replaceNextMatch(true);
                return TRUE;
            case IDC_REPLACE_ALL:
                replaceAllMatches();
                return TRUE;
            default:
                break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL FindReplaceDialog::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN) {
        if (msg->wParam == VK_F3) {
            findNextMatch(true);
            return TRUE;
        }
        if (msg->wParam == VK_F5) {
            replaceNextMatch(true);
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

bool FindReplaceDialog::selectFirstFrom(Mdx_Spread& sheet, const Mdx_String& text, int col,
                                        int row) {
    int foundCol = 0, foundRow = 0;
    if (!sheet.findNext(text, true, col, row, foundCol, foundRow)) return false;
    return sheet.selectFoundText(text, foundCol, foundRow, 0);
}

bool FindReplaceDialog::findNextMatch(bool askWrap) {
    Mdx_Spread* target = sheet();
    if (!target) return false;
    const Mdx_String text = itemText(IDC_FIND_TEXT);
    target->SetFocus();
    int col = 0, row = 0;
    target->getActiveCell(col, row);

    if (target->isEditing()) {
        int start = 0, end = 0;
        target->getEditSelection(start, end);
        if (target->selectFoundText(text, col, row, end)) return true;
        ++col;
    }
    if (selectFirstFrom(*target, text, col, row)) return true;
    if (!askWrap) return false;

    Mdx_String question = dialString(1142);
    question += '\n';
    question += dialString(1143);
    question += '\n';
    const int answer = ::MessageBox(m_hWnd, question.c_str(), dialString(1144).c_str(),
                                    MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES) return false;
    if (selectFirstFrom(*target, text, 1, 1)) return true;
    ::MessageBox(m_hWnd, dialString(1145).c_str(), dialString(1146).c_str(), MB_OK);
    return false;
}

// Only text that the search has just selected is replaced: when nothing more is found, the
// selection left in the cell editor is not a match and stays as it is.
bool FindReplaceDialog::replaceNextMatch(bool askWrap) {
    Mdx_Spread* target = sheet();
    if (!target) return false;
    const Mdx_String replacement = itemText(IDC_REPLACE_TEXT);
    target->SetFocus();
    if (!findNextMatch(askWrap)) return false;

    int col = 0, row = 0;
    target->getActiveCell(col, row);
    target->SetFocus();
    int start = 0, end = 0;
    if (!target->getEditSelection(start, end) || start >= end) return false;

    Mdx_String text;
    target->getCellText(col, row, text, kTextValue);
    text.remove(start, end - start);
    text.insert(start, replacement);
    if (!target->setCellData(col, row, text)) return false;

    target->markChanged();
    target->SetFocus();
    target->SetActiveCell(col, row);
    if (!target->isEditing()) target->SetEditMode(TRUE);
    target->SetEditSel(start + 1, end);
    return true;
}

void FindReplaceDialog::replaceAllMatches() {
    Mdx_Spread* target = sheet();
    if (!target) return;
    const Mdx_String text = itemText(IDC_FIND_TEXT);
    const Mdx_String replacement = itemText(IDC_REPLACE_TEXT);
    int count = 0;
    int col = 1, row = 1;
    int foundCol = 0, foundRow = 0;
    while (target->findNext(text, true, col, row, foundCol, foundRow)) {
        if (target->replaceInCell(foundCol, foundRow, text, replacement)) ++count;
        col = foundCol + 1;
        row = foundRow;
    }
    Mdx_String report = dialString(1147);
    report += ' ';
    report.append(count);
    report += ' ';
    report += dialString(1148);
    ::MessageBox(m_hWnd, report.c_str(), dialString(1149).c_str(), MB_OK);
    target->markChanged();
}
