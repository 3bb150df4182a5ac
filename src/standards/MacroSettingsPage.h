#pragma once
// A page of the macro settings dialog: a child dialog on the settings being edited. The
// dialog asks every page to write what it shows back when the user confirms, and tells each
// how its controls follow the page's size when the dialog is resized.
#include <vector>

#include "core/CResizer.h"
#include "core/macro/MacroSettings.h"
#include "host/CAcUiDialog.h"

class MacroSettingsPage : public CAcUiDialog {
public:
    MacroSettingsPage(UINT templateId, MacroSettings& edited)
        : CAcUiDialog(templateId), settings(edited) {}

    // Writes what the page shows into the settings; false keeps the dialog open.
    virtual bool storeSettings() = 0;

    // Anchors the page's controls as they are now; from then on they follow its size.
    void anchor(const std::vector<CResizer::CBorderInfo>& controls);
    void OnSize(UINT type, int cx, int cy) override;

protected:
    Mdx_String controlText(int id) const;

    MacroSettings& settings;

private:
    CResizer resizer_;
};
