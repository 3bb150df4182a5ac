#pragma once
// The selection on the design surface: every control frame of the host, the selected ones in
// the order they were selected, and what a mouse press does to them.
#include <functional>
#include <vector>

#include "win/WinTypes.h"

class CControlRect;
class CDC;
class CWnd;

class CControlRectManager {
public:
    // Follows the mouse from a press until release and gives the rectangle it made: a moved
    // rectangle (handle hitMiddle), a resized one (a handle), or a rubber band from the press
    // point (handle hitNothing). False when the user gave up. Without one set, the window
    // layer's rectangle tracker follows the mouse; the rectangle is in host client coordinates.
    using Tracker = std::function<bool(RECT& rect, POINT press, int handle)>;

    explicit CControlRectManager(CWnd* host);

    void setTracker(Tracker tracker) { m_tracker = std::move(tracker); }
    CWnd* host() const { return m_host; }
    void setHost(CWnd* host) { m_host = host; }

    void add(CControlRect* rect);
    void remove(CControlRect* rect);
    const std::vector<CControlRect*>& all() const { return m_all; }
    const std::vector<CControlRect*>& selection() const { return m_selection; }

    void select(CControlRect* rect);
    void deselect(CControlRect* rect);
    void toggle(CControlRect* rect);
    void clearSelection();
    // The window ids of the selected controls, in selection order.
    std::vector<int> selectedIds() const;
    CControlRect* findById(int id) const;

    // A press on the surface with its key flags (MK_CONTROL, MK_SHIFT): selects, moves,
    // resizes or selects by rubber band. True when something was hit or banded.
    bool onLButtonDown(UINT flags, POINT point);
    // The smallest rectangle around every selected frame.
    RECT selectionUnion() const;
    // Trackers of the selected controls; true when one set the cursor.
    void draw(CDC* dc) const;
    bool setCursor(UINT hitTest) const;

private:
    void moveSelection(POINT press);
    void resize(CControlRect* rect, POINT press, int handle);
    void rubberBand(POINT press);
    bool track(RECT& rect, POINT press, int handle);

    CWnd* m_host = nullptr;
    std::vector<CControlRect*> m_all;
    std::vector<CControlRect*> m_selection;
    Tracker m_tracker;
};
