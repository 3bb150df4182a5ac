#include "otherdlg/SelectMacroLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "frame/TemplateDialog.h"
#include "otherdlg/ListChoice.h"
#include "resources/otherdlg_ids.h"

namespace {

class SelectMacroDialog : public TemplateDialog {
public:
    SelectMacroDialog(const Mdx_String& title, const Mdx_StringArray& names,
                      const AcArray<bool>& enabled)
        : TemplateDialog(IDD_SELECT_MACRO), title_(title), names_(names), enabled_(enabled) {}

    Mdx_String chosen;

    BOOL OnInitDialog() override {
        TemplateDialog::OnInitDialog();
        SetWindowText(title_.c_str());
        list_choice::fill(*this, IDC_MACRO_NAMES, names_, names_.find(chosen));
        return TRUE;
    }
    void OnOK() override {
        const int index = list_choice::selected(*this, IDC_MACRO_NAMES);
        if (!isEnabled(index)) return;
        chosen = names_[index];
        TemplateDialog::OnOK();
    }

private:
    bool isEnabled(int index) const {
        return names_.isValidIndex(index) && index < enabled_.length() && enabled_[index];
    }

    const Mdx_String& title_;
    const Mdx_StringArray& names_;
    const AcArray<bool>& enabled_;
};

}  // namespace

bool StartDlgSelectMacro(const Mdx_String& title, const Mdx_StringArray& names, const int& first,
                         const int& second, Mdx_String& chosen, bool& flag, bool option) {
    KvTempResourceOverride resources;
    AcArray<bool> enabled;
    for (int i = 0; i < names.length(); ++i) enabled.append(true);
    return StartDlgSelectMacro(title, names, enabled, first, second, chosen, flag, option);
}

bool StartDlgSelectMacro(const Mdx_String& title, const Mdx_StringArray& names,
                         const AcArray<bool>& enabled, const int& /*first*/, const int& /*second*/,
                         Mdx_String& chosen, bool& /*flag*/, bool /*option*/) {
    KvTempResourceOverride resources;
    SelectMacroDialog dialog(title, names, enabled);
    dialog.chosen = chosen;
    if (dialog.DoModal() != IDOK) return false;
    chosen = dialog.chosen;
    return true;
}
