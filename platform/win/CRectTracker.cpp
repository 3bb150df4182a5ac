#include "win/CRectTracker.h"

#include <algorithm>
#include <cstdlib>

#include "win/CMenu.h"
#include "win/MouseInput.h"

namespace {

RECT normalized(RECT r) {
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    return r;
}

bool movesLeft(int hit) {
    return hit == CRectTracker::hitTopLeft || hit == CRectTracker::hitBottomLeft ||
           hit == CRectTracker::hitLeft;
}
bool movesRight(int hit) {
    return hit == CRectTracker::hitTopRight || hit == CRectTracker::hitBottomRight ||
           hit == CRectTracker::hitRight;
}
bool movesTop(int hit) {
    return hit == CRectTracker::hitTopLeft || hit == CRectTracker::hitTopRight ||
           hit == CRectTracker::hitTop;
}
bool movesBottom(int hit) {
    return hit == CRectTracker::hitBottomLeft || hit == CRectTracker::hitBottomRight ||
           hit == CRectTracker::hitBottom;
}

}  // namespace

CRectTracker::CRectTracker(LPCRECT rect, UINT style) : m_nStyle(style) {
    if (rect) m_rect = *rect;
}

RECT CRectTracker::handleRect(int hit) const {
    const RECT r = normalized(m_rect);
    const int size = m_nHandleSize;
    const bool outside = (m_nStyle & resizeOutside) != 0;
    // Left, middle or right column of handles; top, middle or bottom row.
    const int xs[3] = {outside ? r.left - size : r.left, (r.left + r.right - size) / 2,
                       outside ? r.right : r.right - size};
    const int ys[3] = {outside ? r.top - size : r.top, (r.top + r.bottom - size) / 2,
                       outside ? r.bottom : r.bottom - size};
    static constexpr int column[8] = {0, 2, 2, 0, 1, 2, 1, 0};
    static constexpr int row[8] = {0, 0, 2, 2, 0, 1, 2, 1};
    const int x = xs[column[hit]], y = ys[row[hit]];
    return RECT{x, y, x + size, y + size};
}

void CRectTracker::GetTrueRect(LPRECT rect) const {
    if (!rect) return;
    RECT r = normalized(m_rect);
    if (m_nStyle & (resizeOutside | hatchedBorder))
        InflateRect(&r, m_nHandleSize, m_nHandleSize);
    *rect = r;
}

int CRectTracker::HitTest(POINT point) const {
    if (hasHandles()) {
        const RECT r = normalized(m_rect);
        // Middle handles are left out where they would crowd the corners.
        const bool roomX = r.right - r.left >= 3 * m_nHandleSize;
        const bool roomY = r.bottom - r.top >= 3 * m_nHandleSize;
        for (int hit = hitTopLeft; hit <= hitLeft; ++hit) {
            if ((hit == hitTop || hit == hitBottom) && !roomX) continue;
            if ((hit == hitLeft || hit == hitRight) && !roomY) continue;
            const RECT h = handleRect(hit);
            if (PtInRect(&h, point)) return NormalizeHit(hit);
        }
    }
    const RECT r = normalized(m_rect);
    return PtInRect(&r, point) ? hitMiddle : hitNothing;
}

int CRectTracker::NormalizeHit(int hit) const {
    if (hit < hitTopLeft || hit > hitLeft) return hit;
    const bool flipX = m_rect.left > m_rect.right;
    const bool flipY = m_rect.top > m_rect.bottom;
    // The handle that ends up where this one is drawn after normalising.
    static constexpr int mirrorX[8] = {1, 0, 3, 2, 4, 7, 6, 5};
    static constexpr int mirrorY[8] = {3, 2, 1, 0, 6, 5, 4, 7};
    if (flipX) hit = mirrorX[hit];
    if (flipY) hit = mirrorY[hit];
    return hit;
}

BOOL CRectTracker::SetCursor(CWnd* window, UINT hitTest) const {
    if (!window || hitTest != HTCLIENT) return FALSE;
    POINT p;
    GetCursorPos(&p);
    window->ScreenToClient(&p);
    const int hit = HitTest(p);
    if (hit == hitNothing) return FALSE;
    LPCSTR shape = IDC_SIZEALL;
    if (hit == hitTopLeft || hit == hitBottomRight) shape = IDC_SIZENWSE;
    if (hit == hitTopRight || hit == hitBottomLeft) shape = IDC_SIZENESW;
    if (hit == hitTop || hit == hitBottom) shape = IDC_SIZENS;
    if (hit == hitLeft || hit == hitRight) shape = IDC_SIZEWE;
    ::SetCursor(LoadCursor(nullptr, shape));
    return TRUE;
}

void CRectTracker::moveEdges(int hit, const RECT& start, int dx, int dy, BOOL allowInvert) {
    RECT r = start;
    if (hit == hitMiddle) {
        OffsetRect(&r, dx, dy);
        m_rect = r;
        return;
    }
    if (movesLeft(hit)) r.left += dx;
    if (movesRight(hit)) r.right += dx;
    if (movesTop(hit)) r.top += dy;
    if (movesBottom(hit)) r.bottom += dy;
    if (!allowInvert) {
        // The dragged edge stops at the minimum size instead of crossing the other one.
        if (movesLeft(hit)) r.left = std::min<LONG>(r.left, r.right - m_sizeMin.cx);
        if (movesRight(hit)) r.right = std::max<LONG>(r.right, r.left + m_sizeMin.cx);
        if (movesTop(hit)) r.top = std::min<LONG>(r.top, r.bottom - m_sizeMin.cy);
        if (movesBottom(hit)) r.bottom = std::max<LONG>(r.bottom, r.top + m_sizeMin.cy);
    }
    m_rect = r;
}

BOOL CRectTracker::trackHandle(int hit, CWnd* window, POINT point, BOOL allowInvert) {
    if (!window || !IsWindow(window->m_hWnd) || hit == hitNothing) return FALSE;
    const RECT start = m_rect;
    HWND hwnd = window->m_hWnd;
    SetCapture(hwnd);
    bool released = false;
    MSG msg;
    while (!released && GetCapture() == hwnd && win::mouse::nextMessage(msg)) {
        const POINT at{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP)
            moveEdges(hit, start, at.x - point.x, at.y - point.y, allowInvert);
        if (msg.message == WM_LBUTTONUP) released = true;
        if (msg.message == WM_RBUTTONDOWN) break;
    }
    if (GetCapture() == hwnd) ReleaseCapture();
    if (!released) {
        m_rect = start;
        return FALSE;
    }
    return EqualRect(&start, &m_rect) ? FALSE : TRUE;
}

BOOL CRectTracker::Track(CWnd* window, POINT point, BOOL allowInvert, CWnd*) {
    return trackHandle(HitTest(point), window, point, allowInvert);
}

BOOL CRectTracker::TrackRubberBand(CWnd* window, POINT point, BOOL allowInvert) {
    m_rect = RECT{point.x, point.y, point.x, point.y};
    const SIZE keep = m_sizeMin;
    m_sizeMin = SIZE{0, 0};
    const BOOL changed = trackHandle(hitBottomRight, window, point, allowInvert);
    m_sizeMin = keep;
    return changed;
}

void CRectTracker::Draw(CDC* dc) const {
    if (!dc) return;
    const RECT r = normalized(m_rect);
    if (m_nStyle & (solidLine | dottedLine)) {
        CPen pen((m_nStyle & dottedLine) ? PS_DOT : PS_SOLID, 1, RGB(0, 0, 0));
        CPen* oldPen = dc->SelectObject(&pen);
        const HGDIOBJ oldBrush = dc->SelectStockObject(HOLLOW_BRUSH);
        dc->Rectangle(&r);
        if (oldPen) dc->SelectObject(oldPen);
        if (oldBrush) ::SelectObject(dc->m_hDC, oldBrush);
    }
    if (m_nStyle & hatchedBorder) {
        RECT outer;
        GetTrueRect(&outer);
        for (int y = outer.top; y < outer.bottom; ++y)
            for (int x = outer.left; x < outer.right; ++x) {
                const POINT p{x, y};
                if (!PtInRect(&r, p) && (x + y) % 4 == 0) dc->SetPixel(x, y, RGB(0, 0, 0));
            }
    }
    if (!hasHandles()) return;
    const bool roomX = r.right - r.left >= 3 * m_nHandleSize;
    const bool roomY = r.bottom - r.top >= 3 * m_nHandleSize;
    for (int hit = hitTopLeft; hit <= hitLeft; ++hit) {
        if ((hit == hitTop || hit == hitBottom) && !roomX) continue;
        if ((hit == hitLeft || hit == hitRight) && !roomY) continue;
        const RECT h = handleRect(hit);
        dc->FillSolidRect(&h, RGB(0, 0, 0));
    }
}
