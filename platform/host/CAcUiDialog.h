#pragma once
// The host's dialog class that the module's dialogs derive from.
#include "host/CAdUiBaseDialog.h"

class CAcUiDialog : public CAdUiBaseDialog {
public:
    explicit CAcUiDialog(UINT templateId, CWnd* parent = nullptr)
        : CAdUiBaseDialog(templateId, parent) {}
};
