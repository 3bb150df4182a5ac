#pragma once
// The cladding dialog (template 9109): the face (wall or roof), the profiled sheet, which way
// the sheets run, their thickness, end overlap and fixing spacing. OK refuses a missing
// profile and sizes that cannot be right with a message and stays open; the record is copied
// back only on OK.
#include "frame/TemplateDialog.h"
#include "otherdlg/OtherDialogRecords.h"
#include "resources/otherdlg_ids.h"

class KvCladdingDlg : public RecordDialog<KvCladdingDlgData> {
public:
    static constexpr UINT kTemplateId = IDD_CLADDING;

    KvCladdingDlg();

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void labelControls();
    void showRecord();
    // Reads the controls into a copy; false with the text number of what is wrong.
    bool readRecord(KvCladdingDlgData& record, int& problem) const;
    Mdx_String controlText(int id) const;
};
