#pragma once

// Helpers the dialogs share: window sizes kept per key between sessions (DialogSizeStore),
// filling combo boxes, enabling and showing controls.
//
// Forms that take a dialog and a control id do nothing and report false when the control
// does not exist, so a dialog template without that control is no fault.

#include "core/Mdx_StringArray.h"
#include "win/WinTypes.h"

class CWnd;

// The current size of the window (at initialisation: its template's size); false for a null
// pointer or a window that is gone.
bool getDlgSize(const CWnd* dialog, SIZE& size);
// The size stored under key; false when none is stored.
bool getDlgSize(const Mdx_String& key, SIZE& size);

// Gives the window the rectangle stored under key: a top-level window takes position and
// size, a child window (a page) only the size. False, window unchanged, when nothing is
// stored.
bool ChangeDlgSize(CWnd* dialog, const Mdx_String& key);
// Stores the window's rectangle (screen pixels) under key; false when there is no window
// or it could not be stored.
bool WriteDlgSize(const CWnd* dialog, const Mdx_String& key);

// Empties the combo box, adds items in order (item i at index i) and selects selection
// (none when it is outside the items). False when there is no such combo box.
bool FillCombo(CWnd* combo, const Mdx_StringArray& items, int selection = -1);
bool FillCombo(CWnd* dialog, int comboId, const Mdx_StringArray& items, int selection = -1);

// Enables or disables a control.
bool EnDisCtrl(CWnd* control, bool enable);
bool EnDisCtrl(CWnd* dialog, int controlId, bool enable);

// Shows (show != 0) or hides a control.
bool ShowOrHideCtrl(CWnd* control, int show);
bool ShowOrHideCtrl(CWnd* dialog, int controlId, int show);
