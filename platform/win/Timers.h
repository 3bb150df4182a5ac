#pragma once
// Timers on a virtual clock. Nothing sleeps: tests and scenarios advance the clock, and every
// timer that falls due on the way fires in due order (ties in the order they were set).
#include <cstddef>

#include "win/WinTypes.h"

// A window timer (hwnd set) keeps the caller's id; SetTimer again with the same window and id
// restarts it. A window-less timer gets a fresh id, unless id names a live window-less timer,
// which is then restarted. Intervals below 10 ms count as 10 ms, as on the real system.
// Without a callback a window timer sends WM_TIMER to its window.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC callback);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
// Milliseconds of the virtual clock.
DWORD GetTickCount();

namespace win {

// Moves the virtual clock forward, firing due timers; posted messages are delivered after
// each firing.
void advanceClock(DWORD milliseconds);
std::size_t activeTimerCount();
void killTimersOf(HWND hwnd);
// Drops every timer and sets the clock back to 0 (tests).
void resetTimers();

}  // namespace win
