#pragma once
// A page of the macro settings dialog: a child dialog on the settings being edited. The
// dialog asks every page to write what it shows back when the user confirms.
#include "core/macro/MacroSettings.h"
#include "host/CAcUiDialog.h"

class MacroSettingsPage : public CAcUiDialog {
public:
    MacroSettingsPage(UINT templateId, MacroSettings& edited)
        : CAcUiDialog(templateId), settings(edited) {}

    // Writes what the page shows into the settings; false keeps the dialog open.
    virtual bool storeSettings() = 0;

protected:
    Mdx_String controlText(int id) const;

    MacroSettings& settings;
};
