#pragma once
// The user's mouse and keys on a grid window: cells are hit-tested from client coordinates,
// the active cell and the selected block move, the cell editor types, check cells toggle,
// and the parent hears of each step through the notifications of GridNotifications.h.
#include "win/WinTypes.h"

namespace grid {

struct SpreadControl;

// True when the message is user input the grid handled; result is then its answer.
bool handleUserInput(SpreadControl& control, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& result);

// Makes a cell the active one as the program does (no notifications): any selected block
// is dropped and the cell scrolled into view. False outside the sheet.
bool activateCell(SpreadControl& control, int column, int row);

}  // namespace grid
