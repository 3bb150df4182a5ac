#pragma once
// The start of a dialog that the user may resize and whose size is kept under a key: its
// controls are anchored, the window takes the stored rectangle, the controls are placed for
// it, and the template's own size becomes the smallest the user can drag the window to.
#include "core/CResizer.h"
#include "core/Mdx_String.h"

// Call at the end of OnInitDialog, once grids took their placeholders' places (the resizer
// moves what is there when it starts).
void startResizableDialog(CWnd& dialog, CResizer& resizer, const CResizer::CBorderInfo* anchors,
                          int count, const Mdx_String& sizeKey);
