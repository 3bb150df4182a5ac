#pragma once
// A record dialog whose OK reads its controls into a copy of the record first: a record that
// cannot be right is refused with the message of what is wrong, under the dialog's caption,
// and the dialog stays open; only an accepted copy becomes the dialog's record.
#include "core/Texts.h"
#include "frame/TemplateDialog.h"
#include "win/MessageBox.h"

template <class Record>
class CheckedRecordDialog : public RecordDialog<Record> {
public:
    CheckedRecordDialog(UINT templateId, int captionText)
        : RecordDialog<Record>(templateId), captionText_(captionText) {}

    void OnOK() override {
        Record record;
        int problem = 0;
        if (!readRecord(record, problem)) {
            ::MessageBox(this->m_hWnd, dialString(problem).c_str(),
                         dialString(captionText_).c_str(), MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        this->data = record;
        RecordDialog<Record>::OnOK();
    }

protected:
    // Reads the controls into record; false with the text number of what is wrong.
    virtual bool readRecord(Record& record, int& problem) const = 0;

private:
    int captionText_;
};
