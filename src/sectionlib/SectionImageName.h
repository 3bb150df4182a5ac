#pragma once
// The picture the dialogs show for a section type: a file name relative to the product's
// icons folder ("ProfSectionI-big.bmp"), "Unknown-small.bmp" when there is none.
#include "core/Mdx_String.h"

// typeText: a built-in type number, a drawing's file name, or empty for a user section whose
// library file is libraryName ("User Sections\\Purlin.usr"). A user section's own bitmap is
// copied into the icons folder the first time its small picture is asked for.
Mdx_String getSectionImageName(const Mdx_String& typeText, const Mdx_String& libraryName,
                               bool big);
