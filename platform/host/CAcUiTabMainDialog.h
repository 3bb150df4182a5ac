#pragma once
// The host's base of a main dialog with a tab control. The dialog creates its pages inside
// its tab control itself; the base adds nothing to CAcUiDialog but its place in the family.
#include "host/CAcUiDialog.h"

class CAcUiTabMainDialog : public CAcUiDialog {
public:
    explicit CAcUiTabMainDialog(UINT templateId, CWnd* parent = nullptr)
        : CAcUiDialog(templateId, parent) {}
};
