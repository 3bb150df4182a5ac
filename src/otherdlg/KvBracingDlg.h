#pragma once
// The bracing dialog (template 9110): the layout of a bay's bracing, the section of its
// members, whether they take tension only, and the bolting of a member end to its gusset
// plate. OK refuses a missing section and numbers that cannot be right with a message and
// stays open; the record is copied back only on OK.
#include "otherdlg/CheckedRecordDialog.h"
#include "otherdlg/OtherDialogRecords.h"
#include "resources/otherdlg_ids.h"

class KvBracingDlg : public CheckedRecordDialog<KvBracingDlgData> {
public:
    static constexpr UINT kTemplateId = IDD_BRACING;
    static constexpr int kMaxBolts = 50;
    static constexpr double kMaxPlateThickness = 100.0;

    KvBracingDlg();

    BOOL OnInitDialog() override;

private:
    void labelControls();
    void showRecord();
    bool readRecord(KvBracingDlgData& record, int& problem) const override;
    Mdx_String controlText(int id) const;
};
