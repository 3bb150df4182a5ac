#pragma once
// The window that lives in a slot of the modeless macro dialog table. It owns its copy of the
// caller's macro data and knows its slot number. The full macro dialog derives from it and
// installs itself with setMacroSlotDialogFactory; until then this plain window from the
// macro dialog's template stands in.
#include <memory>

#include "core/macro/MacroData.h"
#include "host/CAcUiDialog.h"

class MacroSlotDialog : public CAcUiDialog {
public:
    static constexpr UINT kTemplateId = 8131;

    explicit MacroSlotDialog(CWnd* parent);

    void setSlot(int number) { slot = number; }
    int slotNumber() const { return slot; }
    void setMacroData(const MacroData& data) { macro = data; }
    MacroData& macroData() { return macro; }
    const MacroData& macroData() const { return macro; }

    // Creates the modeless window from the template; false when it cannot be made.
    virtual bool createWindow();

private:
    int slot = -1;
    MacroData macro;
};

using MacroSlotDialogFactory = std::unique_ptr<MacroSlotDialog> (*)(CWnd* parent);
// Null restores the stand-in window.
void setMacroSlotDialogFactory(MacroSlotDialogFactory factory);
std::unique_ptr<MacroSlotDialog> makeMacroSlotDialog(CWnd* parent);
