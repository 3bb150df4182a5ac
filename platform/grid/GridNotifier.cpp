#include "grid/GridNotifier.h"

#include "win/Window.h"

namespace grid {

bool notifyParent(HWND grid, UINT message, const GridNotice& notice) {
    HWND parent = GetParent(grid);
    if (parent) {
        GridNotice copy = notice;
        copy.grid = grid;
        SendMessage(parent, message, static_cast<WPARAM>(GetDlgCtrlID(grid)),
                    reinterpret_cast<LPARAM>(&copy));
    }
    return IsWindow(grid) != FALSE;
}

bool notifyCell(HWND grid, UINT message, int column, int row) {
    GridNotice notice;
    notice.column = column;
    notice.row = row;
    return notifyParent(grid, message, notice);
}

bool notifyCheck(HWND grid, bool on) {
    const WORD code = on ? kGridCheckTurnedOn : kGridCheckTurnedOff;
    SendMessage(grid, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(grid)), code),
                reinterpret_cast<LPARAM>(grid));
    return IsWindow(grid) != FALSE;
}

}  // namespace grid
