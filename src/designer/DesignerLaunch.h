#pragma once
// The launch points of the dialog designer.
#include "core/Mdx_StringArray.h"

// Runs the designer modally on the design file (may be empty); true when it closed with OK.
bool StartDlgDesigner(const Mdx_String& file);
// The names of the edit fields (type 2 controls) of a design's control list file, in list
// order; no dialog. A file that cannot be read or is not a control list gives no names.
void GetImageDlgCtrlNames(const Mdx_String& file, Mdx_StringArray& names);
