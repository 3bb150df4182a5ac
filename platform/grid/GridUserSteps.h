#pragma once
// The scripted user on a grid control: clicks, double clicks, right clicks, typing, ticking,
// keys and drags on cells, done the way a person does them. Each becomes the mouse and key
// messages a person's hand would produce, at the cell's place in the window (scrolling it
// into view first when needed); the control hit-tests them and notifies its parent. Nothing
// writes the grid's data behind the user's back.
#include <string>

#include "win/ScriptedUser.h"

namespace grid {

// Immediate actions on the grid with a control id in a dialog. Each returns false (and
// records a failure) when the user could not do it: no such grid, a cell outside the
// sheet, a cell that refuses typing or is no check box.
namespace act {
bool clickCell(HWND dialog, int controlId, int col, int row, WPARAM keys = 0);
bool doubleClickCell(HWND dialog, int controlId, int col, int row);
bool rightClickCell(HWND dialog, int controlId, int col, int row);
// Clicks the cell, types the text character by character and ends the editor with Enter.
bool typeInCell(HWND dialog, int controlId, int col, int row, const std::string& text);
// Clicks a check cell unless it already shows the state (0 or 1); -1 always clicks.
bool tickCell(HWND dialog, int controlId, int col, int row, int state);
// Focuses the grid and presses a key there.
bool pressGridKey(HWND dialog, int controlId, int virtualKey, win::KeyModifiers modifiers);
// Presses the left button on one cell, moves over to another and releases it there.
bool dragCells(HWND dialog, int controlId, int col1, int row1, int col2, int row2);
}  // namespace act

// The same as queued steps of the scripted user (see win/ScriptedUser.h).
namespace user {
void clickCell(int controlId, int col, int row, win::DialogRef dialog = {}, WPARAM keys = 0);
void doubleClickCell(int controlId, int col, int row, win::DialogRef dialog = {});
// A right click; the popup menu it opens takes the menu step queued right after it.
void rightClickCell(int controlId, int col, int row, win::DialogRef dialog = {});
void typeInCell(int controlId, int col, int row, std::string text, win::DialogRef dialog = {});
void tickCell(int controlId, int col, int row, int state, win::DialogRef dialog = {});
void pressGridKey(int controlId, int virtualKey, win::KeyModifiers modifiers = {},
                  win::DialogRef dialog = {});
void dragCells(int controlId, int col1, int row1, int col2, int row2,
               win::DialogRef dialog = {});
}  // namespace user

}  // namespace grid
