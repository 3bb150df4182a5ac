#pragma once
#include "core/macro/DlgMacroCutsData.h"

// Modal, without a parent, on a copy of the record: true and the copy assigned back when it
// closed with OK. closedWithEscape tells whether the user left it with the Escape key.
bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& closedWithEscape);

// The edit-cut button of the macro editor: the cut of the macro by that name, in the cut
// dialog as an existing cut. swallowEscape tells whether the dialog was left with Escape,
// so that the editor lets that key pass. True when it closed with OK.
bool StartEditMacroCutDlg(AcDbObjectId macroId, const Mdx_String& name, const Mdx_String& value,
                          bool& swallowEscape);
