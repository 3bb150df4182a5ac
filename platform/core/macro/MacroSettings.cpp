#include "core/macro/MacroSettings.h"

#include "core/macro/Mdx_DbMacro.h"
#include "host/AcTransaction.h"

void GetMacroSettings(const Mdx_DbMacro& macro, MacroSettings& settings) {
    settings = macro.settings() ? *macro.settings() : MacroSettings{};
    settings.standards.rememberOriginal();
}

void SetMacroSettings(Mdx_DbMacro& macro, const MacroSettings& settings) {
    macro.setSettings(settings);
}

bool GetMacroSettings(AcDbDatabase* database, AcDbObjectId macroId, MacroSettings& settings) {
    if (!database || macroId.isNull()) return false;
    AcTransaction transaction(*database);
    Mdx_DbMacro* macro = nullptr;
    if (transaction.getObject(macro, macroId) != Acad::eOk) return false;
    GetMacroSettings(*macro, settings);
    return true;
}

bool SetMacroSettings(AcDbDatabase* database, AcDbObjectId macroId, const MacroSettings& settings) {
    if (!database || macroId.isNull()) return false;
    AcTransaction transaction(*database);
    Mdx_DbMacro* macro = nullptr;
    if (transaction.getObject(macro, macroId, host::OpenMode::ForWrite) != Acad::eOk) return false;
    SetMacroSettings(*macro, settings);
    return transaction.commit() == Acad::eOk;
}
