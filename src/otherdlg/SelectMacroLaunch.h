#pragma once
// Choosing a macro by name. What the two numbers and the two flags mean is the caller's
// business; the dialog passes them through untouched.
#include "core/Mdx_StringArray.h"
#include "host/AcArray.h"

// Every name enabled.
bool StartDlgSelectMacro(const Mdx_String& title, const Mdx_StringArray& names, const int& first,
                         const int& second, Mdx_String& chosen, bool& flag, bool option);
// Modal list of the names, the entry equal to chosen selected. OK needs an enabled entry
// (a name without a flag counts as disabled); then chosen becomes it and the result is true.
bool StartDlgSelectMacro(const Mdx_String& title, const Mdx_StringArray& names,
                         const AcArray<bool>& enabled, const int& first, const int& second,
                         Mdx_String& chosen, bool& flag, bool option);
