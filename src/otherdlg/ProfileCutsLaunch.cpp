#include "otherdlg/ProfileCutsLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "frame/TemplateDialog.h"
#include "otherdlg/ListChoice.h"
#include "resources/otherdlg_ids.h"

namespace {

int& lastIndex() {
    static int index = 0;
    return index;
}

class ProfileCutsDialog : public RecordDialog<DlgProfCutsData> {
public:
    ProfileCutsDialog() : RecordDialog<DlgProfCutsData>(IDD_PROF_CUTS) {}
    int selectedIndex = 0;

    BOOL OnInitDialog() override {
        RecordDialog<DlgProfCutsData>::OnInitDialog();
        list_choice::fill(*this, IDC_PROF_CUT_LIST, data.cutNames, selectedIndex);
        return TRUE;
    }
    void OnOK() override {
        const int chosen = list_choice::selected(*this, IDC_PROF_CUT_LIST);
        if (chosen >= 0) selectedIndex = chosen;
        RecordDialog<DlgProfCutsData>::OnOK();
    }
};

}  // namespace

bool StartEditProfCutsDlg(DlgProfCutsData& data) {
    KvTempResourceOverride resources;
    ProfileCutsDialog dialog;
    dialog.selectedIndex = lastIndex();
    if (!runWithCopyBack(dialog, data)) return false;
    lastIndex() = dialog.selectedIndex;
    return true;
}

namespace profile_cuts {
int lastSelectedIndex() {
    return lastIndex();
}
void resetLastSelectedIndex() {
    lastIndex() = 0;
}
}  // namespace profile_cuts
