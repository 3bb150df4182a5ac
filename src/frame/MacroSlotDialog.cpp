#include "frame/MacroSlotDialog.h"

namespace {

std::unique_ptr<MacroSlotDialog> makeStandIn(CWnd* parent) {
    return std::make_unique<MacroSlotDialog>(parent);
}

MacroSlotDialogFactory& factory() {
    static MacroSlotDialogFactory current = makeStandIn;
    return current;
}

}  // namespace

MacroSlotDialog::MacroSlotDialog(CWnd* parent) : CAcUiDialog(kTemplateId, parent) {}

bool MacroSlotDialog::createWindow() {
    return Create(kTemplateId, m_pParentWnd);
}

void setMacroSlotDialogFactory(MacroSlotDialogFactory newFactory) {
    factory() = newFactory ? newFactory : makeStandIn;
}

std::unique_ptr<MacroSlotDialog> makeMacroSlotDialog(CWnd* parent) {
    return factory()(parent);
}
