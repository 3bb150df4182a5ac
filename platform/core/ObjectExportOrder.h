#pragma once

// Ordering helpers: numbers ascending with their positions carried along, and the natural
// order of names with numbers in them ("HEA100" before "HEA1000", "100x10" before "100x12").

#include "core/Mdx_StringArray.h"
#include "host/AcArray.h"

// Sorts values ascending (stable: equal values keep their order).
void ObjectExportSort(AcArray<double>& values);
// The same, applying the same moves to indices (which must be as long as values; when it is
// not, nothing is sorted and the result is false).
bool ObjectExportSort(AcArray<double>& values, AcArray<int>& indices);

// Natural order: runs of digits compare by their number value (leading zeros ignored, then
// the shorter run first), everything else letter by letter ignoring case by the module's
// case rule; texts equal so are ordered by their bytes. <0, 0 or >0.
int compareNatural(const Mdx_String& a, const Mdx_String& b);

// The position at which item goes into sorted (in natural order) to keep it sorted: after
// every element that is not greater than item. An unsorted array gives some valid position
// from 0 to its length.
int ObjectExportAddToSorted(const Mdx_StringArray& sorted, const Mdx_String& item);
