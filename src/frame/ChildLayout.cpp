#include "frame/ChildLayout.h"

#include <strings.h>

#include "win/Window.h"

namespace {

bool isToolbar(HWND window) {
    char name[64] = {};
    GetClassName(window, name, sizeof name);
    return strcasecmp(name, "ToolbarWindow32") == 0;
}

LONG width(const RECT& r) {
    return r.right - r.left;
}
LONG height(const RECT& r) {
    return r.bottom - r.top;
}

}  // namespace

void ChildLayout::registerChildren(HWND newParent) {
    parent = newParent;
    entries.clear();
    if (!IsWindow(parent)) return;
    GetWindowRect(parent, &registeredRect);
    for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (isToolbar(child)) continue;
        RECT rect{};
        GetWindowRect(child, &rect);
        POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
        MapWindowPoints(nullptr, parent, corners, 2);
        entries.push_back({{corners[0].x, corners[0].y, corners[1].x, corners[1].y}, child, 0, 0});
    }
}

bool ChildLayout::setChildFlags(HWND child, int horizontal, int vertical) {
    for (Entry& entry : entries) {
        if (entry.window != child) continue;
        entry.horizontal = horizontal;
        entry.vertical = vertical;
        return true;
    }
    return false;
}

bool ChildLayout::setControlFlags(int controlId, int horizontal, int vertical) {
    HWND child = IsWindow(parent) ? GetDlgItem(parent, controlId) : nullptr;
    return child && setChildFlags(child, horizontal, vertical);
}

// One direction of one child: the start edge first, since the far edge of a child that
// keeps its size is measured from the new start.
void ChildLayout::placeSpan(LONG registeredStart, LONG registeredEnd, int flags, double factor,
                            int growth, LONG& start, LONG& end) {
    if (flags & kKeepPosition) {
        start = registeredStart;
    } else if ((flags & kKeepSize) && (flags & kFollowFarEdge)) {
        start = registeredStart + growth;
    } else {
        start = static_cast<LONG>(registeredStart * factor);
    }
    if (flags & kFollowFarEdge) {
        end = registeredEnd + growth;
    } else if (flags & kKeepSize) {
        end = start + (registeredEnd - registeredStart);
    } else {
        end = static_cast<LONG>(registeredEnd * factor);
    }
}

bool ChildLayout::applyLayout() {
    if (!IsWindow(parent)) return false;
    RECT now{};
    GetWindowRect(parent, &now);
    const double fx = width(registeredRect) ? double(width(now)) / width(registeredRect) : 1.0;
    const double fy = height(registeredRect) ? double(height(now)) / height(registeredRect) : 1.0;
    const int dw = static_cast<int>(width(now) - width(registeredRect));
    const int dh = static_cast<int>(height(now) - height(registeredRect));
    HDWP batch = BeginDeferWindowPos(static_cast<int>(entries.size()));
    for (const Entry& entry : entries) {
        RECT placed{};
        placeSpan(entry.rect.left, entry.rect.right, entry.horizontal, fx, dw, placed.left,
                  placed.right);
        placeSpan(entry.rect.top, entry.rect.bottom, entry.vertical, fy, dh, placed.top,
                  placed.bottom);
        if (batch) {
            batch = DeferWindowPos(batch, entry.window, nullptr, placed.left, placed.top,
                                   width(placed), height(placed), SWP_NOZORDER);
        }
    }
    return batch && EndDeferWindowPos(batch);
}
