#pragma once
// Which section tables a standards spreadsheet uses: the sizes it names itself, found in the
// library's tables the way a calculation finds them, and the cells whose section functions
// read sizes passed in (those may reach any table).
#include "core/sections/Mdx_SectionTableManager.h"

class Mdx_Spread;
struct LibraryStandard;

// Fills the standard's sectionTables and sectionReads from every cell of the sheet.
void collectSectionUse(const Mdx_Spread& sheet, const Mdx_SectionTableManager& tables,
                       LibraryStandard& standard);
