#pragma once
// The cell editor of a grid window: what the user's typing does to the active cell. Text
// goes through the cell type's typing rules; a locked cell, or one whose type takes no
// typing, refuses. A kept change is written as data text and reported to the parent: edit
// ended, changed, value changed, in that order.
//
// Every function that notifies returns whether the grid window still exists afterwards.
namespace grid {

struct SpreadControl;

// Opens the editor on the active cell, with its text or (replace) empty. False when the
// cell refuses typing.
bool canEdit(const SpreadControl& control, int column, int row);
bool beginEdit(SpreadControl& control, bool replace);
// Types one character at the editor's selection, opening the editor with an empty text
// first; characters the type does not take are dropped.
bool typeCharacter(SpreadControl& control, char c);
// Backspace (before) or Delete (after) inside the editor.
void eraseCharacter(SpreadControl& control, bool before);
void moveCaret(SpreadControl& control, int position);
// Keeps the editor's text when the type accepts it, else the cell keeps its value.
bool commitEdit(SpreadControl& control);
bool cancelEdit(SpreadControl& control);
// Toggles a check cell that is not locked: "1" <-> "0"; the check command (59 on, 60 off)
// goes out before the change notifications.
bool toggleCheck(SpreadControl& control, int column, int row);
// Delete outside the editor: empties an unlocked cell that takes typing.
bool clearByUser(SpreadControl& control, int column, int row);

}  // namespace grid
