#include "otherdlg/KvCis2Dlg.h"

#include "core/DialogHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "otherdlg/KvCis2DlgSectionNames.h"

namespace {

struct ControlText {
    int id;
    int text;
};
constexpr ControlText kTexts[] = {{KvCis2Dlg::kFirstOn, 1734},
                                  {KvCis2Dlg::kFirstOff, 1735},
                                  {KvCis2Dlg::kSecond, 665},
                                  {KvCis2Dlg::kFourth, 1736},
                                  {KvCis2Dlg::kFifth, 1741},
                                  {KvCis2Dlg::kThirdOff, 1737},
                                  {KvCis2Dlg::kThirdOn, 1738},
                                  {KvCis2Dlg::kSectionNames, 1739},
                                  {IDOK, 1},
                                  {IDCANCEL, 2}};
constexpr int kDependents[] = {KvCis2Dlg::kSecond, KvCis2Dlg::kFourth, KvCis2Dlg::kThirdOff,
                               KvCis2Dlg::kFifth, KvCis2Dlg::kThirdOn};

UINT state(bool on) {
    return on ? BST_CHECKED : BST_UNCHECKED;
}

}  // namespace

KvCis2Dlg::KvCis2Dlg(CWnd* parent) : CAcUiDialog(kTemplateId, parent) {}

void KvCis2Dlg::labelControls() {
    SetWindowText(dialString(1731).c_str());
    SetDlgItemText(kInformation, appStrs({dialString(1732), dialString(1733), "\n"}).c_str());
    for (const ControlText& entry : kTexts)
        SetDlgItemText(entry.id, dialString(entry.text).c_str());
}

void KvCis2Dlg::enableDependents() {
    const bool enable = IsDlgButtonChecked(kFirstOff) == BST_CHECKED;
    for (int id : kDependents) EnDisCtrl(this, id, enable);
}

BOOL KvCis2Dlg::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    labelControls();
    CheckRadioButton(kFirstOn, kFirstOff, data.first ? kFirstOn : kFirstOff);
    CheckDlgButton(kSecond, state(data.second));
    CheckRadioButton(kThirdOff, kThirdOn, data.third ? kThirdOn : kThirdOff);
    CheckDlgButton(kFourth, state(data.fourth));
    CheckDlgButton(kFifth, state(data.fifth));
    enableDependents();
    return TRUE;
}

BOOL KvCis2Dlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && (id == kFirstOn || id == kFirstOff)) {
        CAcUiDialog::OnCommand(wParam, lParam);
        enableDependents();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && id == kSectionNames) {
        editCis2SectionNames();
        return TRUE;
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

void KvCis2Dlg::OnOK() {
    data.first = IsDlgButtonChecked(kFirstOn) == BST_CHECKED;
    data.second = IsDlgButtonChecked(kSecond) == BST_CHECKED;
    data.fourth = IsDlgButtonChecked(kFourth) == BST_CHECKED;
    data.fifth = IsDlgButtonChecked(kFifth) == BST_CHECKED;
    data.third = IsDlgButtonChecked(kThirdOff) != BST_CHECKED;
    CAcUiDialog::OnOK();
}

bool StartDlgCis2Info(KvDlgCis2Data& data) {
    KvTempResourceOverride resources;
    KvCis2Dlg dialog;
    dialog.data = data;
    if (dialog.DoModal() != IDOK) return false;
    data = dialog.data;
    return true;
}
