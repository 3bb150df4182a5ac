#include "otherdlg/ProfileDetailsLaunch.h"

#include <string>

#include "core/KvTempResourceOverride.h"
#include "core/macro/MacroData.h"
#include "frame/TemplateDialog.h"
#include "resources/otherdlg_ids.h"

namespace {

class ProfileDetailsDialog : public TemplateDialog {
public:
    ProfileDetailsDialog(const Mdx_String& title, KvMACallBack callback,
                         const KvMACallBackData& where)
        : TemplateDialog(IDD_PROF_DETAILS), title_(title), callback_(callback), where_(where) {}

    BOOL OnInitDialog() override {
        TemplateDialog::OnInitDialog();
        SetWindowText(title_.c_str());
        if (callback_) callback_(kvMARead, where_, properties_);
        SetDlgItemText(IDC_PROF_MEMBER, properties_.memberName.c_str());
        SetDlgItemText(IDC_PROF_SECTION, properties_.sectionName.c_str());
        SetDlgItemText(IDC_PROF_MATERIAL, properties_.material.c_str());
        return TRUE;
    }
    void OnOK() override {
        properties_.memberName = text(IDC_PROF_MEMBER);
        properties_.sectionName = text(IDC_PROF_SECTION);
        properties_.material = text(IDC_PROF_MATERIAL);
        if (callback_) callback_(kvMAWrite, where_, properties_);
        TemplateDialog::OnOK();
    }

private:
    Mdx_String text(int id) const {
        std::string value;
        GetDlgItemText(id, value);
        return Mdx_String(value.c_str(), static_cast<int>(value.size()));
    }

    Mdx_String title_;
    KvMACallBack callback_;
    const KvMACallBackData& where_;
    MacroProfData properties_;
};

MacroTabData* tabWithGroup(MacroData& data, const Mdx_String& group) {
    MacroProfData ignored;
    for (int i = 0; i < data.tabCount(); ++i)
        if (data.getTab(i)->getMergedPropsOfGroup(group, ignored)) return data.getTab(i);
    return nullptr;
}

}  // namespace

namespace profile_details {

bool macroGroupCallback(KvMACallBackType kind, const KvMACallBackData& data,
                        MacroProfData& properties) {
    MacroTabData* tab = data.macroData ? tabWithGroup(*data.macroData, data.group) : nullptr;
    if (!tab) return false;
    if (kind == kvMAWrite && !tab->setMergedPropsOfGroup(data.group, properties)) return false;
    return tab->getMergedPropsOfGroup(data.group, properties);
}

}  // namespace profile_details

void StartDlgMacroProfAdv(MacroData& data, const Mdx_String& group, const Mdx_String& title,
                          bool /*flag*/) {
    KvTempResourceOverride resources;
    KvMACallBackData where;
    where.macroData = &data;
    where.group = group;
    ProfileDetailsDialog dialog(title, profile_details::macroGroupCallback, where);
    dialog.DoModal();
}

void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* ids, bool& /*flag*/, KvMACallBack callback) {
    KvTempResourceOverride resources;
    if (!ids || ids->isEmpty()) return;
    KvMACallBackData where;
    where.objectIds = ids;
    ProfileDetailsDialog dialog(Mdx_String(), callback, where);
    dialog.DoModal();
}
