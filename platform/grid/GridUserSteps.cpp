#include "grid/GridUserSteps.h"

#include <algorithm>
#include <string>

#include "grid/SpreadApi.h"
#include "grid/SpreadModel.h"
#include "win/UserSteps.h"
#include "win/Window.h"

namespace grid {

namespace {

constexpr WORD kScrollThumbPosition = 4;

std::string cellName(int col, int row) {
    return "cell (" + std::to_string(col) + ", " + std::to_string(row) + ")";
}

// The grid window of a dialog's control, or null with a failure recorded.
HWND gridOf(HWND dialog, int controlId, const std::string& what) {
    HWND grid = dialog ? GetDlgItem(dialog, controlId) : nullptr;
    if (!grid || !SSGetModel(grid)) {
        win::detail::recordFailure(what + ": no grid " + std::to_string(controlId) +
                                   " in the dialog");
        return nullptr;
    }
    return grid;
}

// Where a person would point at the cell: its centre, after scrolling it into view the way
// the scroll bars do when it is not wholly shown.
bool pointAt(HWND grid, int col, int row, POINT& at, const std::string& what) {
    if (col < 0 || row < 0 || col > SSGetMaxCols(grid) || row > SSGetMaxRows(grid)) {
        win::detail::recordFailure(what + ": " + cellName(col, row) + " is outside the sheet");
        return false;
    }
    RECT cell, client;
    GetClientRect(grid, &client);
    const bool shown = SSGetCellRect(grid, col, row, &cell) && cell.left >= 0 &&
                       cell.top >= 0 && cell.right <= client.right &&
                       cell.bottom <= client.bottom;
    if (!shown) {
        if (row >= 1)
            SendMessage(grid, WM_VSCROLL, MAKEWPARAM(kScrollThumbPosition, row), 0);
        if (col >= 1)
            SendMessage(grid, WM_HSCROLL, MAKEWPARAM(kScrollThumbPosition, col), 0);
        if (!SSGetCellRect(grid, col, row, &cell)) {
            win::detail::recordFailure(what + ": " + cellName(col, row) + " is not shown");
            return false;
        }
    }
    at.x = (std::max<LONG>(cell.left, 0) + std::min(cell.right, client.right)) / 2;
    at.y = (std::max<LONG>(cell.top, 0) + std::min(cell.bottom, client.bottom)) / 2;
    return true;
}

void send(HWND grid, UINT message, POINT at, WPARAM keys) {
    SendMessage(grid, message, keys, MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)));
}

std::string valueOf(HWND grid, int col, int row) {
    char buffer[64] = {};
    SSGetValue(grid, col, row, buffer, sizeof buffer);
    return buffer;
}

HWND dialogOrFail(const win::DialogRef& ref, const std::string& what) {
    HWND dialog = win::resolveDialog(ref);
    if (!dialog) win::detail::recordFailure(what + ": no such dialog is open");
    return dialog;
}

}  // namespace

namespace act {

bool clickCell(HWND dialog, int controlId, int col, int row, WPARAM keys) {
    HWND grid = gridOf(dialog, controlId, "click cell");
    POINT at;
    if (!grid || !pointAt(grid, col, row, at, "click cell")) return false;
    if (!win::act::mouse(dialog, controlId, WM_LBUTTONDOWN, at, keys | MK_LBUTTON)) return false;
    if (IsWindow(grid)) send(grid, WM_LBUTTONUP, at, keys);
    return true;
}

bool doubleClickCell(HWND dialog, int controlId, int col, int row) {
    if (!clickCell(dialog, controlId, col, row)) return false;
    HWND grid = GetDlgItem(dialog, controlId);
    POINT at;
    if (!grid || !pointAt(grid, col, row, at, "double click cell")) return true;
    send(grid, WM_LBUTTONDBLCLK, at, MK_LBUTTON);
    if (IsWindow(grid)) send(grid, WM_LBUTTONUP, at, 0);
    return true;
}

bool rightClickCell(HWND dialog, int controlId, int col, int row) {
    HWND grid = gridOf(dialog, controlId, "right click cell");
    POINT at;
    if (!grid || !pointAt(grid, col, row, at, "right click cell")) return false;
    if (!win::act::mouse(dialog, controlId, WM_RBUTTONDOWN, at, MK_RBUTTON)) return false;
    if (IsWindow(grid)) send(grid, WM_RBUTTONUP, at, 0);
    return true;
}

bool typeInCell(HWND dialog, int controlId, int col, int row, const std::string& text) {
    if (!clickCell(dialog, controlId, col, row)) return false;
    HWND grid = GetDlgItem(dialog, controlId);
    for (char c : text) {
        if (!IsWindow(grid)) return true;
        SendMessage(grid, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
    }
    if (!IsWindow(grid)) return true;
    if (!text.empty() && !SSGetEditMode(grid)) {
        win::detail::recordFailure("type into cell: " + cellName(col, row) +
                                   " does not take typing");
        return false;
    }
    return win::act::pressKey(dialog, VK_RETURN);
}

bool tickCell(HWND dialog, int controlId, int col, int row, int state) {
    HWND grid = gridOf(dialog, controlId, "tick cell");
    if (!grid) return false;
    SSCELLTYPE type;
    if (!SSGetCellType(grid, col, row, &type) || type.code != kTypeCheckBox) {
        win::detail::recordFailure("tick cell: " + cellName(col, row) + " is no check box");
        return false;
    }
    if (state >= 0 && valueOf(grid, col, row) == (state ? "1" : "0")) return true;
    return clickCell(dialog, controlId, col, row);
}

bool pressGridKey(HWND dialog, int controlId, int virtualKey, win::KeyModifiers modifiers) {
    if (!gridOf(dialog, controlId, "press key in grid")) return false;
    return win::act::focus(dialog, controlId) &&
           win::act::pressKey(dialog, virtualKey, modifiers);
}

bool dragCells(HWND dialog, int controlId, int col1, int row1, int col2, int row2) {
    HWND grid = gridOf(dialog, controlId, "drag cells");
    POINT from, to;
    if (!grid || !pointAt(grid, col1, row1, from, "drag cells")) return false;
    if (!win::act::mouse(dialog, controlId, WM_LBUTTONDOWN, from, MK_LBUTTON)) return false;
    if (!IsWindow(grid) || !pointAt(grid, col2, row2, to, "drag cells")) return false;
    send(grid, WM_MOUSEMOVE, to, MK_LBUTTON);
    if (IsWindow(grid)) send(grid, WM_LBUTTONUP, to, 0);
    return true;
}

}  // namespace act

namespace user {

void clickCell(int controlId, int col, int row, win::DialogRef dialog, WPARAM keys) {
    win::user::act([=] {
        if (HWND d = dialogOrFail(dialog, "click cell"))
            act::clickCell(d, controlId, col, row, keys);
    }, "click cell");
}

void doubleClickCell(int controlId, int col, int row, win::DialogRef dialog) {
    win::user::act([=] {
        if (HWND d = dialogOrFail(dialog, "double click cell"))
            act::doubleClickCell(d, controlId, col, row);
    }, "double click cell");
}

void rightClickCell(int controlId, int col, int row, win::DialogRef dialog) {
    win::user::act([=] {
        if (HWND d = dialogOrFail(dialog, "right click cell"))
            act::rightClickCell(d, controlId, col, row);
    }, "right click cell");
}

void typeInCell(int controlId, int col, int row, std::string text, win::DialogRef dialog) {
    win::user::act([=] {
        if (HWND d = dialogOrFail(dialog, "type into cell"))
            act::typeInCell(d, controlId, col, row, text);
    }, "type into cell");
}

void tickCell(int controlId, int col, int row, int state, win::DialogRef dialog) {
    win::user::act([=] {
        if (HWND d = dialogOrFail(dialog, "tick cell")) act::tickCell(d, controlId, col, row, state);
    }, "tick cell");
}

void pressGridKey(int controlId, int virtualKey, win::KeyModifiers modifiers,
                  win::DialogRef dialog) {
    win::user::act([=] {
        if (HWND d = dialogOrFail(dialog, "press key in grid"))
            act::pressGridKey(d, controlId, virtualKey, modifiers);
    }, "press key in grid");
}

void dragCells(int controlId, int col1, int row1, int col2, int row2, win::DialogRef dialog) {
    win::user::act([=] {
        if (HWND d = dialogOrFail(dialog, "drag cells"))
            act::dragCells(d, controlId, col1, row1, col2, row2);
    }, "drag cells");
}

}  // namespace user

}  // namespace grid
