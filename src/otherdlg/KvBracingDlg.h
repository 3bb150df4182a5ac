#pragma once
// The bracing dialog (template 9110): the layout of a bay's bracing, the section of its
// members, whether they take tension only, and the bolting of a member end to its gusset
// plate. OK refuses a missing section and numbers that cannot be right with a message and
// stays open; the record is copied back only on OK.
#include "frame/TemplateDialog.h"
#include "otherdlg/OtherDialogRecords.h"
#include "resources/otherdlg_ids.h"

class KvBracingDlg : public RecordDialog<KvBracingDlgData> {
public:
    static constexpr UINT kTemplateId = IDD_BRACING;
    static constexpr int kMaxBolts = 50;
    static constexpr double kMaxPlateThickness = 100.0;

    KvBracingDlg();

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void labelControls();
    void showRecord();
    // Reads the controls into a copy; false with the text number of what is wrong.
    bool readRecord(KvBracingDlgData& record, int& problem) const;
    Mdx_String controlText(int id) const;
};
