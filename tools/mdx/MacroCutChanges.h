#pragma once
// One change of an existing cut from the command line, as the cut dialog allows it for the
// cut's type: its option, choice, checks, variable prefix or a value by name.
#include <string>

#include "core/macro/DlgMacroCutsData.h"

// Applies FIELD=VALUE to the record; an empty result when done, else why not (the record
// may then be partly changed and is not to be written).
std::string setCutField(DlgMacroCutsData& record, const std::string& field, const std::string& value);
