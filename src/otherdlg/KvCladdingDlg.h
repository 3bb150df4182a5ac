#pragma once
// The cladding dialog (template 9109): the face (wall or roof), the profiled sheet, which way
// the sheets run, their thickness, end overlap and fixing spacing. OK refuses a missing
// profile and sizes that cannot be right with a message and stays open; the record is copied
// back only on OK.
#include "otherdlg/CheckedRecordDialog.h"
#include "otherdlg/OtherDialogRecords.h"
#include "resources/otherdlg_ids.h"

class KvCladdingDlg : public CheckedRecordDialog<KvCladdingDlgData> {
public:
    static constexpr UINT kTemplateId = IDD_CLADDING;

    KvCladdingDlg();

    BOOL OnInitDialog() override;

private:
    void labelControls();
    void showRecord();
    bool readRecord(KvCladdingDlgData& record, int& problem) const override;
    Mdx_String controlText(int id) const;
};
