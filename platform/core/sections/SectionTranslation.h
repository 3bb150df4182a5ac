#pragma once
// Section-name translation files of the library ("CIS2ProfNames.dat"): pairs of a section
// name as the product writes it and the name another system uses for it. Stored as a record
// file (core/RecordFile.h), one record of two fields per pair, in the library folder.
#include "core/Mdx_StringArray.h"

// False (lists untouched) for a name that is no plain file name, a missing, malformed or
// oversized file, or a record that is not a pair.
bool readSectionTranslation(const Mdx_String& fileName, Mdx_StringArray& names,
                            Mdx_StringArray& translations);
// Atomic; false for lists of different lengths, a bad file name or a failed write (the old
// file then stays).
bool saveSectionTranslation(const Mdx_String& fileName, const Mdx_StringArray& names,
                            const Mdx_StringArray& translations);
