#include "sectionlib/SectionLibraryLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "sectionlib/KvEditLibDlg.h"
#include "sectionlib/KvEditLibSimpleDlg.h"

bool StartDlgEditLibSections(DlgEditLibData& data, const Mdx_String& sysName) {
    KvTempResourceOverride resources;
    KvEditLibDlg dialog(sysName);
    dialog.data = data;
    if (dialog.DoModal() != IDOK) return false;
    data = dialog.data;
    return true;
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
