// The "BUTTON" class: push buttons, check boxes (2 and 3 states), radio buttons and group
// boxes.
#include <algorithm>

#include "win/ControlProcs.h"
#include "win/MouseInput.h"
#include "win/Window.h"
#include "win/WindowRecord.h"

namespace win::detail {
namespace {

DWORD buttonType(const WindowRecord& r) {
    return r.style & BS_TYPEMASK;
}

bool isAutoRadio(HWND hwnd) {
    const WindowRecord* r = findWindow(hwnd);
    return r && r->windowClass->name == "BUTTON" && buttonType(*r) == BS_AUTORADIOBUTTON;
}

// The siblings of the group a control belongs to: from the nearest sibling at or before it
// with WS_GROUP up to the next sibling with WS_GROUP.
std::vector<HWND> groupOf(const WindowRecord& record) {
    std::vector<HWND> group;
    const WindowRecord* parent = findWindow(record.parent);
    if (!parent) return group;
    const auto& siblings = parent->children;
    auto self = std::find(siblings.begin(), siblings.end(), record.handle);
    if (self == siblings.end()) return group;
    auto first = self;
    while (first != siblings.begin()) {
        const WindowRecord* r = findWindow(*first);
        if (r && (r->style & WS_GROUP)) break;
        --first;
    }
    for (auto it = first; it != siblings.end(); ++it) {
        const WindowRecord* r = findWindow(*it);
        if (it != first && r && (r->style & WS_GROUP)) break;
        group.push_back(*it);
    }
    return group;
}

void click(WindowRecord& record) {
    HWND hwnd = record.handle;
    if (record.style & WS_DISABLED) return;
    switch (buttonType(record)) {
        case BS_GROUPBOX:
            return;
        case BS_AUTOCHECKBOX:
            record.control.check = record.control.check ? BST_UNCHECKED : BST_CHECKED;
            break;
        case BS_AUTO3STATE:
            record.control.check = (record.control.check + 1) % 3;
            break;
        case BS_AUTORADIOBUTTON:
            for (HWND other : groupOf(record))
                if (other != hwnd && isAutoRadio(other))
                    findWindow(other)->control.check = BST_UNCHECKED;
            record.control.check = BST_CHECKED;
            break;
        default:
            break;
    }
    notifyParent(hwnd, BN_CLICKED);
}

}  // namespace

LRESULT buttonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return 0;
    switch (message) {
        case BM_GETCHECK:
            return record->control.check;
        case BM_SETCHECK: {
            const DWORD type = buttonType(*record);
            const bool threeState = type == BS_3STATE || type == BS_AUTO3STATE;
            int state = static_cast<int>(wParam);
            if (!threeState && state != BST_UNCHECKED) state = BST_CHECKED;
            record->control.check = std::clamp(state, 0, 2);
            return 0;
        }
        case BM_GETSTATE:
            return record->control.check | (GetFocus() == hwnd ? 0x8 : 0);
        case BM_SETSTYLE:
            record->style = (record->style & ~0xFFFFu) | static_cast<DWORD>(wParam & 0xFFFF);
            return 0;
        case BM_CLICK:
            if (!(record->style & WS_DISABLED)) {
                if (buttonType(*record) != BS_GROUPBOX) SetFocus(hwnd);
                if (WindowRecord* live = findWindow(hwnd)) click(*live);
            }
            return 0;
        case BM_GETIMAGE:
            return reinterpret_cast<LRESULT>(record->control.image);
        case BM_SETIMAGE: {
            HGDIOBJ old = record->control.image;
            record->control.image = reinterpret_cast<HGDIOBJ>(lParam);
            record->control.imageType = wParam;
            return reinterpret_cast<LRESULT>(old);
        }
        case WM_KEYUP:
            if (wParam == static_cast<WPARAM>(VK_SPACE)) click(*record);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // Pressed: the button holds the mouse until the release, which clicks it only
            // when it happens over the button.
            if (buttonType(*record) != BS_GROUPBOX) SetFocus(hwnd);
            if (IsWindow(hwnd)) SetCapture(hwnd);
            return 0;
        case WM_LBUTTONUP: {
            if (GetCapture() != hwnd) return 0;
            ReleaseCapture();
            RECT client;
            GetClientRect(hwnd, &client);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (PtInRect(&client, at) && !(record->style & WS_DISABLED))
                if (WindowRecord* live = findWindow(hwnd)) click(*live);
            return 0;
        }
        case WM_SETFOCUS:
            if (record->style & BS_NOTIFY) notifyParent(hwnd, BN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            if (record->style & BS_NOTIFY) notifyParent(hwnd, BN_KILLFOCUS);
            return 0;
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

}  // namespace win::detail
