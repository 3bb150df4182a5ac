#pragma once
// The frame around one realised control on the design surface: it creates and owns the
// control's window, knows whether it is selected and where its resize handles are.
#include <memory>

#include "core/Mdx_String.h"
#include "win/WinTypes.h"

class CWnd;

class CControlRect {
public:
    // Where a point lies on the frame: a corner or edge handle, inside, or outside.
    enum Hit {
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
    static constexpr int kHandleSize = 7;

    CControlRect();
    CControlRect(const CControlRect&) = delete;
    CControlRect& operator=(const CControlRect&) = delete;
    ~CControlRect();  // destroys the window

    // Creates the window of a control of this type on parent; false when it could not be.
    bool create(int type, const Mdx_String& text, const RECT& rect, CWnd* parent, int id);
    CWnd* window() const { return m_window.get(); }
    int id() const;

    int hitTest(POINT point) const;
    // A handle's square, centred on its corner or edge.
    RECT handleRect(int hit) const;
    // The frame follows the window and the other way round.
    void takeRectFromWindow();
    void moveWindowToRect();

    RECT m_rect{};
    bool m_selected = false;

private:
    std::unique_ptr<CWnd> m_window;
};
