#pragma once
// A cut of a module as the cut dialog edits it, and back. The module keeps its cuts' offsets
// as numbers, so a value that is not a number cannot be written into it.
#include "core/macro/DlgMacroCutsData.h"
#include "core/macro/EditConstrData.h"

// The record of an existing cut (editing set): its dialog type, offset names and values, the
// module as the other part. False when the module has no cut of that name.
bool ReadCutRecord(const EditSource& source, const Mdx_String& cutName, DlgMacroCutsData& record);
// Writes the record's values into the cut's offsets. False, and nothing written, when the
// cut is gone or a value is not a number.
bool WriteCutRecord(const EditSource& source, const Mdx_String& cutName,
                    const DlgMacroCutsData& record);
