#pragma once

// The file choice dialogs the module opens through the core library, on the window system's
// open and save dialogs (answered by the scripted user when headless).
//
// description is what the user sees for the file type ("Dialog designs (*.txt)"); the filter
// becomes that description with the pattern "*.<extension>". A filter already written in the
// "text|pattern|...|" form is used as it is.

#include "core/Mdx_StringArray.h"

class CWnd;

// An open (open true) or save dialog. path holds the proposed file name on entry and the
// chosen path on OK; true when a file was chosen. An open dialog only accepts an existing
// file; a save dialog asks before replacing one and adds the extension when none was typed.
bool DlgOpenSave(bool open, const Mdx_String& extension, const Mdx_String& description,
                 const Mdx_String& initialFolder, Mdx_String& path,
                 const Mdx_String& title = Mdx_String(), CWnd* parent = nullptr);

// An open dialog that takes several existing files; paths receives them on OK (and is left
// as it was on Cancel). True when at least one file was chosen.
bool DlgOpenMulti(const Mdx_String& extension, const Mdx_String& description,
                  const Mdx_String& initialFolder, const Mdx_String& title, Mdx_StringArray& paths,
                  CWnd* parent = nullptr);
