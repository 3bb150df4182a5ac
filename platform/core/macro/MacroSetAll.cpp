#include "core/macro/MacroSetAll.h"

#include "core/macro/MacroData.h"
#include "core/macro/MacroDerivation.h"
#include "core/macro/MacroUpdate.h"
#include "core/macro/Mdx_DbMacro.h"
#include "host/AcTransaction.h"

namespace {

bool refuse(MacroData& data, std::string message) {
    data.setUpdateError(std::move(message));
    return false;
}

// Clears the busy flag however the update ends.
struct Busy {
    explicit Busy(MacroData& data) : data(data) { data.setBusy(true); }
    ~Busy() { data.setBusy(false); }
    MacroData& data;
};

AcArray<int> variablesOf(const MacroTabChanges& change) {
    AcArray<int> variables;
    for (int code : change.changed)
        if (code >= 0) variables.append(code);
    return variables;
}

bool deriveAll(MacroData& data, AcTransaction& transaction) {
    for (AcDbObjectId id : data.macroIds()) {
        Mdx_DbMacro* macro = nullptr;
        if (transaction.getObject(macro, id, host::OpenMode::ForWrite) != Acad::eOk ||
            !macro->macro())
            return refuse(data, "a macro of the data is no longer in the drawing");
        std::string message;
        if (!deriveMacroValues(*macro->macro(), message)) return refuse(data, message);
    }
    return true;
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
    Busy busy(data);
    AcTransaction transaction(*data.database());
    for (const MacroTabChanges& change : changes)
        if (data.applyToMacros(transaction, change.tab, variablesOf(change)) != Acad::eOk)
            return refuse(data, "the drawing's macros could not be written");
    if (!deriveAll(data, transaction)) return false;
    MacroData readBack = data;
    if (readBack.reload(transaction) != Acad::eOk)
        return refuse(data, "the macros could not be read back");
    if (transaction.commit() != Acad::eOk) return refuse(data, "the drawing refused the change");
    readBack.setBusy(data.isBusy());
    data = std::move(readBack);
    data.setUpdateError({});
    return true;
}
