#pragma once
// The core library's information dialog: a longer text to read (file overviews, reports)
// under a caption, closed with one button.
#include "core/Mdx_String.h"

inline constexpr unsigned kInfoDialogTemplate = 30500;
inline constexpr int kInfoDialogText = 30501;

// Shows text modally; the result is the dialog's end code (IDOK, IDCANCEL, or -1 when it
// could not be shown).
int ExportStartDlgInfo(const Mdx_String& title, const Mdx_String& buttonText,
                       const Mdx_String& text);
