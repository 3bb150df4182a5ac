// Window and client rectangles, coordinate mapping and moving windows, alone or in a
// deferred batch.
#include <algorithm>
#include <memory>
#include <unordered_map>

#include "win/Window.h"
#include "win/WindowRecord.h"

using win::detail::findWindow;
using win::detail::WindowRecord;

const HWND HWND_TOP = nullptr;
const HWND HWND_BOTTOM = reinterpret_cast<HWND>(1);
const HWND HWND_TOPMOST = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));
const HWND HWND_NOTOPMOST = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-2));

namespace win::detail {

RECT nonClientInsets(DWORD style, DWORD exStyle) {
    int frame = 0;
    if (style & WS_THICKFRAME) {
        frame = 4;
    } else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
        frame = 3;
    } else if (style & WS_BORDER) {
        frame = 1;
    }
    if (exStyle & WS_EX_CLIENTEDGE) frame += 2;
    if (exStyle & WS_EX_STATICEDGE) frame += 1;
    const int caption = ((style & WS_CAPTION) == WS_CAPTION) ? 18 : 0;
    return RECT{frame, frame + caption, frame, frame};
}

}  // namespace win::detail

namespace {

// Screen position of the client-area origin of a window.
POINT clientOrigin(const WindowRecord& record) {
    RECT screen;
    GetWindowRect(record.handle, &screen);
    const RECT inset = win::detail::nonClientInsets(record.style, record.exStyle);
    return POINT{screen.left + inset.left, screen.top + inset.top};
}

void reorder(WindowRecord& record, HWND insertAfter) {
    std::vector<HWND>* siblings = nullptr;
    if (record.parent) {
        if (WindowRecord* parent = findWindow(record.parent)) siblings = &parent->children;
    } else {
        siblings = &win::detail::topLevelWindows();
    }
    if (!siblings) return;
    if (insertAfter == HWND_TOPMOST) record.exStyle |= WS_EX_TOPMOST;
    if (insertAfter == HWND_NOTOPMOST) record.exStyle &= ~WS_EX_TOPMOST;
    if (insertAfter == HWND_NOTOPMOST) return;
    if (insertAfter != HWND_TOP && insertAfter != HWND_BOTTOM && insertAfter != HWND_TOPMOST &&
        std::find(siblings->begin(), siblings->end(), insertAfter) == siblings->end())
        return;
    std::erase(*siblings, record.handle);
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST) {
        siblings->insert(siblings->begin(), record.handle);
    } else if (insertAfter == HWND_BOTTOM) {
        siblings->push_back(record.handle);
    } else {
        auto it = std::find(siblings->begin(), siblings->end(), insertAfter);
        siblings->insert(it + 1, record.handle);
    }
}

BOOL applyPosition(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return FALSE;
    RECT& r = record->rect;
    const int oldW = r.right - r.left, oldH = r.bottom - r.top;
    const int oldX = r.left, oldY = r.top;
    const int newX = (flags & SWP_NOMOVE) ? oldX : x;
    const int newY = (flags & SWP_NOMOVE) ? oldY : y;
    const int newW = (flags & SWP_NOSIZE) ? oldW : std::max(0, cx);
    const int newH = (flags & SWP_NOSIZE) ? oldH : std::max(0, cy);
    r = RECT{newX, newY, newX + newW, newY + newH};
    if (!(flags & SWP_NOZORDER)) reorder(*record, insertAfter);
    if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    if (newX != oldX || newY != oldY)
        SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(newX), static_cast<WORD>(newY)));
    if (IsWindow(hwnd) && (newW != oldW || newH != oldH)) {
        RECT client;
        GetClientRect(hwnd, &client);
        SendMessage(hwnd, WM_SIZE, SIZE_RESTORED,
                    MAKELPARAM(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom)));
    }
    return TRUE;
}

struct DeferredMove {
    HWND hwnd;
    HWND insertAfter;
    int x, y, cx, cy;
    UINT flags;
};

struct DeferBatches {
    std::unordered_map<UINT_PTR, std::vector<DeferredMove>> open;
    UINT_PTR next = 0x70000;
};

DeferBatches& batches() {
    static DeferBatches b;
    return b;
}

}  // namespace

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
    WindowRecord* record = findWindow(hwnd);
    if (!record || !rect) return FALSE;
    RECT r = record->rect;
    if (record->parent) {
        if (WindowRecord* parent = findWindow(record->parent)) {
            const POINT origin = clientOrigin(*parent);
            OffsetRect(&r, origin.x, origin.y);
        }
    }
    *rect = r;
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
    WindowRecord* record = findWindow(hwnd);
    if (!record || !rect) return FALSE;
    const RECT inset = win::detail::nonClientInsets(record->style, record->exStyle);
    const int w = record->rect.right - record->rect.left - inset.left - inset.right;
    const int h = record->rect.bottom - record->rect.top - inset.top - inset.bottom;
    *rect = RECT{0, 0, std::max(0, w), std::max(0, h)};
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
    WindowRecord* record = findWindow(hwnd);
    if (!record || !point) return FALSE;
    const POINT origin = clientOrigin(*record);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
    WindowRecord* record = findWindow(hwnd);
    if (!record || !point) return FALSE;
    const POINT origin = clientOrigin(*record);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    POINT a{0, 0}, b{0, 0};
    if (from) ClientToScreen(from, &a);
    if (to) ClientToScreen(to, &b);
    const int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL) {
    return applyPosition(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return applyPosition(hwnd, insertAfter, x, y, cx, cy, flags);
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL, DWORD exStyle) {
    if (!rect) return FALSE;
    const RECT inset = win::detail::nonClientInsets(style, exStyle);
    rect->left -= inset.left;
    rect->top -= inset.top;
    rect->right += inset.right;
    rect->bottom += inset.bottom;
    return TRUE;
}

HDWP BeginDeferWindowPos(int expectedCount) {
    if (expectedCount < 0) {
        SetLastError(87);
        return nullptr;
    }
    auto& b = batches();
    const UINT_PTR key = b.next++;
    b.open[key].reserve(static_cast<std::size_t>(expectedCount));
    return reinterpret_cast<HDWP>(key);
}

HDWP DeferWindowPos(HDWP batch, HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy,
                    UINT flags) {
    auto& open = batches().open;
    auto it = open.find(reinterpret_cast<UINT_PTR>(batch));
    if (it == open.end()) return nullptr;
    if (!IsWindow(hwnd)) {
        // As on the real system, a bad entry abandons the whole batch.
        open.erase(it);
        SetLastError(1400);
        return nullptr;
    }
    it->second.push_back(DeferredMove{hwnd, insertAfter, x, y, cx, cy, flags});
    return batch;
}

BOOL EndDeferWindowPos(HDWP batch) {
    auto& open = batches().open;
    auto it = open.find(reinterpret_cast<UINT_PTR>(batch));
    if (it == open.end()) return FALSE;
    std::vector<DeferredMove> moves = std::move(it->second);
    open.erase(it);
    BOOL ok = TRUE;
    for (const DeferredMove& m : moves)
        if (!applyPosition(m.hwnd, m.insertAfter, m.x, m.y, m.cx, m.cy, m.flags)) ok = FALSE;
    return ok;
}

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (!rect) return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}
BOOL SetRectEmpty(LPRECT rect) {
    return SetRect(rect, 0, 0, 0, 0);
}
BOOL OffsetRect(LPRECT rect, int dx, int dy) {
    if (!rect) return FALSE;
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}
BOOL InflateRect(LPRECT rect, int dx, int dy) {
    if (!rect) return FALSE;
    rect->left -= dx;
    rect->right += dx;
    rect->top -= dy;
    rect->bottom += dy;
    return TRUE;
}
BOOL IsRectEmpty(const RECT* rect) {
    return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}
BOOL PtInRect(const RECT* rect, POINT p) {
    return rect && p.x >= rect->left && p.x < rect->right && p.y >= rect->top && p.y < rect->bottom;
}
BOOL IntersectRect(LPRECT out, const RECT* a, const RECT* b) {
    if (!out || !a || !b) return FALSE;
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        *out = RECT{};
        return FALSE;
    }
    *out = r;
    return TRUE;
}
BOOL UnionRect(LPRECT out, const RECT* a, const RECT* b) {
    if (!out || !a || !b) return FALSE;
    if (IsRectEmpty(a)) {
        *out = *b;
    } else if (IsRectEmpty(b)) {
        *out = *a;
    } else {
        *out = RECT{std::min(a->left, b->left), std::min(a->top, b->top),
                    std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
    }
    return !IsRectEmpty(out);
}
BOOL EqualRect(const RECT* a, const RECT* b) {
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right &&
           a->bottom == b->bottom;
}
