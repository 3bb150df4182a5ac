#pragma once
// The grid dialog: edits a copy of a KvGridDlgData; StartDlgGrid copies it back on OK.
#include "host/CAcUiDialog.h"
#include "otherdlg/KvGridDlgData.h"

class KvGridDlg : public CAcUiDialog {
public:
    static constexpr UINT kTemplateId = 242;
    static constexpr int kFirstCount = 1367;
    static constexpr int kFirstSpacing = 1369;
    static constexpr int kFirstName = 1371;
    static constexpr int kSecondCount = 1374;
    static constexpr int kSecondSpacing = 1377;
    static constexpr int kSecondName = 1379;
    static constexpr int kOption = 1380;

    explicit KvGridDlg(CWnd* parent = nullptr);

    KvGridDlgData data;

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void labelControls();
    Mdx_String editText(int id) const;
};

// Modal; true and the record copied back when the dialog closed with OK.
bool StartDlgGrid(KvGridDlgData& data);
