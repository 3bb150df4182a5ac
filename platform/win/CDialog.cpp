#include "win/CDialog.h"

#include <vector>

#include "win/DialogBuilder.h"
#include "win/DialogCodes.h"
#include "win/ResourceModule.h"
#include "win/UserSteps.h"
#include "win/WindowRecord.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

HWND CDialog::createFromTemplate(HWND ownerOrParent) {
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(m_nIDTemplate), win::kDialogResource);
    const win::DialogTemplate* found = win::findDialogTemplate(module, m_nIDTemplate);
    if (!found) return nullptr;
    const win::DialogTemplate copy = *found;  // the template may not move under a running dialog
    return win::createDialogWindow(copy, ownerOrParent, this, module);
}

namespace {

HWND topLevelOf(HWND hwnd) {
    while (hwnd && (GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD)) hwnd = GetParent(hwnd);
    return hwnd;
}

}  // namespace

INT_PTR CDialog::DoModal() {
    if (m_hWnd) return -1;
    HWND owner = topLevelOf(m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow());
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    HWND focusBefore = ::GetFocus();
    if (disableOwner) ::EnableWindow(owner, FALSE);
    m_modal = true;
    m_ended = false;
    m_nModalResult = -1;
    HWND dialog = createFromTemplate(owner);
    if (dialog && !m_ended) ::ShowWindow(dialog, SW_SHOW);
    if (dialog && !win::detail::runModalLoop(dialog, [this] { return m_ended; })) {
        win::detail::recordFailure("dialog " + std::to_string(m_nIDTemplate) +
                                   " refused to close on Cancel");
        m_nModalResult = IDCANCEL;
    }
    if (disableOwner && ::IsWindow(owner)) ::EnableWindow(owner, TRUE);
    if (::IsWindow(dialog)) ::DestroyWindow(dialog);
    if (::IsWindow(focusBefore)) ::SetFocus(focusBefore);
    m_modal = false;
    return m_nModalResult;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    if (m_hWnd) return FALSE;
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    m_modal = false;
    m_ended = false;
    return createFromTemplate(parent ? parent->m_hWnd : nullptr) ? TRUE : FALSE;
}

BOOL CDialog::Create(LPCSTR templateName, CWnd* parent) {
    if (!IS_INTRESOURCE(templateName)) return FALSE;
    return Create(static_cast<UINT>(reinterpret_cast<UINT_PTR>(templateName)), parent);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL) {
    return TRUE;
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    m_ended = true;
    if (::IsWindow(m_hWnd)) ::ShowWindow(m_hWnd, SW_HIDE);
}

namespace {

bool isTabStop(HWND hwnd) {
    const LONG style = GetWindowLong(hwnd, GWL_STYLE);
    return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

bool isEdit(HWND hwnd) {
    char name[32] = {};
    GetClassName(hwnd, name, sizeof name);
    return std::string(name) == "EDIT";
}

void focusControl(HWND control) {
    ::SetFocus(control);
    if (isEdit(control)) ::SendMessage(control, EM_SETSEL, 0, -1);
}

}  // namespace

void CDialog::moveFocus(bool backwards) const {
    std::vector<HWND> stops;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (isTabStop(child)) stops.push_back(child);
    if (stops.empty()) return;
    HWND focus = ::GetFocus();
    while (focus && ::GetParent(focus) != m_hWnd && ::IsChild(m_hWnd, focus))
        focus = ::GetParent(focus);
    std::size_t at = stops.size();
    for (std::size_t i = 0; i < stops.size(); ++i)
        if (stops[i] == focus) at = i;
    std::size_t next;
    if (at == stops.size())
        next = backwards ? stops.size() - 1 : 0;
    else
        next = backwards ? (at + stops.size() - 1) % stops.size() : (at + 1) % stops.size();
    focusControl(stops[next]);
}

void CDialog::NextDlgCtrl() const {
    moveFocus(false);
}
void CDialog::PrevDlgCtrl() const {
    moveFocus(true);
}
void CDialog::GotoDlgCtrl(CWnd* control) {
    if (control) focusControl(control->m_hWnd);
}
void CDialog::SetDefID(UINT id) {
    m_defId = id;
}
DWORD CDialog::GetDefID() const {
    const int id = m_defId ? static_cast<int>(m_defId) : win::defaultButtonId(m_hWnd);
    return MAKELONG(static_cast<WORD>(id), 0x534B);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (code == BN_CLICKED || lParam == 0) {
        if (id == IDOK) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    return FALSE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (!msg || msg->message != WM_KEYDOWN || !m_hWnd) return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd)) return FALSE;
    const int key = static_cast<int>(msg->wParam);
    // A control that wants the key for itself (a grid moving its active cell) gets it.
    if ((key == VK_ESCAPE || key == VK_TAB || key == VK_RETURN) && msg->hwnd != m_hWnd) {
        const LRESULT code =
            ::SendMessage(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
        if ((code & DLGC_WANTALLKEYS) || (key == VK_TAB && (code & DLGC_WANTTAB))) return FALSE;
    }
    if (key == VK_ESCAPE) {
        ::SendMessage(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                      reinterpret_cast<LPARAM>(::GetDlgItem(m_hWnd, IDCANCEL)));
        return TRUE;
    }
    if (key == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        moveFocus(GetKeyState(VK_SHIFT) < 0);
        return TRUE;
    }
    if (key == VK_RETURN) {
        const LONG style = GetWindowLong(msg->hwnd, GWL_STYLE);
        if (isEdit(msg->hwnd) && (style & ES_MULTILINE) && (style & ES_WANTRETURN)) return FALSE;
        int id = LOWORD(GetDefID());
        char name[32] = {};
        GetClassName(msg->hwnd, name, sizeof name);
        const DWORD type = static_cast<DWORD>(style) & BS_TYPEMASK;
        if (std::string(name) == "BUTTON" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON))
            id = ::GetDlgCtrlID(msg->hwnd);
        HWND button = ::GetDlgItem(m_hWnd, id);
        if (button && !::IsWindowEnabled(button)) return TRUE;
        ::SendMessage(m_hWnd, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                      reinterpret_cast<LPARAM>(button));
        return TRUE;
    }
    return FALSE;
}
