#pragma once
// The tracker around one realised control on the design surface: it creates and owns the
// control's window and knows whether it is selected.
#include <memory>

#include "core/Mdx_String.h"
#include "win/CRectTracker.h"

class CWnd;

class CControlRect : public CRectTracker {
public:
    CControlRect();
    CControlRect(const CControlRect&) = delete;
    CControlRect& operator=(const CControlRect&) = delete;
    ~CControlRect() override;  // destroys the window

    // Creates the window of a control of this type on parent; false when it could not be.
    bool create(int type, const Mdx_String& text, const RECT& rect, CWnd* parent, int id);
    CWnd* window() const { return m_window.get(); }
    int id() const;

    // The tracker follows the window and the other way round.
    void takeRectFromWindow();
    void moveWindowToRect();

    bool m_selected = false;

private:
    std::unique_ptr<CWnd> m_window;
};
