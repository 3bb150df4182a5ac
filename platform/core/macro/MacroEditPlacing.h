#pragma once
// The macro editor's tools that place something at a position the user picks in the
// drawing: a bolt pattern of a bolt module (tool 12) and a coordinate system of any module
// (tool 13). A cancelled pick, or a module that cannot take the thing, changes nothing.
#include "core/macro/EditConstrData.h"

// A one-bolt pattern "Pattern<n>" starting at the picked point, appended to the current
// module's patterns; false when the module is no bolt module or the pick was cancelled.
bool AddBoltPatternAtPick(EditConstrData& ctx);
// A coordinate system "CS<n>" at the picked point in the current module.
bool AddCoordSystemAtPick(EditConstrData& ctx);
