#pragma once
// The CIS/2 options dialog: edits a copy of a KvDlgCis2Data. The options that depend on the
// second choice are enabled only while it is selected, and keep their states either way.
#include "host/CAcUiDialog.h"
#include "otherdlg/KvDlgCis2Data.h"

class KvCis2Dlg : public CAcUiDialog {
public:
    static constexpr UINT kTemplateId = 254;
    static constexpr int kFirstOn = 1420;
    static constexpr int kFirstOff = 1421;
    static constexpr int kInformation = 1422;
    static constexpr int kSectionNames = 1423;
    static constexpr int kSecond = 1424;
    static constexpr int kFourth = 1425;
    static constexpr int kThirdOff = 1426;
    static constexpr int kFifth = 1427;
    static constexpr int kThirdOn = 1428;

    explicit KvCis2Dlg(CWnd* parent = nullptr);

    KvDlgCis2Data data;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    void labelControls();
    void enableDependents();
};

// Modal; true and the record copied back when the dialog closed with OK.
bool StartDlgCis2Info(KvDlgCis2Data& data);
