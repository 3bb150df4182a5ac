#pragma once
// A page of the macro editor: a child dialog inside the editor's tab control that shows one
// of the context's tables. The editor refreshes a page when it is selected and asks it to
// let go of highlights when another page is.
#include "host/CAcUiDialog.h"

class KvEditConstraintsDlg;

class EditorPage : public CAcUiDialog {
public:
    EditorPage(UINT templateId, KvEditConstraintsDlg& editor)
        : CAcUiDialog(templateId), editor_(editor) {}

    // Rebuilds what the page shows from the context.
    virtual void refresh() {}
    // The page is hidden for another: highlights in the drawing end.
    virtual void leave() {}

    // Escape on a page ends the editor unless the drawing has a claim on it (see
    // EscapeGuard.h) or the cut dialog asked to let the next one pass.
    BOOL PreTranslateMessage(MSG* msg) override;
    // Enter and Escape on a page are the editor's, not the page's.
    void OnOK() override {}
    void OnCancel() override {}

protected:
    KvEditConstraintsDlg& editor_;
};
