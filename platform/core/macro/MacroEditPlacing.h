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
// Removes the placed bolt pattern or coordinate system of that name (case ignored) from the
// current module, with its object setting, in one transaction (the module's own patterns
// stay). Refused, changing nothing, when the name is no placed object of the module or when
// a constraint names it; usedBy then holds that constraint's name (empty otherwise).
bool RemovePlacedObject(EditConstrData& ctx, const Mdx_String& name, Mdx_String& usedBy);
