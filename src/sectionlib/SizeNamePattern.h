#pragma once
// How a table names its sizes after their dimensions: "200x100x8" is the height, the width
// and the thickness joined with "x". The pattern is learnt from the table itself: the first
// row, from a start row on, whose system name splits into parts that each equal one of its
// value columns, in column order.
#include "host/AcArray.h"
#include "sectionlib/Mdx_ProfValuesTable.h"

struct SizeNamePattern {
    bool found = false;
    // Value indices (0 = the first value column) whose values make the name, in order.
    AcArray<int> values;
    // Per language column, the user name's text before its first digit ("RHS ").
    Mdx_StringArray prefixes;
};

SizeNamePattern findSizeNamePattern(const Mdx_ProfValuesTable& table, int startRow);

// The dimension texts of the pattern's values joined with "x"; empty when a value index is
// outside dimensions.
Mdx_String patternName(const SizeNamePattern& pattern, const Mdx_StringArray& dimensions);
