#pragma once
// What a grid window tells its parent when the user acts on it: the message numbers, the
// command codes of check cells and how their parameters are packed. Every dialog that
// listens to a grid reads them from here.
//
// Each notification is sent (not posted) to the parent window with
//   wParam = the grid's control id,
//   lParam = a pointer to a GridNotice, valid only while the parent handles the message.
// The parent's answer is ignored. Header cells are reported with 0 for the header band
// (row 0: a column header, column 0: a row header).
#include "win/WinTypes.h"

namespace grid {

// The cell editor opened on the active cell (column, row).
inline constexpr UINT kGridEditStarted = 0x502;
// The cell editor closed (column, row); sent whether or not the text was kept.
inline constexpr UINT kGridEditEnded = 0x503;
// The user changed a cell's content (column, row): a typed text kept, a combo item chosen,
// a check box toggled. Sent just before kGridValueChanged.
inline constexpr UINT kGridChanged = 0x508;
// A left click on a cell or a header cell (column, row, point).
inline constexpr UINT kGridClick = 0x509;
// A double click on a cell or a header cell (column, row, point).
inline constexpr UINT kGridDoubleClick = 0x50A;
// A click on a button cell that is not locked (column, row).
inline constexpr UINT kGridButtonClicked = 0x50B;
// The active cell is about to leave (column, row) for (newColumn, newRow).
inline constexpr UINT kGridLeaveCell = 0x50C;
// The selected block changed: (column, row) to (newColumn, newRow), or no block at all
// (all four 0).
inline constexpr UINT kGridSelectionChanged = 0x516;
// A cell's value was changed by the user (column, row).
inline constexpr UINT kGridValueChanged = 0x517;
// A right click (button pressed) on a cell or a header cell (column, row, point); a data
// cell outside the selected block has become the active cell before this is sent.
inline constexpr UINT kGridRightClick = 0x518;
// The first shown column and row changed (newColumn, newRow) by scrolling.
inline constexpr UINT kGridTopLeftChanged = 0x521;

// Check cells report their toggle as a command message, first to the grid window itself
// (so a sheet object wrapping the window can follow it) and then, from the grid's own
// procedure, to the parent: wParam = MAKEWPARAM(control id, code), lParam = the grid window.
inline constexpr WORD kGridCheckTurnedOn = 59;
inline constexpr WORD kGridCheckTurnedOff = 60;

struct GridNotice {
    HWND grid = nullptr;
    int column = 0, row = 0;
    int newColumn = 0, newRow = 0;  // leave cell, selection change, top-left change
    POINT point{0, 0};               // mouse notifications: client coordinates in the grid
};

// The notice of a grid notification's lParam.
inline const GridNotice& gridNotice(LPARAM lParam) {
    return *reinterpret_cast<const GridNotice*>(lParam);
}

}  // namespace grid
