#pragma once
// The CIS/2 section names of the library: which name the exchange writes for each of the
// product's section names. Edited from the CIS/2 options dialog.
#include "core/Mdx_StringArray.h"

inline constexpr const char* kCis2NamesFile = "CIS2ProfNames.dat";

// Shows the pairs in a two-column grid (headers nameText and translationText) and, on OK,
// writes the edited pairs to the library's file fileName. Rows left empty are dropped. True
// when the file was written; false on Cancel or a failed write (reported to the user, the
// previous file kept).
bool writeSectionTranslation(Mdx_StringArray& names, Mdx_StringArray& translations,
                             const Mdx_String& nameText, const Mdx_String& translationText,
                             const Mdx_String& fileName);

// Reads "CIS2ProfNames.dat" (a missing file starts an empty list) and edits it as above. A
// file that exists but cannot be read is reported and left alone.
bool editCis2SectionNames();
