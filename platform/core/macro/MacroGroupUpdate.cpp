// UpdateModuleForGroup: the profiles of one group updated from the group's properties.
#include "core/macro/MacroData.h"
#include "core/macro/MacroUpdate.h"

namespace {

Acad::ErrorStatus refuse(MacroData& data, Acad::ErrorStatus status, std::string message) {
    data.setUpdateError(std::move(message));
    return status;
}

// The tab that has the group, and the group's index there.
MacroTabData* tabOfGroup(MacroData& data, const Mdx_String& group, int& groupIndex) {
    for (int t = 0; t < data.tabCount(); ++t) {
        MacroTabData& tab = *data.getTab(t);
        for (int g = 0; g < tab.profGroups().length(); ++g) {
            if (!tab.profGroups()[g].groupName.equal(group, false)) continue;
            groupIndex = g;
            return &tab;
        }
    }
    return nullptr;
}

}  // namespace

Acad::ErrorStatus UpdateModuleForGroup(const Mdx_String& group, MacroData& data,
                                       const AcArray<int>& objectTypes) {
    if (objectTypes.isEmpty()) return refuse(data, Acad::eInvalidInput, "no object type to update");
    for (int code : objectTypes)
        if (code != kProfilesOfGroup)
            return refuse(data, Acad::eInvalidInput,
                          "object type " + std::to_string(code) + " is not updated by group");
    int groupIndex = -1;
    MacroTabData* tab = tabOfGroup(data, group, groupIndex);
    if (!tab) return refuse(data, Acad::eObjectNotFound, "no profile group " + group.toUtf8());
    if (!data.database())
        return refuse(data, Acad::eUnavailable, "the data belongs to no drawing");
    const MacroData before = data;
    MacroProfData props;
    tab->getMergedPropsOfGroup(group, props);
    tab->setMergedPropsOfGroup(group, props);
    AcArray<int> items;
    items.append(MacroTabData::kGroupItem * MacroTabData::kItemStride + groupIndex);
    for (int m = 0; m < tab->profMembers().length(); ++m)
        if (tab->profMembers()[m].props.groupName.equal(group, false))
            items.append(MacroTabData::kMemberItem * MacroTabData::kItemStride + m);
    if (UpdateModule(tab->name, data, AcArray<int>(), items)) return Acad::eOk;
    const std::string reason = data.updateError();
    data = before;
    return refuse(data, Acad::eInvalidInput, reason);
}
