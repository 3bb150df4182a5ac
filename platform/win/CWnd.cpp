#include "win/CWnd.h"

#include <cstring>
#include <vector>

#include "win/Gdi.h"
#include "win/HandleWrappers.h"
#include "win/MessageBox.h"
#include "win/Timers.h"
#include "win/WindowRecord.h"

using win::detail::findWindow;

CWnd::~CWnd() {
    if (m_routed && ::IsWindow(m_hWnd)) {
        // The object is going away: stop routing first so the destruction messages do not
        // reach a half-destroyed object.
        HWND hwnd = m_hWnd;
        detachRouted();
        ::DestroyWindow(hwnd);
    }
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    auto* record = findWindow(hwnd);
    if (!record) return nullptr;
    if (record->object) return record->object;
    if (!record->handleWrapper) {
        record->handleWrapper = win::detail::makeHandleWrapper(record->windowClass->name);
        record->handleWrapper->m_hWnd = hwnd;
    }
    return record->handleWrapper.get();
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    auto* record = findWindow(hwnd);
    return record ? record->object : nullptr;
}

BOOL CWnd::Attach(HWND hwnd) {
    if (m_hWnd || !::IsWindow(hwnd)) return FALSE;
    m_hWnd = hwnd;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    if (m_routed) detachRouted();
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    auto* record = findWindow(hwnd);
    if (!record || record->object || m_hWnd) return FALSE;
    attachRouted(hwnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (!parent) return FALSE;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    return Detach();
}

void CWnd::attachRouted(HWND hwnd) {
    auto* record = findWindow(hwnd);
    if (!record) return;
    record->object = this;
    m_hWnd = hwnd;
    m_routed = true;
}

void CWnd::detachRouted() {
    if (auto* record = findWindow(m_hWnd); record && record->object == this)
        record->object = nullptr;
    m_routed = false;
    m_hWnd = nullptr;
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, void* context) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, context);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU idOrMenu, LPVOID param) {
    if (m_hWnd) return FALSE;
    win::detail::setCreatingObject(this);
    HWND hwnd = ::CreateWindowEx(exStyle, className, windowName, style, x, y, width, height, parent,
                                 idOrMenu, nullptr, param);
    win::detail::setCreatingObject(nullptr);
    if (!hwnd) {
        m_hWnd = nullptr;
        m_routed = false;
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, LPVOID param) {
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::DestroyWindow() {
    if (!::IsWindow(m_hWnd)) return FALSE;
    HWND hwnd = m_hWnd;
    // A routed object may be deleted by its PostNcDestroy while the window goes: nothing of
    // it may be touched afterwards.
    if (m_routed) return ::DestroyWindow(hwnd);
    m_hWnd = nullptr;
    return ::DestroyWindow(hwnd);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}
LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendDlgItemMessage(m_hWnd, id, message, wParam, lParam);
}

namespace {

// The messages being handled, innermost last. Kept outside the objects: a handler may end
// with its object deleted (PostNcDestroy), and nothing may touch the object after that.
struct HandledMessage {
    const CWnd* object;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<HandledMessage>& handledMessages() {
    static std::vector<HandledMessage> stack;
    return stack;
}

}  // namespace

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    auto& stack = handledMessages();
    stack.push_back(HandledMessage{this, message, wParam, lParam});
    const LRESULT result = dispatch(message, wParam, lParam);
    stack.pop_back();
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    auto* record = findWindow(m_hWnd);
    if (!record) return 0;
    return ::CallWindowProc(record->proc, m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const auto& stack = handledMessages();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        if (it->object == this) return DefWindowProc(it->message, it->wParam, it->lParam);
    return 0;
}

namespace {

POINT pointOf(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

UINT ctlColorKind(UINT message) {
    switch (message) {
        case WM_CTLCOLOREDIT:
            return CTLCOLOR_EDIT;
        case WM_CTLCOLORLISTBOX:
            return CTLCOLOR_LISTBOX;
        case WM_CTLCOLORBTN:
            return CTLCOLOR_BTN;
        case WM_CTLCOLORDLG:
            return CTLCOLOR_DLG;
        default:
            return CTLCOLOR_STATIC;
    }
}

}  // namespace

LRESULT CWnd::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (OnCommand(wParam, lParam)) return 0;
            return Default();
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (OnNotify(wParam, lParam, &result)) return result;
            return Default();
        }
        case WM_CREATE:
            return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_NCDESTROY: {
            const LRESULT result = Default();
            detachRouted();
            PostNcDestroy();  // may delete this
            return result;
        }
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<DWORD_PTR>(lParam)),
                   HIWORD(static_cast<DWORD_PTR>(lParam)));
            return 0;
        case WM_SIZING:
            OnSizing(static_cast<UINT>(wParam), reinterpret_cast<LPRECT>(lParam));
            return TRUE;
        case WM_MOVE:
            OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_SETFOCUS:
            OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
            return 0;
        case WM_KILLFOCUS:
            OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
            return 0;
        case WM_ENABLE:
            OnEnable(static_cast<BOOL>(wParam));
            return 0;
        case WM_SHOWWINDOW:
            OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(static_cast<UINT>(wParam), LOWORD(static_cast<DWORD_PTR>(lParam)),
                      HIWORD(static_cast<DWORD_PTR>(lParam)));
            return 0;
        case WM_KEYUP:
            OnKeyUp(static_cast<UINT>(wParam), LOWORD(static_cast<DWORD_PTR>(lParam)),
                    HIWORD(static_cast<DWORD_PTR>(lParam)));
            return 0;
        case WM_CHAR:
            OnChar(static_cast<UINT>(wParam), LOWORD(static_cast<DWORD_PTR>(lParam)),
                   HIWORD(static_cast<DWORD_PTR>(lParam)));
            return 0;
        case WM_LBUTTONDOWN:
            OnLButtonDown(static_cast<UINT>(wParam), pointOf(lParam));
            return 0;
        case WM_LBUTTONUP:
            OnLButtonUp(static_cast<UINT>(wParam), pointOf(lParam));
            return 0;
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk(static_cast<UINT>(wParam), pointOf(lParam));
            return 0;
        case WM_RBUTTONDOWN:
            OnRButtonDown(static_cast<UINT>(wParam), pointOf(lParam));
            return 0;
        case WM_RBUTTONUP:
            OnRButtonUp(static_cast<UINT>(wParam), pointOf(lParam));
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(static_cast<UINT>(wParam), pointOf(lParam));
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wParam),
                                                        FromHandle(reinterpret_cast<HWND>(lParam)),
                                                        ctlColorKind(message)));
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND:
            return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
        case WM_SETCURSOR:
            return OnSetCursor(FromHandle(reinterpret_cast<HWND>(wParam)),
                               LOWORD(static_cast<DWORD_PTR>(lParam)),
                               HIWORD(static_cast<DWORD_PTR>(lParam)));
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_SYSCOMMAND:
            OnSysCommand(static_cast<UINT>(wParam), lParam);
            return 0;
        default:
            return Default();
    }
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}
BOOL CWnd::OnCommand(WPARAM, LPARAM) {
    return FALSE;
}
BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}
void CWnd::PostNcDestroy() {}

int CWnd::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnSizing(UINT, LPRECT) {
    Default();
}
void CWnd::OnMove(int, int) {
    Default();
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
void CWnd::OnEnable(BOOL) {
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnLButtonDown(UINT, POINT) {
    Default();
}
void CWnd::OnLButtonUp(UINT, POINT) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, POINT) {
    Default();
}
void CWnd::OnRButtonDown(UINT, POINT) {
    Default();
}
void CWnd::OnRButtonUp(UINT, POINT) {
    Default();
}
void CWnd::OnMouseMove(UINT, POINT) {
    Default();
}
HBRUSH CWnd::OnCtlColor(HDC, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}
void CWnd::OnPaint() {
    Default();
}
BOOL CWnd::OnEraseBkgnd(HDC) {
    return static_cast<BOOL>(Default());
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) {
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}

CWnd* CWnd::GetDlgItem(int id) const {
    return FromHandle(::GetDlgItem(m_hWnd, id));
}
int CWnd::SetDlgCtrlID(int id) {
    return static_cast<int>(::SetWindowLongPtr(m_hWnd, GWLP_ID, id));
}
CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}
CWnd* CWnd::SetParent(CWnd* parent) {
    return FromHandle(::SetParent(m_hWnd, parent ? parent->m_hWnd : nullptr));
}
CWnd* CWnd::GetWindow(UINT relation) const {
    return FromHandle(::GetWindow(m_hWnd, relation));
}
CWnd* CWnd::GetTopWindow() const {
    return FromHandle(::GetTopWindow(m_hWnd));
}
CWnd* CWnd::GetNextWindow(UINT relation) const {
    return FromHandle(::GetNextWindow(m_hWnd, relation));
}
BOOL CWnd::IsChild(const CWnd* wnd) const {
    return wnd && ::IsChild(m_hWnd, wnd->m_hWnd);
}

void CWnd::SetWindowText(LPCSTR text) {
    ::SetWindowText(m_hWnd, text);
}
int CWnd::GetWindowText(LPSTR buffer, int bufferSize) const {
    return ::GetWindowText(m_hWnd, buffer, bufferSize);
}
void CWnd::GetWindowText(std::string& text) const {
    std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLength()) + 1, '\0');
    const int n = ::GetWindowText(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    text.assign(buffer.data(), static_cast<std::size_t>(n));
}
int CWnd::GetWindowTextLength() const {
    return ::GetWindowTextLength(m_hWnd);
}
void CWnd::SetDlgItemText(int id, LPCSTR text) {
    ::SetDlgItemText(m_hWnd, id, text);
}
int CWnd::GetDlgItemText(int id, LPSTR buffer, int bufferSize) const {
    return static_cast<int>(::GetDlgItemText(m_hWnd, id, buffer, bufferSize));
}
int CWnd::GetDlgItemText(int id, std::string& text) const {
    text.clear();
    CWnd* item = GetDlgItem(id);
    if (!item) return 0;
    item->GetWindowText(text);
    return static_cast<int>(text.size());
}
void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
    ::SetDlgItemInt(m_hWnd, id, value, isSigned);
}
UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}
void CWnd::CheckDlgButton(int id, UINT check) {
    ::CheckDlgButton(m_hWnd, id, check);
}
UINT CWnd::IsDlgButtonChecked(int id) const {
    return ::IsDlgButtonChecked(m_hWnd, id);
}
void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
    ::CheckRadioButton(m_hWnd, firstId, lastId, checkId);
}

void CWnd::GetWindowRect(LPRECT rect) const {
    ::GetWindowRect(m_hWnd, rect);
}
void CWnd::GetClientRect(LPRECT rect) const {
    ::GetClientRect(m_hWnd, rect);
}
void CWnd::ScreenToClient(LPPOINT point) const {
    ::ScreenToClient(m_hWnd, point);
}
void CWnd::ScreenToClient(LPRECT rect) const {
    if (!rect) return;
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}
void CWnd::ClientToScreen(LPPOINT point) const {
    ::ClientToScreen(m_hWnd, point);
}
void CWnd::ClientToScreen(LPRECT rect) const {
    if (!rect) return;
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}
void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}
void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    if (rect)
        ::MoveWindow(m_hWnd, rect->left, rect->top, rect->right - rect->left,
                     rect->bottom - rect->top, repaint);
}
BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    HWND after = nullptr;
    if (insertAfter == reinterpret_cast<const CWnd*>(HWND_TOPMOST))
        after = HWND_TOPMOST;
    else if (insertAfter == reinterpret_cast<const CWnd*>(HWND_NOTOPMOST))
        after = HWND_NOTOPMOST;
    else if (insertAfter == reinterpret_cast<const CWnd*>(HWND_BOTTOM))
        after = HWND_BOTTOM;
    else if (insertAfter)
        after = insertAfter->m_hWnd;
    return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
}
void CWnd::CenterWindow(CWnd* alternateOwner) {
    RECT mine, around;
    ::GetWindowRect(m_hWnd, &mine);
    HWND ownerWnd = alternateOwner ? alternateOwner->m_hWnd : ::GetParent(m_hWnd);
    if (!ownerWnd || !::GetWindowRect(ownerWnd, &around))
        around = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const int w = mine.right - mine.left, h = mine.bottom - mine.top;
    POINT p{(around.left + around.right - w) / 2, (around.top + around.bottom - h) / 2};
    if (GetStyle() & WS_CHILD) ::ScreenToClient(::GetParent(m_hWnd), &p);
    ::SetWindowPos(m_hWnd, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::EnableWindow(BOOL enable) {
    return ::EnableWindow(m_hWnd, enable);
}
BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}
BOOL CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command);
}
BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}
CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}
CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}
BOOL CWnd::SetForegroundWindow() {
    return ::SetForegroundWindow(m_hWnd);
}
DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_STYLE));
}
DWORD CWnd::GetExStyle() const {
    return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE));
}
BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT) {
    if (!::IsWindow(m_hWnd)) return FALSE;
    const DWORD old = GetStyle();
    const DWORD next = (old & ~remove) | add;
    if (next == old) return FALSE;
    ::SetWindowLongPtr(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(next));
    return TRUE;
}
BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT) {
    if (!::IsWindow(m_hWnd)) return FALSE;
    const DWORD old = GetExStyle();
    const DWORD next = (old & ~remove) | add;
    if (next == old) return FALSE;
    ::SetWindowLongPtr(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>(next));
    return TRUE;
}
void CWnd::SetFont(CFont* font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}
CFont* CWnd::GetFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}
void CWnd::Invalidate(BOOL erase) {
    ::InvalidateRect(m_hWnd, nullptr, erase);
}
void CWnd::UpdateWindow() {
    ::UpdateWindow(m_hWnd);
}
UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC callback) {
    return ::SetTimer(m_hWnd, id, elapse, callback);
}
BOOL CWnd::KillTimer(UINT_PTR id) {
    return ::KillTimer(m_hWnd, id);
}
int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) {
    return ::MessageBox(m_hWnd, text, caption ? caption : "", type);
}

BOOL WalkPreTranslateTree(HWND top, MSG* msg) {
    if (!msg) return FALSE;
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        CWnd* object = CWnd::FromHandlePermanent(hwnd);
        if (object && object->PreTranslateMessage(msg)) return TRUE;
        if (hwnd == top) break;
        if (!(::GetWindowLongPtr(hwnd, GWL_STYLE) & WS_CHILD)) break;
    }
    return FALSE;
}
