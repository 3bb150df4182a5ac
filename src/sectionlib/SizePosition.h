#pragma once
// Where a new size goes in its table, so that the sizes stay in the order people look for
// them: square sizes ("100x100x10") among the square sizes, every other name among all
// names, in natural order ("100x100x9" before "100x100x10").
#include "sectionlib/Mdx_ProfValuesTable.h"

int sortedSizePosition(const Mdx_ProfValuesTable& table, const Mdx_String& name);

// True when the name's first two "x"-separated parts are equal.
bool isSquareSizeName(const Mdx_String& name);
