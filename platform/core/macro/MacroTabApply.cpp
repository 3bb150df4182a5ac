#include "core/macro/MacroTabApply.h"

#include "core/macro/MacroClash.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroUpdate.h"

MacroApplyResult applyTabChanges(MacroData& data, int tabIndex, const MacroTabData& before,
                                 const void* clashOwner) {
    MacroApplyResult result;
    MacroTabData* tab = data.getTab(tabIndex);
    if (!tab) {
        result.refused = true;
        result.reason = "no tab " + std::to_string(tabIndex);
        return result;
    }
    AcArray<int> changed, changedItems;
    tab->differences(before, result.changed, changed, changedItems);
    if (changed.isEmpty() && changedItems.isEmpty()) return result;
    const Mdx_String name = tab->name;
    if (!UpdateModule(name, data, changed, changedItems)) {
        result.refused = true;
        result.reason = data.updateError();
        // The tab may have been replaced by the update; find it again by name.
        int index = -1;
        if (data.findTab(name, index)) *data.getTab(index) = before;
        return result;
    }
    result.applied = true;
    result.clashes = clashcheck(data, clashOwner);
    return result;
}
