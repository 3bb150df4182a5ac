#include "win/MouseSteps.h"

#include <algorithm>
#include <string>

#include "win/MouseInput.h"
#include "win/Timers.h"
#include "win/Tooltips.h"
#include "win/UserSteps.h"
#include "win/Window.h"

namespace win {
namespace {

constexpr int kMaxDragSteps = 1000;

// The window a step points into: the dialog (id 0) or its visible control.
HWND placeOf(HWND dialog, int controlId, const std::string& what) {
    if (!IsWindow(dialog)) {
        detail::recordFailure(what + ": the dialog is gone");
        return nullptr;
    }
    if (controlId == 0) return dialog;
    HWND control = GetDlgItem(dialog, controlId);
    if (!control) {
        detail::recordFailure(what + ": no control " + std::to_string(controlId) +
                              " in the dialog");
        return nullptr;
    }
    if (!IsWindowVisible(control)) {
        detail::recordFailure(what + ": control " + std::to_string(controlId) + " is hidden");
        return nullptr;
    }
    return control;
}

POINT toScreen(HWND place, POINT at) {
    ClientToScreen(place, &at);
    return at;
}

WPARAM keyFlags(DragKeys keys) {
    return (keys.shift ? MK_SHIFT : 0) | (keys.ctrl ? MK_CONTROL : 0);
}

HWND dialogOrFail(const DialogRef& ref, const std::string& what) {
    HWND dialog = resolveDialog(ref);
    if (!dialog) detail::recordFailure(what + ": no such dialog is open");
    return dialog;
}

}  // namespace

namespace act {

bool hover(HWND dialog, int controlId, const POINT* at) {
    HWND place = placeOf(dialog, controlId, "hover");
    if (!place) return false;
    RECT client;
    GetClientRect(place, &client);
    const POINT point = at ? *at : POINT{client.right / 2, client.bottom / 2};
    mouse::queueEvent(WM_MOUSEMOVE, toScreen(place, point));
    mouse::pumpInput();
    advanceClock(kTooltipHoverMs);
    return true;
}

bool pointAndClick(HWND dialog, int controlId, POINT at, DragKeys keys, bool doubleClick) {
    HWND place = placeOf(dialog, controlId, "click at");
    if (!place) return false;
    const POINT screen = toScreen(place, at);
    const WPARAM flags = keyFlags(keys);
    mouse::queueEvent(WM_MOUSEMOVE, screen, flags);
    mouse::queueEvent(WM_LBUTTONDOWN, screen, flags);
    mouse::queueEvent(WM_LBUTTONUP, screen, flags);
    if (doubleClick) {
        mouse::queueEvent(WM_LBUTTONDBLCLK, screen, flags);
        mouse::queueEvent(WM_LBUTTONUP, screen, flags);
    }
    mouse::pumpInput();
    return true;
}

bool drag(HWND dialog, int controlId, POINT from, POINT to, DragKeys keys, int steps) {
    HWND place = placeOf(dialog, controlId, "drag");
    if (!place) return false;
    steps = std::clamp(steps, 1, kMaxDragSteps);
    const POINT start = toScreen(place, from);
    const POINT end = toScreen(place, to);
    const WPARAM flags = keyFlags(keys);
    mouse::queueEvent(WM_MOUSEMOVE, start, flags);
    mouse::queueEvent(WM_LBUTTONDOWN, start, flags);
    for (int i = 1; i <= steps; ++i) {
        const POINT p{start.x + (end.x - start.x) * i / steps,
                      start.y + (end.y - start.y) * i / steps};
        mouse::queueEvent(WM_MOUSEMOVE, p, flags);
    }
    mouse::queueEvent(WM_LBUTTONUP, end, flags);
    mouse::pumpInput();
    return true;
}

}  // namespace act

namespace user {

void hover(int controlId, DialogRef dialog) {
    act([=] {
        if (HWND d = dialogOrFail(dialog, "hover")) win::act::hover(d, controlId);
    }, "hover");
}

void hoverAt(int controlId, POINT at, DialogRef dialog) {
    act([=] {
        if (HWND d = dialogOrFail(dialog, "hover")) win::act::hover(d, controlId, &at);
    }, "hover");
}

void pointAndClick(int controlId, POINT at, DragKeys keys, bool doubleClick, DialogRef dialog) {
    act([=] {
        if (HWND d = dialogOrFail(dialog, "click at"))
            win::act::pointAndClick(d, controlId, at, keys, doubleClick);
    }, "click at");
}

void drag(int controlId, POINT from, POINT to, DragKeys keys, int steps, DialogRef dialog) {
    act([=] {
        if (HWND d = dialogOrFail(dialog, "drag"))
            win::act::drag(d, controlId, from, to, keys, steps);
    }, "drag");
}

}  // namespace user
}  // namespace win
