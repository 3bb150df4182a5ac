#pragma once
// Creating a dialog window and its controls from a template, as the dialog manager does.
#include <string>

#include "win/DialogTemplate.h"

class CWnd;

namespace win {

// Creates the dialog (routed to object when given) and its controls, converts the template's
// dialog units to pixels, sends WM_SETFONT and WM_INITDIALOG, and gives the focus to the
// first tab stop when WM_INITDIALOG returns TRUE. A top-level dialog is placed relative to
// its owner's client area (DS_ABSALIGN: the screen; DS_CENTER: centred on the owner). The
// dialog is shown when the template says WS_VISIBLE. Null when the template names a window
// class that does not exist (the reason goes to lastDialogError()).
HWND createDialogWindow(const DialogTemplate& dialog, HWND ownerOrParent, CWnd* object,
                        HINSTANCE module);
const std::string& lastDialogError();
// The id of the dialog's default push button: the first BS_DEFPUSHBUTTON, else IDOK.
int defaultButtonId(HWND dialog);

}  // namespace win
