#include "host/CAdUiBaseDialog.h"

#include "host/MainWindow.h"

namespace {

int begunCount = 0;
int completedCount = 0;

CWnd* mainWindowObject() {
    return CWnd::FromHandle(adsw_acadMainWnd());
}

HWND topLevelOf(HWND hwnd) {
    while (hwnd && (GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD)) hwnd = GetParent(hwnd);
    return hwnd;
}

}  // namespace

CAdUiBaseDialog::CAdUiBaseDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

INT_PTR CAdUiBaseDialog::DoModal() {
    if (m_pParentWnd == nullptr) m_pParentWnd = mainWindowObject();
    return CDialog::DoModal();
}

BOOL CAdUiBaseDialog::Create(UINT templateId, CWnd* parent) {
    return CDialog::Create(templateId, parent ? parent : mainWindowObject());
}

void CAdUiBaseDialog::BeginEditorCommand() {
    if (m_inEditorCommand || m_hWnd == nullptr) return;
    m_inEditorCommand = true;
    ++begunCount;
    m_visibleBeforeCommand = IsWindowVisible() != FALSE;
    ShowWindow(SW_HIDE);
    // A modal dialog keeps its owner disabled; the drawing work needs it to take input.
    m_reenabledOwner = nullptr;
    HWND owner = topLevelOf(::GetParent(m_hWnd));
    if (isModal() && owner && !::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, TRUE);
        m_reenabledOwner = owner;
    }
}

void CAdUiBaseDialog::CompleteEditorCommand(BOOL restoreDialogs) {
    if (!m_inEditorCommand) return;
    m_inEditorCommand = false;
    ++completedCount;
    if (!restoreDialogs || m_hWnd == nullptr) return;
    if (m_reenabledOwner && ::IsWindow(m_reenabledOwner)) ::EnableWindow(m_reenabledOwner, FALSE);
    m_reenabledOwner = nullptr;
    if (m_visibleBeforeCommand) ShowWindow(SW_SHOW);
}

int CAdUiBaseDialog::editorCommandsBegun() {
    return begunCount;
}

int CAdUiBaseDialog::editorCommandsCompleted() {
    return completedCount;
}

void CAdUiBaseDialog::resetEditorCommandCounts() {
    begunCount = 0;
    completedCount = 0;
}
