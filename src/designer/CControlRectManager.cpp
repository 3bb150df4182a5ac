#include "designer/CControlRectManager.h"

#include <algorithm>

#include "designer/CControlRect.h"
#include "win/CDC.h"
#include "win/CRectTracker.h"
#include "win/CWnd.h"

CControlRectManager::CControlRectManager(CWnd* host) : m_host(host) {}

void CControlRectManager::add(CControlRect* rect) {
    if (rect && std::find(m_all.begin(), m_all.end(), rect) == m_all.end()) m_all.push_back(rect);
}

void CControlRectManager::remove(CControlRect* rect) {
    deselect(rect);
    m_all.erase(std::remove(m_all.begin(), m_all.end(), rect), m_all.end());
}

void CControlRectManager::select(CControlRect* rect) {
    if (!rect || rect->m_selected) return;
    rect->m_selected = true;
    m_selection.push_back(rect);
}

void CControlRectManager::deselect(CControlRect* rect) {
    if (!rect) return;
    rect->m_selected = false;
    m_selection.erase(std::remove(m_selection.begin(), m_selection.end(), rect), m_selection.end());
}

void CControlRectManager::toggle(CControlRect* rect) {
    if (rect && rect->m_selected)
        deselect(rect);
    else
        select(rect);
}

void CControlRectManager::clearSelection() {
    for (CControlRect* rect : m_selection) rect->m_selected = false;
    m_selection.clear();
}

std::vector<int> CControlRectManager::selectedIds() const {
    std::vector<int> ids;
    for (const CControlRect* rect : m_selection) ids.push_back(rect->id());
    return ids;
}

CControlRect* CControlRectManager::findById(int id) const {
    for (CControlRect* rect : m_all)
        if (rect->id() == id) return rect;
    return nullptr;
}

RECT CControlRectManager::selectionUnion() const {
    RECT u{};
    bool first = true;
    for (const CControlRect* rect : m_selection) {
        if (first) {
            u = rect->m_rect;
            first = false;
            continue;
        }
        u.left = std::min(u.left, rect->m_rect.left);
        u.top = std::min(u.top, rect->m_rect.top);
        u.right = std::max(u.right, rect->m_rect.right);
        u.bottom = std::max(u.bottom, rect->m_rect.bottom);
    }
    return u;
}

bool CControlRectManager::onLButtonDown(UINT flags, POINT point) {
    CControlRect* hitRect = nullptr;
    int hit = CControlRect::hitNothing;
    for (CControlRect* rect : m_all) {
        hit = rect->HitTest(point);
        if (hit != CControlRect::hitNothing) {
            hitRect = rect;
            break;
        }
    }
    if (hitRect) {
        if (flags & MK_CONTROL) {
            toggle(hitRect);
        } else if (flags & MK_SHIFT) {
            select(hitRect);
        } else {
            if (!hitRect->m_selected) {
                clearSelection();
                select(hitRect);
            }
            if (hit == CControlRect::hitMiddle)
                moveSelection(point);
            else
                resize(hitRect, point, hit);
        }
    } else if (!(flags & (MK_CONTROL | MK_SHIFT))) {
        clearSelection();
        rubberBand(point);
    }
    if (m_host && m_host->m_hWnd) m_host->Invalidate();
    return hitRect != nullptr || !(flags & (MK_CONTROL | MK_SHIFT));
}

// The selection moves as one: by the offset by which the rectangle around it moved.
void CControlRectManager::moveSelection(POINT press) {
    const RECT before = selectionUnion();
    RECT after = before;
    if (!track(after, press, CControlRect::hitMiddle)) return;
    const int dx = after.left - before.left, dy = after.top - before.top;
    if (dx == 0 && dy == 0) return;
    for (CControlRect* rect : m_selection) {
        OffsetRect(&rect->m_rect, dx, dy);
        rect->moveWindowToRect();
    }
}

void CControlRectManager::resize(CControlRect* rect, POINT press, int handle) {
    RECT r = rect->m_rect;
    if (!track(r, press, handle)) return;
    // A frame dragged over its opposite edge turns round, as the tracker normalises it.
    rect->m_rect = RECT{std::min(r.left, r.right), std::min(r.top, r.bottom),
                        std::max(r.left, r.right), std::max(r.top, r.bottom)};
    rect->moveWindowToRect();
}

void CControlRectManager::rubberBand(POINT press) {
    RECT band{press.x, press.y, press.x, press.y};
    if (!track(band, press, CControlRect::hitNothing)) return;
    band = {std::min(band.left, band.right), std::min(band.top, band.bottom),
            std::max(band.left, band.right), std::max(band.top, band.bottom)};
    for (CControlRect* rect : m_all) {
        RECT inside{};
        IntersectRect(&inside, &rect->m_rect, &band);
        if (EqualRect(&inside, &rect->m_rect)) select(rect);
    }
}

bool CControlRectManager::track(RECT& rect, POINT press, int handle) {
    if (m_tracker) return m_tracker(rect, press, handle);
    if (!m_host || !m_host->m_hWnd) return false;
    // A move tracks the selection's outline without handles, so the press always moves it.
    const UINT style = handle == CRectTracker::hitMiddle
                           ? UINT(CRectTracker::solidLine)
                           : UINT(CRectTracker::solidLine | CRectTracker::resizeOutside);
    CRectTracker tracker(&rect, style);
    const BOOL done = handle == CRectTracker::hitNothing
                          ? tracker.TrackRubberBand(m_host, press, TRUE)
                          : tracker.Track(m_host, press, FALSE);
    if (!done) return false;
    rect = tracker.m_rect;
    return true;
}

void CControlRectManager::draw(CDC* dc) const {
    for (const CControlRect* rect : m_selection) rect->Draw(dc);
}

bool CControlRectManager::setCursor(UINT hitTest) const {
    for (const CControlRect* rect : m_all)
        if (rect->SetCursor(m_host, hitTest)) return true;
    return false;
}
