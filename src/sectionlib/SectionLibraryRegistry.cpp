#include "sectionlib/SectionLibraryRegistry.h"

#include "sectionlib/Mdx_ProfValuesTable.h"
#include "sectionlib/SectionTableFiles.h"

int registerLibrarySectionTables(Mdx_SectionTableManager& registry) {
    int registered = 0;
    for (const Mdx_String& name : listSectionTables()) {
        Mdx_ProfValuesTable table;
        if (table.readFromFile(name) && table.setToGlobals(&registry) == Acad::eOk) ++registered;
    }
    return registered;
}
