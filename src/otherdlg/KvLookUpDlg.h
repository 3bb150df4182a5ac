#pragma once
// The look-up dialog (resource 244): edits a copy of a KvLookUpDlgData. OK and "Show All"
// both read the controls back and end with OK; result tells them apart.
#include "frame/TemplateDialog.h"
#include "otherdlg/KvLookUpDlgData.h"
#include "resources/otherdlg_ids.h"

class KvLookUpDlg : public RecordDialog<KvLookUpDlgData> {
public:
    static constexpr UINT kTemplateId = IDD_LOOKUP;
    static constexpr int kText1 = 1384;
    static constexpr int kText2 = 1386;
    static constexpr int kText3 = 1387;
    static constexpr int kText4 = 1389;
    static constexpr int kText5 = 1391;
    static constexpr int kChoice1 = 1398;
    static constexpr int kChoice2 = 1393;
    static constexpr int kRadioFirst = 1396;
    static constexpr int kRadioSecond = 1397;
    static constexpr int kOption = 1394;
    static constexpr int kShowAll = 3;
    static constexpr int kResultOk = 0;
    static constexpr int kResultShowAll = 2;

    KvLookUpDlg();

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void labelControls();
    void fillControls();
    void enableOption();
    void readBack(int result);
    Mdx_String comboText(int id) const;
};

bool StartDlgLookUp(KvLookUpDlgData& data);
