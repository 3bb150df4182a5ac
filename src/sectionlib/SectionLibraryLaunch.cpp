#include "sectionlib/SectionLibraryLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "frame/TemplateDialog.h"
#include "resources/sectionlib_ids.h"

bool StartDlgEditLibSections(DlgEditLibData& data, const Mdx_String& /*sysName*/) {
    return launchRecordDialog(IDD_EDIT_SECTIONLIB, data);
}

bool StartDlgEditLibSimple(const Mdx_String& /*sysName*/, Mdx_ProfValuesTable& table, int& newRow) {
    KvTempResourceOverride resources;
    if (!runRecordDialog(IDD_EDITLIBSIMPLE, table)) return false;
    // The dimension fields come with the full dialog; until then no size is added.
    newRow = -1;
    return true;
}
