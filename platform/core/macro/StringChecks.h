#pragma once
// Checks on lists of names that the mapping and the standards calculation make before they
// store or use the names.
#include "core/Mdx_StringArray.h"
#include "host/AcArray.h"

// Positions of every name that equals an earlier one (the first of equal names is not
// reported), ascending. Keeping the names at the other positions leaves one of each.
void getDuplicates(const Mdx_StringArray& names, AcArray<int>& positions, bool caseSensitive);
// True when some name occurs more than once; duplicates receives each such name once, as it
// is first written, in the order of first occurrence.
bool hasDuplicates(const Mdx_StringArray& names, Mdx_StringArray& duplicates, bool caseSensitive);

// A random text of length characters: ASCII letters and digits, or with lettersAndDigits
// false any printable ASCII character that file names and key lines may hold (no blank,
// none of < > : " / \ | ? * =). False for a negative length.
bool generateRandomString(int length, Mdx_String& text, bool lettersAndDigits);
