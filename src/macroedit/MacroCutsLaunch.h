#pragma once
#include "core/macro/DlgMacroCutsData.h"
#include "core/macro/EditConstrData.h"

// Modal, without a parent, on a copy of the record: true and the copy assigned back when it
// closed with OK. closedWithEscape tells whether the user left it with the Escape key.
bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& closedWithEscape);

// The edit-cut button of the macro editor: the cut of that name of the table's module in the
// cut dialog as an existing cut; on OK its values are written into the cut. swallowEscape
// tells whether the dialog was left with Escape, so that the editor lets that key pass.
// True when the cut was changed; false when it is unknown, the dialog was cancelled or a
// value is not a number (the cut then stays as it was).
bool StartEditMacroCutDlg(const EditSource& source, const Mdx_String& name,
                          const Mdx_String& value, bool& swallowEscape);
