#pragma once
// A table's picture as the user sees it: a drawing's file name ("HEA.dwg") as it is, a
// built-in section type number as "<" + the type's name + ">".
#include "core/Mdx_StringArray.h"

// The 24 built-in types' shown names, in type order.
Mdx_StringArray builtInPictureNames();
Mdx_String shownPictureName(const Mdx_String& picture);
// Back from the shown form: a drawing stays, a built-in type's shown name becomes its number.
// Anything else is kept as it is, so a picture the list does not know is never lost.
Mdx_String storedPictureName(const Mdx_String& shown);
// The built-in type number of a stored picture, -1 for a drawing or anything else.
int builtInPictureType(const Mdx_String& picture);
