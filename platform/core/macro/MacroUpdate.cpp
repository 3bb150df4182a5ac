#include "core/macro/MacroUpdate.h"

#include "core/macro/MacroData.h"
#include "core/macro/MacroUpdateSteps.h"
#include "host/AcTransaction.h"

namespace {

using macro_update::BusyScope;
using macro_update::refuse;

// Writes, derives and reads back inside one transaction that is undone on any failure.
bool writeAndDerive(MacroData& data, const Mdx_String& tabName, const AcArray<int>& variables) {
    AcTransaction transaction(*data.database());
    if (data.applyToMacros(transaction, tabName, variables) != Acad::eOk)
        return refuse(data, "the drawing's macros could not be written");
    return macro_update::deriveReadBackAndCommit(data, transaction);
}

}  // namespace

bool UpdateModule(const Mdx_String& tabName, MacroData& data, const AcArray<int>& changed,
                  const AcArray<int>& changedItems) {
    int index = -1;
    if (!data.findTab(tabName, index)) return refuse(data, "no tab " + tabName.toUtf8());
    if (!data.database()) return refuse(data, "the data belongs to no drawing");
    std::string message;
    if (!validateTabChanges(*data.getTab(index), changed, changedItems, message))
        return refuse(data, message);
    AcArray<int> variables;
    for (int code : changed)
        if (code >= 0) variables.append(code);
    BusyScope busy(data);
    return writeAndDerive(data, tabName, variables);
}

bool reApply(MacroData& data) {
    if (!data.database()) return refuse(data, "the data belongs to no drawing");
    for (int t = 0; t < data.tabCount(); ++t) {
        const MacroTabData& tab = *data.getTab(t);
        AcArray<int> variables;
        for (int i = 0; i < tab.variables().length(); ++i)
            if (!tab.variables()[i].readOnly) variables.append(i);
        std::string message;
        if (!validateTabChanges(tab, variables, AcArray<int>(), message))
            return refuse(data, message);
        BusyScope busy(data);
        if (!writeAndDerive(data, tab.name, variables)) return false;
    }
    return true;
}
