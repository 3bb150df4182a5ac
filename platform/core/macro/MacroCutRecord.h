#pragma once
// A cut of a module as the cut dialog edits it, and back. The module keeps its cuts' offsets
// as numbers, so a value that is not a number cannot be written into it.
#include "core/macro/DlgMacroCutsData.h"
#include "core/macro/EditConstrData.h"

// The record of an existing cut (editing set): its dialog type, offset names and values, its
// options, and the other part (the cut's own module unless another was kept). False when the
// module has no cut of that name.
bool ReadCutRecord(const EditSource& source, const Mdx_String& cutName, DlgMacroCutsData& record);
// Writes the record's values into the cut's offsets and its options into the cut's. False,
// and nothing written, when the cut is gone, a value is not a number or an option is out of
// range.
bool WriteCutRecord(const EditSource& source, const Mdx_String& cutName,
                    const DlgMacroCutsData& record);
