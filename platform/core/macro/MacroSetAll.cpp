#include "core/macro/MacroSetAll.h"

#include "core/macro/MacroData.h"
#include "core/macro/MacroUpdate.h"
#include "core/macro/MacroUpdateSteps.h"
#include "host/AcTransaction.h"

namespace {

using macro_update::refuse;

AcArray<int> variablesOf(const MacroTabChanges& change) {
    AcArray<int> variables;
    for (int code : change.changed)
        if (code >= 0) variables.append(code);
    return variables;
}

}  // namespace

std::vector<MacroTabChanges> collectDifferences(const MacroData& before, const MacroData& data) {
    std::vector<MacroTabChanges> all;
    for (int t = 0; t < data.tabCount(); ++t) {
        const MacroTabData& tab = *data.getTab(t);
        int index = -1;
        if (!before.findTab(tab.name, index)) continue;
        MacroTabChanges change;
        change.tab = tab.name;
        Mdx_StringArray names;
        tab.differences(*before.getTab(index), names, change.changed, change.changedItems);
        if (!change.changed.isEmpty() || !change.changedItems.isEmpty())
            all.push_back(std::move(change));
    }
    return all;
}

bool setAllToMacro(MacroData& data, const std::vector<MacroTabChanges>& changes) {
    if (changes.empty()) return true;
    if (!data.database()) return refuse(data, "the data belongs to no drawing");
    for (const MacroTabChanges& change : changes) {
        int index = -1;
        if (!data.findTab(change.tab, index)) return refuse(data, "no tab " + change.tab.toUtf8());
        std::string message;
        if (!validateTabChanges(*data.getTab(index), change.changed, change.changedItems, message))
            return refuse(data, message);
    }
    macro_update::BusyScope busy(data);
    AcTransaction transaction(*data.database());
    for (const MacroTabChanges& change : changes)
        if (data.applyToMacros(transaction, change.tab, variablesOf(change)) != Acad::eOk)
            return refuse(data, "the drawing's macros could not be written");
    return macro_update::deriveReadBackAndCommit(data, transaction);
}
