#include "otherdlg/KvLookUpDlg.h"

#include <string>

#include "core/DialogHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"
#include "win/WinMessages.h"

namespace {

struct ControlText {
    int id;
    int text;
};
constexpr ControlText kTexts[] = {{1395, 1500}, {1123, 87},   {1388, 95},   {1390, 96},
                                  {1392, 1501}, {1396, 1516}, {1397, 1517}, {1394, 1502},
                                  {3, 1503},    {IDOK, 1},    {IDCANCEL, 2}};

Mdx_StringArray dialStrings(std::initializer_list<int> ids) {
    Mdx_StringArray texts;
    for (int id : ids) texts.append(dialString(id));
    return texts;
}

}  // namespace

KvLookUpDlg::KvLookUpDlg() : RecordDialog<KvLookUpDlgData>(kTemplateId) {}

void KvLookUpDlg::labelControls() {
    SetWindowText(dialString(1499).c_str());
    for (const ControlText& entry : kTexts)
        SetDlgItemText(entry.id, dialString(entry.text).c_str());
    SetDlgItemText(1385, string(2262).c_str());
    SetDlgItemText(1124, string(2263).c_str());
}

void KvLookUpDlg::fillControls() {
    const struct {
        int id;
        const Mdx_StringArray& items;
        const Mdx_String& text;
    } editable[] = {{kText1, data.items1, data.text1},
                    {kText2, data.items2, data.text2},
                    {kText3, data.items3, data.text3},
                    {kText4, data.items4, data.text4},
                    {kText5, data.items5, data.text5}};
    for (const auto& combo : editable) {
        FillCombo(this, combo.id, combo.items);
        SetDlgItemText(combo.id, combo.text.c_str());
    }
    FillCombo(this, kChoice1, dialStrings({88, 89, 1511}), data.choice1);
    FillCombo(this, kChoice2, dialStrings({1504, 1505, 1506}), data.choice2);
    CheckRadioButton(kRadioFirst, kRadioSecond, data.radio == 0 ? kRadioFirst : kRadioSecond);
    CheckDlgButton(kOption, data.option ? BST_CHECKED : BST_UNCHECKED);
    enableOption();
}

// The option applies to the first radio choice only; it keeps its state while disabled.
void KvLookUpDlg::enableOption() {
    EnDisCtrl(this, kOption, IsDlgButtonChecked(kRadioFirst) == BST_CHECKED);
}

BOOL KvLookUpDlg::OnInitDialog() {
    RecordDialog<KvLookUpDlgData>::OnInitDialog();
    labelControls();
    fillControls();
    return TRUE;
}

Mdx_String KvLookUpDlg::comboText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Mdx_String(text.c_str(), static_cast<int>(text.size()));
}

void KvLookUpDlg::readBack(int result) {
    data.text1 = comboText(kText1);
    data.text2 = comboText(kText2);
    data.text3 = comboText(kText3);
    data.text4 = comboText(kText4);
    data.text5 = comboText(kText5);
    data.choice1 = static_cast<int>(SendDlgItemMessage(kChoice1, CB_GETCURSEL));
    data.choice2 = static_cast<int>(SendDlgItemMessage(kChoice2, CB_GETCURSEL));
    data.radio = IsDlgButtonChecked(kRadioFirst) == BST_CHECKED ? 0 : 1;
    data.option = IsDlgButtonChecked(kOption) == BST_CHECKED;
    data.result = result;
}

void KvLookUpDlg::OnOK() {
    readBack(kResultOk);
    RecordDialog<KvLookUpDlgData>::OnOK();
}

BOOL KvLookUpDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && (id == kRadioFirst || id == kRadioSecond)) {
        enableOption();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && id == kShowAll) {
        readBack(kResultShowAll);
        EndDialog(IDOK);
        return TRUE;
    }
    return RecordDialog<KvLookUpDlgData>::OnCommand(wParam, lParam);
}

bool StartDlgLookUp(KvLookUpDlgData& data) {
    KvTempResourceOverride resources;
    KvLookUpDlg dialog;
    return runWithCopyBack(dialog, data);
}
