#include "frame/MacroStandardsLoad.h"

#include "core/macro/MacroData.h"
#include "core/macro/MacroDerivation.h"
#include "core/macro/MacroSettings.h"
#include "core/macro/MacroStandardsLoader.h"
#include "core/macro/Mdx_DbMacro.h"
#include "frame/StandardsLaunch.h"
#include "host/AcTransaction.h"
#include "standards/KvDlgStandardsData.h"

namespace {

bool fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
}

// Clears the busy flag however the load ends.
struct Busy {
    explicit Busy(MacroData& data) : data(data) { data.setBusy(true); }
    ~Busy() { data.setBusy(false); }
    MacroData& data;
};

// The standards of one macro, each into working; the number evaluated in count.
bool evaluateMacro(Mdx_DbMacro& macro, MacroData& working, AcTransaction& transaction, int& count,
                   std::string& error) {
    const MacroSettings* settings = macro.settings();
    if (!settings) return true;
    const TabMappingData& entries = settings->standards;
    for (int i = 0; i < entries.entryCount(); ++i) {
        const Mdx_String& key =
            entries.mapsToKeys.isValidIndex(i) ? entries.mapsToKeys[i] : Mdx_String();
        if (key.isEmpty()) continue;  // an entry not tied yet maps nothing
        const Mdx_String& name = entries.spreadsheetNames[i];
        KvDlgStandardsData request;
        if (request.initialize(&macro, name, key, &working) != Acad::eOk)
            return fail(error, "the standard \"" + name.toUtf8() + "\" cannot be asked");
        request.transaction = &transaction;
        // The macro's own variables are the general variables its standards read.
        request.genVarNames = settings->variableNames;
        request.genVarValues = settings->variableValues;
        if (!StartDlgStandardsSS(request))
            return fail(error, "the standard \"" + name.toUtf8() + "\" (" + key.toUtf8() +
                                   ") could not be evaluated for the macro \"" +
                                   macro.macro()->name().toUtf8() + "\"");
        ++count;
    }
    return true;
}

}  // namespace

bool loadMacroStandards(MacroData& data, std::string& error) {
    if (!data.database()) return fail(error, "the data belongs to no drawing");
    Busy busy(data);
    MacroData working = data;
    AcTransaction transaction(*data.database());
    int count = 0;
    for (AcDbObjectId id : data.macroIds()) {
        Mdx_DbMacro* macro = nullptr;
        if (transaction.getObject(macro, id, host::OpenMode::ForWrite) != Acad::eOk ||
            !macro->macro())
            return fail(error, "a macro of the data is no longer in the drawing");
        if (!evaluateMacro(*macro, working, transaction, count, error)) return false;
    }
    if (count == 0) return fail(error, "the macro's settings tie no standards to it");
    // The evaluation wrote the variables into the modules and the bolt values into the tabs;
    // the tabs go in now, then the modules derive from all of it.
    if (working.applyToMacros(transaction) != Acad::eOk)
        return fail(error, "the values of the standards could not be written into the macros");
    for (AcDbObjectId id : data.macroIds()) {
        Mdx_DbMacro* macro = nullptr;
        std::string message;
        if (transaction.getObject(macro, id, host::OpenMode::ForWrite) != Acad::eOk ||
            !deriveMacroValues(*macro->macro(), message))
            return fail(error, message.empty() ? "a macro could not derive its values" : message);
    }
    if (working.reload(transaction) != Acad::eOk)
        return fail(error, "the macros could not be read back");
    if (transaction.commit() != Acad::eOk) return fail(error, "the drawing refused the change");
    working.setBusy(true);
    data = std::move(working);
    return true;
}

void installMacroStandardsLoader() {
    setMacroStandardsLoader(loadMacroStandards);
}
