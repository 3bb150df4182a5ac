#include "frame/MacroDialogLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "frame/MacroSlotDialog.h"

void StartDlgMacro(MacroData& data) {
    KvTempResourceOverride resources;
    std::unique_ptr<MacroSlotDialog> dialog = makeMacroSlotDialog(nullptr);
    if (!dialog) return;
    dialog->setSlot(-1);
    dialog->setMacroData(data);
    dialog->DoModal();
    data = dialog->macroData();
}
