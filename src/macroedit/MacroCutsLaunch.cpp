#include "macroedit/MacroCutsLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "macroedit/MacroCutsDlg.h"

bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& closedWithEscape) {
    KvTempResourceOverride resources;
    MacroCutsDlg dialog;
    dialog.data = data;
    const bool ok = dialog.DoModal() == IDOK;
    closedWithEscape = dialog.escaped;
    if (ok) data = dialog.data;
    return ok;
}

bool StartEditMacroCutDlg(AcDbObjectId macroId, const Mdx_String& name, const Mdx_String&,
                          bool& swallowEscape) {
    DlgMacroCutsData data;
    data.editing = true;
    data.name = name;
    data.macroChoice.macroId = macroId;
    return StartDlgMacroCuts(data, swallowEscape);
}
