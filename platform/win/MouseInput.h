#pragma once
// Mouse input. Every mouse event -- a scripted press, a drag, a browser's click -- enters the
// one input queue as a screen point with its buttons and keys, and is routed the way the
// window system routes it when it is taken from the queue: to the window that captured the
// mouse, else to the deepest visible, enabled window under the point (static texts without
// SS_NOTIFY and group boxes let the pointer through to their parent; a disabled child sends
// it to its parent). The window first hears WM_SETCURSOR (unless the mouse is captured), then
// the mouse message in its client coordinates with the key flags (MK_*). A loop that tracks
// the mouse itself (a rectangle tracker, a drag) takes the following events with nextMessage.
#include <string>

#include "win/WinTypes.h"

inline constexpr int VK_LBUTTON = 0x01;
inline constexpr int VK_RBUTTON = 0x02;
inline constexpr int VK_MBUTTON = 0x04;
inline constexpr UINT WM_CAPTURECHANGED = 0x0215;
inline constexpr UINT HTNOWHERE = 0;
inline constexpr UINT HTCLIENT = 1;

HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
HWND WindowFromPoint(POINT screen);
// The child of parent (direct, visible) containing the point of parent's client area;
// parent itself when none does; null when the point lies outside parent.
HWND ChildWindowFromPoint(HWND parent, POINT client);

// Cursors: the system's shapes by number (IDC_*); LoadCursor with a module loads nothing
// else. The cursor shown is what the last SetCursor set.
HCURSOR LoadCursor(HINSTANCE module, LPCSTR name);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
inline const LPCSTR IDC_ARROW = reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(32512));
inline const LPCSTR IDC_IBEAM = reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(32513));
inline const LPCSTR IDC_WAIT = reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(32514));
inline const LPCSTR IDC_CROSS = reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(32515));
inline const LPCSTR IDC_SIZENWSE = reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(32642));
inline const LPCSTR IDC_SIZENESW = reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(32643));
inline const LPCSTR IDC_SIZEWE = reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(32644));
inline const LPCSTR IDC_SIZENS = reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(32645));
inline const LPCSTR IDC_SIZEALL = reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(32646));
inline const LPCSTR IDC_NO = reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(32648));

namespace win {

// "arrow", "ibeam", "wait", "cross", "size nwse", "size nesw", "size we", "size ns",
// "size all", "no"; empty for no cursor.
std::string cursorName(HCURSOR cursor);

namespace mouse {

// Queues one event: WM_MOUSEMOVE or a button message (down, up, double click) at a screen
// point; keys are MK_SHIFT and MK_CONTROL held with it (the button flags follow the
// buttons). False for another message.
bool queueEvent(UINT message, POINT screen, WPARAM keys = 0);
std::size_t queuedEvents();
// Delivers the queued events in order, including those a handler queues; returns how many.
int pumpInput();
// Takes the next queued event, routed to its window (for tracking loops); false when the
// queue is empty. The caller handles or dispatches it.
bool nextMessage(MSG& out);
// Whether a mouse button (VK_LBUTTON, VK_RBUTTON, VK_MBUTTON) is down, or Shift or Ctrl is
// held with the event being handled (GetKeyState asks this).
bool keyDown(int virtualKey);
// Drops queued events, capture, held buttons and the cursor (tests).
void reset();

}  // namespace mouse
}  // namespace win
