#pragma once
// The scripted user's mouse: pointing, hovering, clicking and dragging through the mouse
// input path (win/MouseInput.h), so a control sees the same messages as from a hand on a
// mouse. Points are in the client coordinates of a control of the dialog, or of the dialog
// itself for control id 0. The control must exist and be visible; a disabled control is a
// place on its dialog like any other (the dialog gets the input there).
#include "win/ScriptedUser.h"

namespace win {

struct DragKeys {
    bool shift = false;
    bool ctrl = false;
};

namespace user {

// Moves the pointer onto the point (the control's centre without one) and rests there for
// the hover time, so the control's tooltip shows.
void hover(int controlId, DialogRef dialog = {});
void hoverAt(int controlId, POINT at, DialogRef dialog = {});
// Left press and release at the point; with doubleClick a second press arrives as
// WM_LBUTTONDBLCLK.
void pointAndClick(int controlId, POINT at, DragKeys keys = {}, bool doubleClick = false,
                   DialogRef dialog = {});
// Left press at from, moves in steps towards to, release at to; keys held all along.
void drag(int controlId, POINT from, POINT to, DragKeys keys = {}, int steps = 4,
          DialogRef dialog = {});

}  // namespace user

namespace act {
bool hover(HWND dialog, int controlId, const POINT* at = nullptr);
bool pointAndClick(HWND dialog, int controlId, POINT at, DragKeys keys = {},
                   bool doubleClick = false);
bool drag(HWND dialog, int controlId, POINT from, POINT to, DragKeys keys = {}, int steps = 4);
}  // namespace act

}  // namespace win
