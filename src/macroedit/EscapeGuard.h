#pragma once
// For two seconds after the editor highlights something or shows another row, an Escape key
// belongs to the drawing (it ends the highlight there) and must not close the editor. One
// guard for the process: a flag and the thread timer that clears it.
namespace escape_guard {

inline constexpr unsigned kGuardMilliseconds = 2000;

// Sets the flag and (re)starts the timer.
void start();
bool isActive();
// Clears the flag and kills the timer (the editor ends).
void stop();

}  // namespace escape_guard
