#pragma once
// A rectangle the user moves and resizes with the mouse, or a rubber band the user pulls open:
// hit test of its eight handles and inside, drawing of frame and handles, the cursor for a
// handle, and tracking. Tracking holds the mouse (SetCapture) and takes the following mouse
// events from the input queue until the left button is released; a right-button press, or
// an input queue that runs dry before the release (nobody is holding the mouse any more),
// cancels and restores the rectangle. Coordinates are the client coordinates of the window
// tracked in.
#include "win/CDC.h"
#include "win/CWnd.h"

class CRectTracker {
public:
    enum StyleFlags {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32,
    };
    enum TrackerHit {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8,
    };

    CRectTracker() = default;
    CRectTracker(LPCRECT rect, UINT style);
    virtual ~CRectTracker() = default;

    RECT m_rect;
    UINT m_nStyle = 0;
    int m_nHandleSize = 7;
    SIZE m_sizeMin{1, 1};

    void Draw(CDC* dc) const;
    // The rectangle with the handles and border that lie outside it.
    void GetTrueRect(LPRECT rect) const;
    // For WM_SETCURSOR: sets the move or resize cursor when the pointer is on the tracker;
    // false (cursor unchanged) elsewhere or for another hit-test code than the client area.
    BOOL SetCursor(CWnd* window, UINT hitTest) const;
    // A handle, hitMiddle inside the rectangle, hitNothing elsewhere. Handles exist only with
    // a resize style.
    int HitTest(POINT point) const;
    // The hit of the handle after the rectangle was turned inside out.
    int NormalizeHit(int hit) const;
    // Moves or resizes from a press at point (nothing happens away from the tracker). True
    // when the left button was released and the rectangle changed; m_rect is the result.
    BOOL Track(CWnd* window, POINT point, BOOL allowInvert = FALSE, CWnd* clipTo = nullptr);
    // Pulls a band open from point; m_rect may come back inside out when allowInvert.
    BOOL TrackRubberBand(CWnd* window, POINT point, BOOL allowInvert = TRUE);

private:
    RECT handleRect(int hit) const;
    bool hasHandles() const { return (m_nStyle & (resizeInside | resizeOutside)) != 0; }
    BOOL trackHandle(int hit, CWnd* window, POINT point, BOOL allowInvert);
    void moveEdges(int hit, const RECT& start, int dx, int dy, BOOL allowInvert);
};
