#pragma once
// The library's section tables made known to the program, so that sections named by macros
// ("HEA300") are found in the library as well as in the drawing that uses them.
#include "core/sections/Mdx_SectionTableManager.h"

// Registers every readable table of the library's prof folder; tables that cannot be read
// are skipped. Returns how many were registered.
int registerLibrarySectionTables(Mdx_SectionTableManager& registry);
