#pragma once
// The profile features dialog (template 9108): the features of a profile (holes, notches,
// markings, ...) one per row of a grid, in the order they are made, with rows to insert and
// delete. Empty rows are dropped; OK refuses a feature listed twice and more features than
// a profile can carry with a message and stays open. Resizable; the size is kept under
// "DLG_PROF_FEATURES".
#include "otherdlg/RowButtons.h"
#include "core/CResizer.h"
#include "otherdlg/CheckedRecordDialog.h"
#include "otherdlg/OtherDialogRecords.h"
#include "resources/otherdlg_ids.h"
#include "spread/Mdx_Spread.h"

class KvProfFeaturesDlg : public CheckedRecordDialog<DlgProfFeaturesData> {
public:
    static constexpr UINT kTemplateId = IDD_PROF_FEATURES;
    static constexpr const char* kSizeKey = "DLG_PROF_FEATURES";
    static constexpr int kMaxFeatures = 500;

    KvProfFeaturesDlg();

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    void labelControls();
    void showFeatures();
    bool readRecord(DlgProfFeaturesData& record, int& problem) const override;

    Mdx_Spread m_grid;
    RowButtons m_rowButtons;
    CResizer m_resizer;
};
