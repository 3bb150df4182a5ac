#pragma once
// The smallest dialog a launch point can run: its template with OK and Cancel and nothing of
// its own. A launch point whose dialog has not grown its controls yet runs a RecordDialog of
// its record, so that the record already travels as the finished dialog will carry it: a
// copy goes in, and it comes back to the caller only when the dialog closed with OK.
#include "core/KvTempResourceOverride.h"
#include "host/CAcUiDialog.h"

class TemplateDialog : public CAcUiDialog {
public:
    explicit TemplateDialog(UINT templateId, CWnd* parent = nullptr);
};

template <class Record>
class RecordDialog : public TemplateDialog {
public:
    using TemplateDialog::TemplateDialog;
    Record data;
};

// Runs the dialog modally on a copy of record; true, and the copy assigned back, only when
// it closed with OK. A dialog that cannot be created ends with -1 and gives false.
template <class Dialog, class Record>
bool runWithCopyBack(Dialog& dialog, Record& record) {
    dialog.data = record;
    if (dialog.DoModal() != IDOK) return false;
    record = dialog.data;
    return true;
}

// A RecordDialog of the template, run as above.
template <class Record>
bool runRecordDialog(UINT templateId, Record& record) {
    RecordDialog<Record> dialog(templateId);
    return runWithCopyBack(dialog, record);
}

// A whole launch point of a minimal dialog: the module's resources for the run, the record
// through a RecordDialog of the template.
template <class Record>
bool launchRecordDialog(UINT templateId, Record& record) {
    KvTempResourceOverride resources;
    return runRecordDialog(templateId, record);
}

// The template alone; true when it closed with OK.
bool runTemplateDialog(UINT templateId);
