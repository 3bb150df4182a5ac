#include "otherdlg/KvGridDlg.h"

#include <cstdlib>
#include <string>

#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"

namespace {

struct ControlText {
    int id;
    int text;
};
// Labels and group boxes of both directions share their texts.
constexpr ControlText kTexts[] = {{1372, 1464}, {1375, 1465}, {1366, 1466},
                                  {1373, 1466}, {1368, 1467}, {1376, 1467},
                                  {1370, 1468}, {1378, 1468}, {KvGridDlg::kOption, 1469},
                                  {IDOK, 1},    {IDCANCEL, 2}};

}  // namespace

KvGridDlg::KvGridDlg(CWnd* parent) : CAcUiDialog(kTemplateId, parent) {}

void KvGridDlg::labelControls() {
    SetWindowText(dialString(1463).c_str());
    for (const ControlText& entry : kTexts)
        SetDlgItemText(entry.id, dialString(entry.text).c_str());
}

BOOL KvGridDlg::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    labelControls();
    SetDlgItemText(kFirstCount, Mdx_String::fromInt(data.firstCount).c_str());
    SetDlgItemText(kFirstSpacing, data.firstSpacing.c_str());
    SetDlgItemText(kFirstName, data.firstName.c_str());
    SetDlgItemText(kSecondCount, Mdx_String::fromInt(data.secondCount).c_str());
    SetDlgItemText(kSecondSpacing, data.secondSpacing.c_str());
    SetDlgItemText(kSecondName, data.secondName.c_str());
    CheckDlgButton(kOption, data.option ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

Mdx_String KvGridDlg::editText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Mdx_String(text.c_str(), static_cast<int>(text.size()));
}

void KvGridDlg::OnOK() {
    data.firstCount = std::atoi(editText(kFirstCount).c_str());
    data.firstSpacing = editText(kFirstSpacing);
    data.firstName = editText(kFirstName);
    data.secondCount = std::atoi(editText(kSecondCount).c_str());
    data.secondSpacing = editText(kSecondSpacing);
    data.secondName = editText(kSecondName);
    data.option = IsDlgButtonChecked(kOption) == BST_CHECKED;
    CAcUiDialog::OnOK();
}

bool StartDlgGrid(KvGridDlgData& data) {
    KvTempResourceOverride resources;
    KvGridDlg dialog;
    dialog.data = data;
    if (dialog.DoModal() != IDOK) return false;
    data = dialog.data;
    return true;
}
