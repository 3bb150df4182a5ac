#include "otherdlg/ProfileDetailsLaunch.h"

#include <string>

#include "core/KvTempResourceOverride.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroUpdate.h"
#include "core/macro/MixedWord.h"
#include "otherdlg/KvProfDetailsDlg.h"
#include "otherdlg/ProfileDetailsPreview.h"

namespace {

MacroTabData* tabWithGroup(MacroData& data, const Mdx_String& group) {
    MacroProfData ignored;
    for (int i = 0; i < data.tabCount(); ++i)
        if (data.getTab(i)->getMergedPropsOfGroup(group, ignored)) return data.getTab(i);
    return nullptr;
}

void addOnce(Mdx_StringArray& items, const Mdx_String& text) {
    if (!text.isEmpty() && !isMixedWord(text) && !items.contains(text, false)) items.append(text);
}

// The sections the group's members use, and the materials of all members of the data.
void offered(MacroData& data, const Mdx_String& group, Mdx_StringArray& sections,
             Mdx_StringArray& materials) {
    for (int i = 0; i < data.tabCount(); ++i) {
        for (const MacroProfMember& member : data.getTab(i)->profMembers()) {
            if (member.props.groupName.equal(group, false)) addOnce(sections, member.props.sectionName);
            addOnce(materials, member.props.material);
        }
    }
}

}  // namespace

namespace profile_details {

bool macroGroupCallback(KvMACallBackType kind, const KvMACallBackData& data,
                        MacroProfData& properties) {
    MacroData* macroData = data.macroData;
    MacroTabData* tab = macroData ? tabWithGroup(*macroData, data.group) : nullptr;
    if (!tab) return false;
    if (kind == kvMAWrite) {
        const MacroData before = *macroData;
        if (!tab->setMergedPropsOfGroup(data.group, properties)) return false;
        // Data gathered from no drawing is a record only: there is no module to update.
        if (macroData->database()) {
            AcArray<int> types;
            types.append(kProfilesOfGroup);
            if (UpdateModuleForGroup(data.group, *macroData, types) != Acad::eOk) {
                const std::string reason = macroData->updateError();
                *macroData = before;
                macroData->setUpdateError(reason);
                return false;
            }
        }
        tab = tabWithGroup(*macroData, data.group);
        if (!tab) return false;
    }
    return tab->getMergedPropsOfGroup(data.group, properties);
}

void eraseAfterDialog(MacroData& data, AcDbObjectId dialogObject) {
    if (!data.preview().temporary) return;
    data.preview().eraseSingleObject(data.database());
    if (!dialogObject.isNull()) eraseTemporaryObject(data.database(), dialogObject);
}

}  // namespace profile_details

void StartDlgMacroProfAdv(MacroData& data, const Mdx_String& group, const Mdx_String& title,
                          bool /*flag*/) {
    KvTempResourceOverride resources;
    KvMACallBackData where;
    where.macroData = &data;
    where.group = group;
    ProfileDetailsPreview preview(data);
    KvProfDetailsDlg dialog(title, [&](KvMACallBackType kind, MacroProfData& props, std::string& why) {
        if (!profile_details::macroGroupCallback(kind, where, props)) {
            why = data.updateError();
            return false;
        }
        preview.show(props);
        return true;
    });
    Mdx_StringArray sections, materials;
    offered(data, group, sections, materials);
    dialog.setOffered(sections, materials);
    dialog.DoModal();
    profile_details::eraseAfterDialog(data, preview.objectId());
}

void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* ids, bool& flag, KvMACallBack callback) {
    KvTempResourceOverride resources;
    if (!ids || ids->isEmpty() || !callback) return;
    KvMACallBackData where;
    where.objectIds = ids;
    KvProfDetailsDlg dialog(Mdx_String(), [&](KvMACallBackType kind, MacroProfData& props, std::string&) {
        return callback(kind, where, props);
    });
    dialog.DoModal();
    flag = dialog.written();
}
