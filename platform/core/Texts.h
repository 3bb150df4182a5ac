#pragma once

// The user-visible texts of the module by number, from the string table of the resources:
// the current resource module first (a KvTempResourceOverride makes that the module's own),
// then the modules of the resource search chain. English texts live in
// src/resources/strings.rc. dialString and string read the same table.

#include "core/Mdx_String.h"

// The text of number id; empty when no module in the search has it.
Mdx_String dialString(int id);
Mdx_String string(int id);
// Whether some module in the search has a text for id (an empty text counts as one).
bool hasText(int id);
