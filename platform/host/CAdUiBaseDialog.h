#pragma once
// The host's dialog base. A dialog without a parent of its own gets the host's main window,
// modal or modeless. Around work the user does in the drawing while the dialog is up, the
// dialog calls BeginEditorCommand (the dialog goes out of the way: hidden, and for a modal
// dialog the main window takes input again) and CompleteEditorCommand (all back as it was).
// Editor commands are counted, so tests can check that a dialog brackets its drawing work.
#include "win/CDialog.h"

class CAdUiBaseDialog : public CDialog {
public:
    explicit CAdUiBaseDialog(UINT templateId, CWnd* parent = nullptr);

    INT_PTR DoModal() override;
    using CDialog::Create;
    BOOL Create(UINT templateId, CWnd* parent = nullptr) override;

    // A second begin before the complete changes nothing.
    void BeginEditorCommand();
    // With restoreDialogs the dialog is shown again (if it was visible at the begin) and a
    // modal dialog's main window takes no input again; without, the dialog stays hidden.
    // Nothing happens without a begin.
    void CompleteEditorCommand(BOOL restoreDialogs = TRUE);
    bool isInEditorCommand() const { return m_inEditorCommand; }

    static int editorCommandsBegun();
    static int editorCommandsCompleted();
    static void resetEditorCommandCounts();

private:
    bool m_inEditorCommand = false;
    bool m_visibleBeforeCommand = false;
    HWND m_reenabledOwner = nullptr;
};
