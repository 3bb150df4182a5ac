#include "win/Window.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <unordered_map>

#include "win/CWnd.h"
#include "win/ControlProcs.h"
#include "win/Timers.h"
#include "win/WindowRecord.h"

namespace win::detail {
namespace {

std::string lowerName(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

struct WindowTable {
    std::map<UINT_PTR, std::unique_ptr<WindowRecord>> windows;  // key order = creation order
    std::unordered_map<std::string, std::unique_ptr<WindowClass>> classes;  // lower-case name
    std::vector<HWND> topLevel;
    UINT_PTR nextHandle = 0x10000;
    HWND focus = nullptr;
    HWND active = nullptr;
    CWnd* creatingObject = nullptr;
    ATOM nextAtom = 0xC000;

    WindowTable() { registerBuiltIns(); }

    void addBuiltIn(const char* name, WNDPROC proc) {
        auto cls = std::make_unique<WindowClass>();
        cls->name = name;
        cls->info.lpfnWndProc = proc;
        cls->info.lpszClassName = nullptr;
        cls->builtIn = true;
        classes[lowerName(name)] = std::move(cls);
    }

    void registerBuiltIns() {
        addBuiltIn("BUTTON", buttonProc);
        addBuiltIn("EDIT", editProc);
        addBuiltIn("STATIC", staticProc);
        addBuiltIn("COMBOBOX", comboBoxProc);
        addBuiltIn("LISTBOX", listBoxProc);
        addBuiltIn("SysTabControl32", tabControlProc);
        addBuiltIn("#32770", dialogProc);
        // Rich edits take the plain edit's behaviour: the module only sets and reads text.
        addBuiltIn("RichEdit20A", editProc);
        addBuiltIn("RICHEDIT", editProc);
        addBuiltIn("RichEdit", editProc);
        // Controls the module places but never talks to beyond the common messages.
        for (const char* name :
             {"ToolbarWindow32", "SCROLLBAR", "msctls_progress32", "msctls_updown32",
              "msctls_trackbar32", "SysListView32", "SysTreeView32", "tooltips_class32",
              "ComboBoxEx32", "SysDateTimePick32", "MDIClient", "AfxWnd", "AfxFrameOrView"})
            addBuiltIn(name, DefWindowProc);
    }
};

WindowTable& table() {
    static WindowTable t;
    return t;
}

}  // namespace

WindowRecord* findWindow(HWND hwnd) {
    if (!hwnd) return nullptr;
    auto& windows = table().windows;
    auto it = windows.find(reinterpret_cast<UINT_PTR>(hwnd));
    return it == windows.end() ? nullptr : it->second.get();
}

const WindowClass* findClass(const std::string& name) {
    auto& classes = table().classes;
    auto it = classes.find(lowerName(name));
    return it == classes.end() ? nullptr : it->second.get();
}

std::vector<HWND>& topLevelWindows() {
    return table().topLevel;
}

std::vector<HWND> allWindows() {
    std::vector<HWND> handles;
    for (auto& [key, record] : table().windows) handles.push_back(record->handle);
    return handles;
}

void setCreatingObject(CWnd* object) {
    table().creatingObject = object;
}

LRESULT deliver(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam) {
    if (record.object) return record.object->WindowProc(message, wParam, lParam);
    if (record.proc) return record.proc(record.handle, message, wParam, lParam);
    return DefWindowProc(record.handle, message, wParam, lParam);
}

void notifyParent(HWND control, WORD code) {
    WindowRecord* record = findWindow(control);
    if (!record || !record->parent) return;
    SendMessage(record->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(record->id), code),
                reinterpret_cast<LPARAM>(control));
}

void resetWindowTable() {
    auto& t = table();
    std::vector<HWND> tops = t.topLevel;
    for (HWND h : tops) DestroyWindow(h);
    t.windows.clear();
    t.topLevel.clear();
    for (auto it = t.classes.begin(); it != t.classes.end();)
        it = it->second->builtIn ? std::next(it) : t.classes.erase(it);
    t.focus = nullptr;
    t.active = nullptr;
    t.creatingObject = nullptr;
    PumpWaitingMessages();
}

}  // namespace win::detail

using win::detail::findWindow;
using win::detail::table;
using win::detail::WindowRecord;

namespace {

DWORD& lastError() {
    static DWORD error = 0;
    return error;
}

bool isChildStyle(DWORD style) {
    return (style & WS_CHILD) != 0;
}

void removeFromSiblings(WindowRecord& record) {
    std::vector<HWND>* siblings = nullptr;
    if (record.parent) {
        if (WindowRecord* parent = findWindow(record.parent)) siblings = &parent->children;
    } else {
        siblings = &table().topLevel;
    }
    if (siblings) std::erase(*siblings, record.handle);
}

std::vector<HWND>* siblingList(WindowRecord& record) {
    if (!record.parent) return &table().topLevel;
    WindowRecord* parent = findWindow(record.parent);
    return parent ? &parent->children : nullptr;
}

void sendCreationMessages(WindowRecord& record, CREATESTRUCT& cs) {
    cs.x = record.rect.left;
    cs.y = record.rect.top;
    cs.cx = record.rect.right - record.rect.left;
    cs.cy = record.rect.bottom - record.rect.top;
}

}  // namespace

ATOM RegisterClass(const WNDCLASS* wndClass) {
    if (!wndClass || !wndClass->lpszClassName || !*wndClass->lpszClassName ||
        !wndClass->lpfnWndProc) {
        SetLastError(87);
        return 0;
    }
    const std::string name = wndClass->lpszClassName;
    if (win::detail::findClass(name)) {
        SetLastError(1410);  // class already exists
        return 0;
    }
    auto cls = std::make_unique<win::detail::WindowClass>();
    cls->name = name;
    cls->info = *wndClass;
    cls->info.lpszClassName = nullptr;  // the caller's string need not outlive the call
    std::string key = name;
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    table().classes[key] = std::move(cls);
    return table().nextAtom++;
}

BOOL UnregisterClass(LPCSTR className, HINSTANCE) {
    if (!className) return FALSE;
    std::string key = className;
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    auto& classes = table().classes;
    auto it = classes.find(key);
    if (it == classes.end() || it->second->builtIn) return FALSE;
    for (auto& [k, record] : table().windows)
        if (record->windowClass == it->second.get()) return FALSE;  // still in use
    classes.erase(it);
    return TRUE;
}

BOOL GetClassInfo(HINSTANCE, LPCSTR className, WNDCLASS* out) {
    if (!className || !out) return FALSE;
    const auto* cls = win::detail::findClass(className);
    if (!cls) return FALSE;
    *out = cls->info;
    out->lpszClassName = cls->name.c_str();
    return TRUE;
}

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                    LPVOID param) {
    CWnd* object = table().creatingObject;
    table().creatingObject = nullptr;
    const auto* cls = className ? win::detail::findClass(className) : nullptr;
    if (!cls) {
        SetLastError(1407);  // class does not exist
        return nullptr;
    }
    if (isChildStyle(style) && !findWindow(parent)) {
        SetLastError(1406);  // a child needs a parent
        return nullptr;
    }
    auto& t = table();
    auto owned = std::make_unique<WindowRecord>();
    WindowRecord& record = *owned;
    record.handle = reinterpret_cast<HWND>(t.nextHandle);
    t.nextHandle += 4;
    record.windowClass = cls;
    record.text = windowName ? windowName : "";
    record.style = style & ~WS_VISIBLE;
    record.exStyle = exStyle;
    record.proc = cls->info.lpfnWndProc;
    record.instance = instance;
    record.extraBytes.assign(static_cast<std::size_t>(std::max(0, cls->info.cbWndExtra)), 0);
    if (isChildStyle(style)) {
        record.parent = parent;
        record.id = static_cast<int>(reinterpret_cast<UINT_PTR>(menuOrId));
    } else {
        record.owner = findWindow(parent) ? parent : nullptr;
    }
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) width = height = 0;
    record.rect = RECT{x, y, x + std::max(0, width), y + std::max(0, height)};
    HWND handle = record.handle;
    t.windows.emplace(reinterpret_cast<UINT_PTR>(handle), std::move(owned));
    if (isChildStyle(style)) {
        findWindow(parent)->children.push_back(handle);  // new children go to the bottom
    } else {
        t.topLevel.insert(t.topLevel.begin(), handle);
    }
    if (object) object->attachRouted(handle);

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menuOrId;
    cs.hwndParent = parent;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    sendCreationMessages(record, cs);
    if (!SendMessage(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) ||
        SendMessage(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    WindowRecord* live = findWindow(handle);
    if (!live) return nullptr;  // destroyed itself while being created
    const RECT r = live->rect;
    SendMessage(
        handle, WM_SIZE, SIZE_RESTORED,
        MAKELPARAM(static_cast<WORD>(r.right - r.left), static_cast<WORD>(r.bottom - r.top)));
    SendMessage(handle, WM_MOVE, 0,
                MAKELPARAM(static_cast<WORD>(r.left), static_cast<WORD>(r.top)));
    if ((style & WS_VISIBLE) && IsWindow(handle)) ShowWindow(handle, SW_SHOW);
    return IsWindow(handle) ? handle : nullptr;
}

HWND CreateWindow(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param) {
    return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menuOrId,
                          instance, param);
}

namespace {

void sendDestroyTree(HWND hwnd) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return;
    SendMessage(hwnd, WM_DESTROY, 0, 0);
    record = findWindow(hwnd);
    if (!record) return;
    std::vector<HWND> children = record->children;
    for (HWND child : children) {
        if (WindowRecord* c = findWindow(child); c && !c->destroying) {
            c->destroying = true;
            sendDestroyTree(child);
        }
    }
}

void finalDestroy(HWND hwnd) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return;
    std::vector<HWND> children = record->children;
    for (HWND child : children) finalDestroy(child);
    record = findWindow(hwnd);
    if (!record) return;
    win::killTimersOf(hwnd);
    SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    record = findWindow(hwnd);
    if (!record) return;
    if (record->object) record->object->detachRouted();
    auto& t = table();
    if (t.focus == hwnd) t.focus = nullptr;
    if (t.active == hwnd) t.active = nullptr;
    removeFromSiblings(*record);
    // The record goes last: a handle wrapper owned by it may be what is running now.
    auto node = t.windows.extract(reinterpret_cast<UINT_PTR>(hwnd));
    (void)node;
}

}  // namespace

BOOL DestroyWindow(HWND hwnd) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) {
        SetLastError(1400);  // invalid window handle
        return FALSE;
    }
    if (record->destroying) return TRUE;
    record->destroying = true;
    // Owned top-level windows (modeless dialogs of this window) go first.
    std::vector<HWND> owned;
    for (HWND top : table().topLevel)
        if (WindowRecord* r = findWindow(top); r && r->owner == hwnd) owned.push_back(top);
    for (HWND h : owned) DestroyWindow(h);
    if (IsWindowVisible(hwnd)) record->style &= ~WS_VISIBLE;
    HWND parent = record->parent;
    sendDestroyTree(hwnd);
    finalDestroy(hwnd);
    if (table().focus == nullptr && parent && IsWindow(parent)) table().focus = nullptr;
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    return findWindow(hwnd) != nullptr;
}

BOOL SetWindowText(HWND hwnd, LPCSTR text) {
    if (!IsWindow(hwnd)) return FALSE;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) > 0 ? TRUE
                                                                                            : FALSE;
}

int GetWindowText(HWND hwnd, LPSTR buffer, int bufferSize) {
    if (!buffer || bufferSize <= 0) return 0;
    buffer[0] = '\0';
    if (!IsWindow(hwnd)) return 0;
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(bufferSize),
                                        reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) {
    if (!IsWindow(hwnd)) return 0;
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

int GetClassName(HWND hwnd, LPSTR buffer, int bufferSize) {
    WindowRecord* record = findWindow(hwnd);
    if (!record || !buffer || bufferSize <= 0) return 0;
    const std::string& name = record->windowClass->name;
    const int n = std::min<int>(static_cast<int>(name.size()), bufferSize - 1);
    std::memcpy(buffer, name.data(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

HWND GetParent(HWND hwnd) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return nullptr;
    return record->parent ? record->parent : record->owner;
}

HWND SetParent(HWND child, HWND newParent) {
    WindowRecord* record = findWindow(child);
    if (!record || (newParent && !findWindow(newParent)) || child == newParent) return nullptr;
    if (newParent && IsChild(child, newParent)) return nullptr;  // would make a cycle
    HWND old = record->parent ? record->parent : GetDesktopWindow();
    // Keep the window where it is on the screen.
    RECT screen;
    GetWindowRect(child, &screen);
    removeFromSiblings(*record);
    if (newParent) {
        record->parent = newParent;
        record->style |= WS_CHILD;
        findWindow(newParent)->children.push_back(child);
        POINT p{screen.left, screen.top};
        ScreenToClient(newParent, &p);
        OffsetRect(&record->rect, p.x - record->rect.left, p.y - record->rect.top);
    } else {
        record->parent = nullptr;
        record->style &= ~WS_CHILD;
        table().topLevel.insert(table().topLevel.begin(), child);
        OffsetRect(&record->rect, screen.left - record->rect.left, screen.top - record->rect.top);
    }
    return old;
}

HWND GetWindow(HWND hwnd, UINT relation) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return nullptr;
    if (relation == GW_CHILD) return record->children.empty() ? nullptr : record->children.front();
    if (relation == GW_OWNER) return record->owner;
    std::vector<HWND>* siblings = siblingList(*record);
    if (!siblings || siblings->empty()) return nullptr;
    auto it = std::find(siblings->begin(), siblings->end(), hwnd);
    switch (relation) {
        case GW_HWNDFIRST:
            return siblings->front();
        case GW_HWNDLAST:
            return siblings->back();
        case GW_HWNDNEXT:
            return (it == siblings->end() || it + 1 == siblings->end()) ? nullptr : *(it + 1);
        case GW_HWNDPREV:
            return (it == siblings->end() || it == siblings->begin()) ? nullptr : *(it - 1);
        default:
            return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    if (!hwnd) return table().topLevel.empty() ? nullptr : table().topLevel.front();
    return GetWindow(hwnd, GW_CHILD);
}

HWND GetNextWindow(HWND hwnd, UINT relation) {
    return GetWindow(hwnd, relation);
}

BOOL IsChild(HWND parent, HWND hwnd) {
    WindowRecord* record = findWindow(hwnd);
    while (record && record->parent) {
        if (record->parent == parent) return TRUE;
        record = findWindow(record->parent);
    }
    return FALSE;
}

HWND GetDlgItem(HWND dialog, int id) {
    WindowRecord* record = findWindow(dialog);
    if (!record) return nullptr;
    for (HWND child : record->children)
        if (WindowRecord* c = findWindow(child); c && c->id == id) return child;
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    WindowRecord* record = findWindow(hwnd);
    return record ? record->id : 0;
}

HWND GetDesktopWindow() {
    return nullptr;
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) {
        SetLastError(1400);
        return 0;
    }
    switch (index) {
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(record->proc);
        case GWLP_HINSTANCE:
            return reinterpret_cast<LONG_PTR>(record->instance);
        case GWLP_HWNDPARENT:
            return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
        case GWLP_ID:
            return record->id;
        case GWL_STYLE:
            return static_cast<LONG_PTR>(record->style);
        case GWL_EXSTYLE:
            return static_cast<LONG_PTR>(record->exStyle);
        case GWLP_USERDATA:
            return record->userData;
        default:
            break;
    }
    if (index >= 0 &&
        static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= record->extraBytes.size()) {
        LONG_PTR value;
        std::memcpy(&value, record->extraBytes.data() + index, sizeof value);
        return value;
    }
    if (index == DWLP_MSGRESULT) return record->dialogResult;
    SetLastError(1413);  // invalid index
    return 0;
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) {
        SetLastError(1400);
        return 0;
    }
    LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
        case GWLP_WNDPROC:
            record->proc = reinterpret_cast<WNDPROC>(value);
            return old;
        case GWLP_ID:
            record->id = static_cast<int>(value);
            return old;
        case GWL_STYLE:
            record->style = static_cast<DWORD>(value);
            return old;
        case GWL_EXSTYLE:
            record->exStyle = static_cast<DWORD>(value);
            return old;
        case GWLP_USERDATA:
            record->userData = value;
            return old;
        default:
            break;
    }
    if (index >= 0 &&
        static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= record->extraBytes.size()) {
        std::memcpy(record->extraBytes.data() + index, &value, sizeof value);
        return old;
    }
    if (index == DWLP_MSGRESULT) {
        record->dialogResult = value;
        return old;
    }
    SetLastError(1413);
    return 0;
}

LONG GetWindowLong(HWND hwnd, int index) {
    return static_cast<LONG>(GetWindowLongPtr(hwnd, index));
}
LONG SetWindowLong(HWND hwnd, int index, LONG value) {
    if (index == GWL_STYLE || index == GWL_EXSTYLE)
        return static_cast<LONG>(
            SetWindowLongPtr(hwnd, index, static_cast<LONG_PTR>(static_cast<DWORD>(value))));
    return static_cast<LONG>(SetWindowLongPtr(hwnd, index, value));
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return FALSE;
    const BOOL wasDisabled = (record->style & WS_DISABLED) ? TRUE : FALSE;
    const bool change = (enable != 0) == (wasDisabled != 0);
    if (!change) return wasDisabled;
    if (enable) {
        record->style &= ~WS_DISABLED;
    } else {
        record->style |= WS_DISABLED;
        if (table().focus == hwnd || IsChild(hwnd, table().focus)) SetFocus(nullptr);
    }
    SendMessage(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    WindowRecord* record = findWindow(hwnd);
    return record && !(record->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL ShowWindow(HWND hwnd, int command) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return FALSE;
    const BOOL wasVisible = (record->style & WS_VISIBLE) ? TRUE : FALSE;
    const bool show = command != SW_HIDE && command != SW_MINIMIZE;
    if (show == static_cast<bool>(wasVisible)) return wasVisible;
    SendMessage(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    record = findWindow(hwnd);
    if (!record) return wasVisible;
    if (show) {
        record->style |= WS_VISIBLE;
        if (!record->parent && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE)
            table().active = hwnd;
    } else {
        record->style &= ~WS_VISIBLE;
        if (table().focus == hwnd || IsChild(hwnd, table().focus)) SetFocus(nullptr);
    }
    return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
    WindowRecord* record = findWindow(hwnd);
    while (record) {
        if (!(record->style & WS_VISIBLE)) return FALSE;
        if (!record->parent) return TRUE;
        record = findWindow(record->parent);
    }
    return FALSE;
}

HWND SetFocus(HWND hwnd) {
    auto& t = table();
    HWND old = t.focus;
    if (hwnd == old) return old;
    if (hwnd && !IsWindow(hwnd)) return nullptr;
    t.focus = hwnd;
    if (old && IsWindow(old)) SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && IsWindow(hwnd) && t.focus == hwnd)
        SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return IsWindow(old) ? old : nullptr;
}

HWND GetFocus() {
    return IsWindow(table().focus) ? table().focus : nullptr;
}
HWND GetActiveWindow() {
    return IsWindow(table().active) ? table().active : nullptr;
}
HWND SetActiveWindow(HWND hwnd) {
    HWND old = GetActiveWindow();
    if (IsWindow(hwnd)) table().active = hwnd;
    return old;
}
HWND GetForegroundWindow() {
    return GetActiveWindow();
}
BOOL SetForegroundWindow(HWND hwnd) {
    if (!IsWindow(hwnd)) return FALSE;
    table().active = hwnd;
    return TRUE;
}
DWORD GetWindowThreadProcessId(HWND, LPDWORD processId) {
    if (processId) *processId = 1;
    return GetCurrentThreadId();
}
DWORD GetCurrentThreadId() {
    return 1;
}
BOOL AttachThreadInput(DWORD, DWORD, BOOL) {
    return TRUE;
}
BOOL InvalidateRect(HWND hwnd, const RECT*, BOOL) {
    return IsWindow(hwnd);
}
BOOL UpdateWindow(HWND hwnd) {
    return IsWindow(hwnd);
}
BOOL RedrawWindow(HWND hwnd, const RECT*, void*, UINT) {
    return IsWindow(hwnd) || !hwnd;
}

BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text) {
    return SetWindowText(GetDlgItem(dialog, id), text);
}

UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int bufferSize) {
    return static_cast<UINT>(GetWindowText(GetDlgItem(dialog, id), buffer, bufferSize));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    std::string text = isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(value);
    return SetDlgItemText(dialog, id, text.c_str());
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    if (translated) *translated = FALSE;
    HWND item = GetDlgItem(dialog, id);
    if (!item) return 0;
    std::string text(static_cast<std::size_t>(GetWindowTextLength(item)) + 1, '\0');
    GetWindowText(item, text.data(), static_cast<int>(text.size()));
    text.resize(std::strlen(text.c_str()));
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (isSigned && i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return 0;
    unsigned long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > 0xFFFFFFFFull) return 0;  // overflow is "not translated"
    }
    while (i < text.size() && text[i] == ' ') ++i;
    if (i != text.size()) return 0;
    if (isSigned && value > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return 0;
    if (translated) *translated = TRUE;
    return negative ? static_cast<UINT>(0u - static_cast<UINT>(value)) : static_cast<UINT>(value);
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND item = GetDlgItem(dialog, id);
    if (!item) return FALSE;
    SendMessage(item, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    return item ? static_cast<UINT>(SendMessage(item, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    if (!IsWindow(dialog)) return FALSE;
    for (int id = firstId; id <= lastId; ++id)
        if (HWND item = GetDlgItem(dialog, id))
            SendMessage(item, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}

DWORD GetLastError() {
    return lastError();
}
void SetLastError(DWORD error) {
    lastError() = error;
}
