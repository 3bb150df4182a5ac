#pragma once
// Sends a grid window's notifications to its parent (see GridNotifications.h).
#include "grid/GridNotifications.h"

namespace grid {

struct SpreadControl;

// Each returns whether the grid window still exists afterwards: a parent may close the
// dialog, and the grid with it, while it handles a notification.
bool notifyParent(HWND grid, UINT message, const GridNotice& notice);
bool notifyCell(HWND grid, UINT message, int column, int row);
// The command of a check cell turned on or off, through the grid window to its parent.
bool notifyCheck(HWND grid, bool on);

}  // namespace grid
