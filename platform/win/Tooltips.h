#pragma once
// Tooltips: one record per control (its text, and the number of that text in the string
// table when it came from there). A tooltip shows when the pointer has rested on its control
// for the hover time of the virtual clock and hides when the pointer leaves, a button is
// pressed or the control goes away. The window painter draws the tooltip that shows.
#include <string>
#include <vector>

#include "win/WinTypes.h"

namespace win {

struct TooltipRecord {
    HWND control = nullptr;
    std::string text;
    UINT textId = 0;  // 0 when the text was given directly
};

inline constexpr DWORD kTooltipHoverMs = 500;

// Sets or replaces the tooltip of a control; an empty text removes it. False for a window
// that does not exist.
bool setTooltip(HWND control, const std::string& text, UINT textId = 0);
void removeTooltip(HWND control);
// Null when the control has none (or is gone).
const TooltipRecord* tooltipOf(HWND control);

// The tooltip on screen now; null when none shows.
const TooltipRecord* shownTooltip();
// Every tooltip that showed, oldest first.
const std::vector<TooltipRecord>& shownTooltips();

// Forgets every record and what showed (tests).
void resetTooltips();

namespace detail {
// The mouse input path reports the window under the pointer after every move, and presses.
void pointerOver(HWND window);
void pointerPressed();
}  // namespace detail

}  // namespace win
