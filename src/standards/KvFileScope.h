#pragma once
// Where the data and child files of a standards sheet may come from. A sheet is data that
// may come from someone else; through GETCELL("/proc/self/status", ...) or a child call of
// "..\..\x" it could read any file of the machine. So a file is only used when it lies, as
// it is on disk (links followed), inside an allowed folder: the library folder, the folder
// of the standard being evaluated at the outermost level (the user chose that one), and
// folders the user allows explicitly.
#include <string>

#include "core/Mdx_String.h"

namespace file_scope {

// Folders the user allows besides the library (module paths or real paths).
void allowFolder(const Mdx_String& folder);
void clearAllowedFolders();

// True when the file lies inside an allowed folder.
bool isAllowed(const Mdx_String& file);

// The last file refused by a look-up of this evaluation, for the failure report; empty
// when none. Cleared by forgetRefused.
const Mdx_String& lastRefused();
void noteRefused(const Mdx_String& file);
void forgetRefused();

}  // namespace file_scope
