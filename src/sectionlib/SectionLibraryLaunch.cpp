#include "sectionlib/SectionLibraryLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "frame/TemplateDialog.h"
#include "resources/sectionlib_ids.h"
#include "sectionlib/KvEditLibSimpleDlg.h"

bool StartDlgEditLibSections(DlgEditLibData& data, const Mdx_String& /*sysName*/) {
    return launchRecordDialog(IDD_EDIT_SECTIONLIB, data);
}

bool StartDlgEditLibSimple(const Mdx_String& sysName, Mdx_ProfValuesTable& table, int& newRow) {
    KvTempResourceOverride resources;
    KvEditLibSimpleDlg dialog;
    dialog.data = table;
    dialog.sysName = sysName;
    if (dialog.DoModal() != IDOK) return false;
    table = dialog.data;
    newRow = dialog.newRow;
    return true;
}
