#pragma once
// A person's pointer on a dialog as drawn: the point is in the dialog's picture (origin at
// the window's top-left corner, frame and caption included), as the browser front end and a
// scenario's pointer steps give it. It enters the one mouse input queue as a screen point,
// so it is routed exactly as any other mouse event.
#include <vector>

#include "win/WinTypes.h"

namespace win {

// One mouse message (WM_LBUTTONDOWN, WM_MOUSEMOVE, ...) with its key flags (MK_SHIFT, ...),
// delivered at once. False when the point lies outside the dialog or it is not shown.
bool sendPointer(HWND top, POINT picture, UINT message, WPARAM keys = 0);

// What a person sees: the visible top-level windows, bottom of the z-order first (the order
// to draw them in).
std::vector<HWND> visibleTopLevelWindows();
// The dialog template a window was made from, 0 for none.
UINT dialogTemplateId(HWND window);

}  // namespace win
