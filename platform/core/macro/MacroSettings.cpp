#include "core/macro/MacroSettings.h"

#include <map>

namespace {

std::map<AcDbObjectId, MacroSettings>& store() {
    static std::map<AcDbObjectId, MacroSettings> settings;
    return settings;
}

}  // namespace

bool GetMacroSettings(AcDbObjectId macroId, MacroSettings& settings) {
    if (macroId.isNull()) return false;
    const auto found = store().find(macroId);
    settings = found == store().end() ? MacroSettings{} : found->second;
    settings.standards.macroMapping = nullptr;
    return true;
}

bool SetMacroSettings(AcDbObjectId macroId, const MacroSettings& settings) {
    if (macroId.isNull()) return false;
    MacroSettings kept = settings;
    kept.dbMacro = nullptr;
    kept.transaction = nullptr;
    kept.standards.macroMapping = nullptr;
    kept.standards.rememberOriginal();
    store()[macroId] = kept;
    return true;
}

void ClearMacroSettings() { store().clear(); }
