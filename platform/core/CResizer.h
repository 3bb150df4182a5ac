#pragma once
// Keeps the controls of a resizable dialog in place when its size changes: each edge of a
// control is anchored to an edge or the centre of the dialog's client area (it keeps its
// distance to it) or scales with the client size. Init records the controls' rectangles and
// the client size; Move, called on every size change, places them all in one batch. It also
// keeps the dialog's minimum tracking size, reported only once it was set (a dialog sets it
// at the end of its initialisation, so the template's own size does not limit the restore of
// a stored size).
#include <vector>

#include "win/CWnd.h"

class CResizer {
public:
    enum Anchor {
        eLeft = 0,      // keeps its distance to the left (or, for top and bottom, the top)
        eTop = eLeft,
        eRight = 1,     // to the right (bottom) edge
        eBottom = eRight,
        eCenter = 2,    // to the centre
        eProportional = 3,  // scales with the width (height)
    };
    struct CBorderInfo {
        int id;  // control id
        Anchor left, top, right, bottom;
    };

    // Forgets earlier controls. False when parent is not a window or some id is not a child
    // of it (the others are still registered).
    bool Init(HWND parent, const CBorderInfo* info, int count);
    // Places every registered control for the parent's current client size; false when the
    // parent is gone or the batch failed.
    bool Move();
    int controlCount() const { return static_cast<int>(m_entries.size()); }

    void setMinimumTrackSize(SIZE size);
    // Puts the minimum tracking size into info once it is set; false (info untouched) before.
    bool OnGetMinMaxInfo(MINMAXINFO* info) const;

private:
    struct Entry {
        HWND window;
        RECT rect;  // at Init, in the parent's client coordinates
        Anchor left, top, right, bottom;
    };
    static LONG place(LONG registered, Anchor anchor, LONG oldSize, LONG newSize);

    HWND m_parent = nullptr;
    SIZE m_client{};
    std::vector<Entry> m_entries;
    SIZE m_minimum{};
    bool m_minimumSet = false;
};
