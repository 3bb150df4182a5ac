#pragma once
// The built-in section types 1 ... 24: their names in the current language and the names of
// their dimensions, in the order a section table of that type holds its values.
#include "core/Mdx_StringArray.h"

inline constexpr int kSectionTypeCount = 24;

// Empty for a number outside 1 ... 24.
Mdx_String sectionTypeName(int type);
Mdx_StringArray sectionTypeDimensionNames(int type);
