#include "win/MouseInput.h"

#include <deque>

#include "win/CMenu.h"
#include "win/Tooltips.h"
#include "win/Window.h"
#include "win/WindowRecord.h"

using win::detail::findWindow;
using win::detail::WindowRecord;

namespace {

struct InputEvent {
    UINT message = 0;
    POINT screen;
    WPARAM keys = 0;
};

struct MouseState {
    std::deque<InputEvent> queue;
    HWND capture = nullptr;
    WPARAM buttons = 0;     // MK_LBUTTON | MK_RBUTTON | MK_MBUTTON held
    WPARAM eventKeys = 0;   // MK_SHIFT | MK_CONTROL of the event being handled
    HCURSOR cursor = nullptr;
};

MouseState& state() {
    static MouseState s;
    return s;
}

bool isMouseMessage(UINT m) {
    return m == WM_MOUSEMOVE || m == WM_LBUTTONDOWN || m == WM_LBUTTONUP ||
           m == WM_LBUTTONDBLCLK || m == WM_RBUTTONDOWN || m == WM_RBUTTONUP ||
           m == WM_MBUTTONDOWN || m == WM_MBUTTONUP;
}

bool isPress(UINT m) {
    return m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK || m == WM_RBUTTONDOWN ||
           m == WM_MBUTTONDOWN;
}

// The button flags held after the event.
WPARAM buttonsAfter(UINT m, WPARAM held) {
    switch (m) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: return held | MK_LBUTTON;
        case WM_LBUTTONUP: return held & ~MK_LBUTTON;
        case WM_RBUTTONDOWN: return held | MK_RBUTTON;
        case WM_RBUTTONUP: return held & ~MK_RBUTTON;
        case WM_MBUTTONDOWN: return held | MK_MBUTTON;
        case WM_MBUTTONUP: return held & ~MK_MBUTTON;
        default: return held;
    }
}

// Static texts without SS_NOTIFY and group boxes answer the hit test with "transparent".
bool letsPointerThrough(const WindowRecord& r) {
    const std::string& cls = r.windowClass->name;
    if (cls == "STATIC") return !(r.style & SS_NOTIFY);
    return cls == "BUTTON" && (r.style & BS_TYPEMASK) == BS_GROUPBOX;
}

bool containsScreenPoint(HWND hwnd, POINT screen) {
    RECT r;
    return GetWindowRect(hwnd, &r) && PtInRect(&r, screen);
}

HWND deepestAt(HWND window, POINT screen) {
    const WindowRecord* r = findWindow(window);
    if (!r) return nullptr;
    for (HWND child : r->children) {  // top of the z-order first
        const WindowRecord* c = findWindow(child);
        if (!c || !(c->style & WS_VISIBLE) || !containsScreenPoint(child, screen)) continue;
        if (letsPointerThrough(*c)) continue;
        if (c->style & WS_DISABLED) return window;
        return deepestAt(child, screen);
    }
    return window;
}

bool route(const InputEvent& event, MSG& out) {
    MouseState& s = state();
    if (s.capture && !IsWindow(s.capture)) s.capture = nullptr;
    SetCursorPos(event.screen.x, event.screen.y);
    const HWND under = WindowFromPoint(event.screen);
    if (event.message == WM_MOUSEMOVE) win::detail::pointerOver(under);
    if (isPress(event.message)) win::detail::pointerPressed();
    const HWND target = s.capture ? s.capture : under;
    s.buttons = buttonsAfter(event.message, s.buttons);
    s.eventKeys = event.keys & (MK_SHIFT | MK_CONTROL);
    if (!target) return false;
    POINT client = event.screen;
    ScreenToClient(target, &client);
    out = MSG{};
    out.hwnd = target;
    out.message = event.message;
    out.wParam = s.buttons | s.eventKeys;
    out.lParam = MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(client.x)),
                            static_cast<WORD>(static_cast<SHORT>(client.y)));
    out.pt = event.screen;
    return true;
}

void deliver(const MSG& msg) {
    if (!state().capture)
        SendMessage(msg.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(msg.hwnd),
                    MAKELPARAM(static_cast<WORD>(HTCLIENT), static_cast<WORD>(msg.message)));
    if (IsWindow(msg.hwnd)) SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

}  // namespace

HWND SetCapture(HWND hwnd) {
    MouseState& s = state();
    HWND old = s.capture;
    if (hwnd && !IsWindow(hwnd)) return old;
    s.capture = hwnd;
    if (old && old != hwnd && IsWindow(old))
        SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture() {
    HWND old = state().capture;
    state().capture = nullptr;
    if (old && IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    if (state().capture && !IsWindow(state().capture)) state().capture = nullptr;
    return state().capture;
}

HWND WindowFromPoint(POINT screen) {
    for (HWND top : win::detail::topLevelWindows()) {
        const WindowRecord* r = findWindow(top);
        if (!r || !(r->style & WS_VISIBLE) || !containsScreenPoint(top, screen)) continue;
        // A disabled window (the owner of a modal dialog) takes no input.
        if (r->style & WS_DISABLED) return nullptr;
        return deepestAt(top, screen);
    }
    return nullptr;
}

HWND ChildWindowFromPoint(HWND parent, POINT client) {
    const WindowRecord* r = findWindow(parent);
    if (!r) return nullptr;
    RECT area;
    GetClientRect(parent, &area);
    if (!PtInRect(&area, client)) return nullptr;
    POINT screen = client;
    ClientToScreen(parent, &screen);
    for (HWND child : r->children) {
        const WindowRecord* c = findWindow(child);
        if (c && (c->style & WS_VISIBLE) && containsScreenPoint(child, screen)) return child;
    }
    return parent;
}

namespace {

struct CursorShape {
    UINT_PTR id;
    const char* name;
};

constexpr CursorShape kShapes[] = {
    {32512, "arrow"},     {32513, "ibeam"},     {32514, "wait"},    {32515, "cross"},
    {32642, "size nwse"}, {32643, "size nesw"}, {32644, "size we"}, {32645, "size ns"},
    {32646, "size all"},  {32648, "no"}};

// A cursor handle is the shape number itself, offset so that it is never null.
constexpr UINT_PTR kCursorBase = 0x70000;

}  // namespace

HCURSOR LoadCursor(HINSTANCE module, LPCSTR name) {
    if (module || !IS_INTRESOURCE(name)) return nullptr;
    const UINT_PTR id = reinterpret_cast<UINT_PTR>(name);
    for (const CursorShape& shape : kShapes)
        if (shape.id == id) return reinterpret_cast<HCURSOR>(kCursorBase + id);
    return nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR old = state().cursor;
    state().cursor = cursor;
    return old;
}

HCURSOR GetCursor() {
    return state().cursor;
}

namespace win {

std::string cursorName(HCURSOR cursor) {
    const UINT_PTR value = reinterpret_cast<UINT_PTR>(cursor);
    for (const CursorShape& shape : kShapes)
        if (value == kCursorBase + shape.id) return shape.name;
    return {};
}

namespace mouse {

bool queueEvent(UINT message, POINT screen, WPARAM keys) {
    if (!isMouseMessage(message)) return false;
    state().queue.push_back(InputEvent{message, screen, keys});
    return true;
}

std::size_t queuedEvents() {
    return state().queue.size();
}

bool nextMessage(MSG& out) {
    MouseState& s = state();
    while (!s.queue.empty()) {
        const InputEvent event = s.queue.front();
        s.queue.pop_front();
        if (route(event, out)) return true;
    }
    return false;
}

int pumpInput() {
    int delivered = 0;
    MSG msg;
    while (nextMessage(msg)) {
        deliver(msg);
        ++delivered;
        PumpWaitingMessages();
    }
    state().eventKeys = 0;
    return delivered;
}

bool keyDown(int virtualKey) {
    const MouseState& s = state();
    switch (virtualKey) {
        case VK_LBUTTON: return s.buttons & MK_LBUTTON;
        case VK_RBUTTON: return s.buttons & MK_RBUTTON;
        case VK_MBUTTON: return s.buttons & MK_MBUTTON;
        case VK_SHIFT: return s.eventKeys & MK_SHIFT;
        case VK_CONTROL: return s.eventKeys & MK_CONTROL;
        default: return false;
    }
}

void reset() {
    state() = MouseState{};
}

}  // namespace mouse
}  // namespace win
