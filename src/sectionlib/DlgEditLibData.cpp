#include "sectionlib/DlgEditLibData.h"

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"
#include "sectionlib/SectionTableFiles.h"

void DlgEditLibData::GetAvailableFiles() {
    Mdx_StringArray paths;
    ObjectExportFindFiles(gSettings.libDir() + "prof\\", "*.dwg", paths);
    availableFiles.setEmpty();
    for (const Mdx_String& path : paths) availableFiles.append(getFileName(path));
    if (tableNames.isEmpty()) tableNames = listSectionTables();
}
