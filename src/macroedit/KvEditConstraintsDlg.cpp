#include "macroedit/KvEditConstraintsDlg.h"

#include "frame/ConstraintEditorLaunch.h"

KvEditConstraintsDlg::KvEditConstraintsDlg(CWnd* parent)
    : RecordDialog<EditConstrData>(kTemplateId, parent) {}

// The modeless editor is deleted by EndDlgEditConstraints: nothing of it is touched after.
void KvEditConstraintsDlg::OnOK() {
    if (modeless_) return EndDlgEditConstraints();
    RecordDialog<EditConstrData>::OnOK();
}

void KvEditConstraintsDlg::OnCancel() {
    if (modeless_) return EndDlgEditConstraints();
    RecordDialog<EditConstrData>::OnCancel();
}
