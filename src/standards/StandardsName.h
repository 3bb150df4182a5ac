#pragma once
// Names of standards spreadsheets as the standards page and the command line take them: a
// path relative to the library's "Connection Standards" folder, without ".kvs". A name is
// joined into a path, so one that would leave that folder is refused.
#include "core/Mdx_String.h"

// True when name stays inside the folder: not empty, no ".." part, no drive letter, no
// leading separator, no characters that no file name may hold.
bool isStandardsNameInside(const Mdx_String& name);
// The message that refuses name.
Mdx_String standardsNameRefusal(const Mdx_String& name);
