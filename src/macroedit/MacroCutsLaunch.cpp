#include "macroedit/MacroCutsLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "frame/TemplateDialog.h"
#include "resources/macroedit_ids.h"
#include "win/WinMessages.h"

namespace {

// Notes the Escape key before the dialog turns it into Cancel.
class MacroCutsDialog : public RecordDialog<DlgMacroCutsData> {
public:
    MacroCutsDialog() : RecordDialog<DlgMacroCutsData>(IDD_MACRO_CUTS) {}
    bool escaped = false;

    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) escaped = true;
        return RecordDialog<DlgMacroCutsData>::PreTranslateMessage(msg);
    }
};

}  // namespace

bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& closedWithEscape) {
    KvTempResourceOverride resources;
    MacroCutsDialog dialog;
    const bool ok = runWithCopyBack(dialog, data);
    closedWithEscape = dialog.escaped;
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
