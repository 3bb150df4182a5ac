#include "macrodlg/DlgBoltAdvanced.h"

#include "core/DialogHelpers.h"
#include "core/NumberText.h"
#include "core/macro/BoltCatalogue.h"
#include "core/Texts.h"
#include "macrodlg/BoltSettingsTarget.h"
#include "win/CButton.h"
#include "win/CComboBox.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"
#include "win/WinStyles.h"

namespace {

constexpr const char* kSizeKey = "DLG_MACRO_BOLTADVANCED";
constexpr int kHoleCombo = 1108;
constexpr int kHoleActive = 1120;
constexpr int kHoleType = 1324;
constexpr int kHoleTexts[4] = {1119, 1118, 1022, 1125};
constexpr int kHoleFields[] = {1117, 1119, 1113, 1118, 1114, 1022, 1124, 1125, 1122, 1324};
constexpr int kOptionBoxes[Mdx_BoltSettings::kOptionCount] = {1110, 1116, 1115, 1095};
// nut 1, nut 2, washer 1, washer 2, washers
constexpr int kPartBoxes[Mdx_BoltSettings::kPartCount] = {8713, 8714, 8710, 8711, 8712};
constexpr int kBoltEdits[3] = {1103, 1102, 1104};
constexpr int kHoleTypeCount = 3;

struct ControlText {
    int id;
    int text;
};
constexpr ControlText kTexts[] = {
    {1111, 275}, {1112, 328}, {1121, 277}, {1123, 278}, {1126, 242},  {1110, 674},
    {1116, 985}, {1115, 234}, {1095, 276}, {1343, 984}, {1365, 1477}, {1109, 986},
    {1120, 761}, {1117, 328}, {1113, 987}, {1114, 988}, {1124, 989},  {1122, 990},
    {8672, 993}, {8665, 992}, {8675, 992}, {IDOK, 285}};

Mdx_String textOf(const CWnd* dialog, int id) {
    std::string text;
    dialog->GetDlgItemText(id, text);
    return Mdx_String(text.c_str(), static_cast<int>(text.size()));
}

CComboBox* combo(CWnd* dialog, int id) {
    return static_cast<CComboBox*>(dialog->GetDlgItem(id));
}

// Fills a list and selects text, adding it first when the list does not have it.
void fillAndSelect(CWnd* dialog, int id, const Mdx_StringArray& items, const Mdx_String& text) {
    Mdx_StringArray list = items;
    if (!text.isEmpty() && !list.contains(text, false)) list.insertAt(0, text);
    int selection = -1;
    for (int i = 0; i < list.length(); ++i)
        if (list[i].equal(text, false)) selection = i;
    FillCombo(dialog, id, list, selection);
}

Mdx_String selectedText(CWnd* dialog, int id) {
    CComboBox* box = combo(dialog, id);
    const int selection = box ? box->GetCurSel() : -1;
    if (selection < 0) return {};
    std::string text;
    box->GetLBText(selection, text);
    return Mdx_String(text.c_str(), static_cast<int>(text.size()));
}

bool positiveNumber(const Mdx_String& text) {
    return isNumberText(text.view()) && leadingDouble(text.view()) > 0;
}

}  // namespace

DlgBoltAdvanced::DlgBoltAdvanced(const MacroBoltData& data, const Mdx_StringArray& diameters,
                                 BoltSettingsTarget* target, CWnd* parent)
    : TemplateDialog(kTemplateId, parent), data_(data), diameters_(diameters), target_(target) {}

BOOL DlgBoltAdvanced::OnInitDialog() {
    TemplateDialog::OnInitDialog();
    ChangeDlgSize(this, kSizeKey);
    labelControls();
    Mdx_StringArray types;
    for (int text : {994, 995, 996}) types.append(dialString(text));
    FillCombo(this, kHoleType, types);
    holes_.SubclassDlgItem(kHoleCombo, this);
    holeColumns_.attachToDlgItem(this, 1196, false);
    holeColumns_.setStandardLayout(1);
    holeColumns_.setMaxCols(2, false);
    holeColumns_.setCheckBoxColumn(1, false, false);
    showBoltData();
    holes_.SetCurSel(0);
    showHole(0);
    return TRUE;
}

void DlgBoltAdvanced::labelControls() {
    SetWindowText(dialString(983).c_str());
    for (const ControlText& entry : kTexts) SetDlgItemText(entry.id, dialString(entry.text).c_str());
    Mdx_String nut = dialString(991);
    SetDlgItemText(8669, (nut + " 1").c_str());
    SetDlgItemText(8667, (nut + " 2").c_str());
    // The nut label toggles its box: it must tell the dialog about clicks.
    if (CWnd* label = GetDlgItem(8669)) label->ModifyStyle(0, SS_NOTIFY);
}

void DlgBoltAdvanced::showBoltData() {
    Mdx_StringArray assemblies;
    GetAssemblies(assemblies);
    fillAndSelect(this, 1091, assemblies, data_.assembly);
    fillAndSelect(this, 1092, diameters_, data_.diameter);
    SetDlgItemText(1103, data_.penetrationLength.c_str());
    SetDlgItemText(1102, data_.addedLength.c_str());
    SetDlgItemText(1104, data_.holeTolerance.c_str());
    SetDlgItemText(1344, dialString(data_.count > 0 ? 997 : 998).c_str());
    EnDisCtrl(this, 1343, data_.count > 0);
    CheckDlgButton(1343, data_.countFlag ? BST_CHECKED : BST_UNCHECKED);
    for (int i = 0; i < Mdx_BoltSettings::kOptionCount; ++i)
        setTriState(kOptionBoxes[i], data_.options[static_cast<std::size_t>(i)]);
    holeColumns_.setMaxRows(data_.holeColumns.length(), false);
    for (int row = 0; row < data_.holeColumns.length(); ++row) {
        holeColumns_.setCheck(1, row + 1, data_.holeColumns[row].flag);
        holeColumns_.setCellData(2, row + 1, data_.holeColumns[row].name);
    }
    const int selected = holes_.GetCurSel();
    holes_.ResetContent();
    for (int i = 0; i < data_.slottedHoles.length(); ++i) {
        const Mdx_String entry = dialString(999) + " nr: " + Mdx_String::fromInt(i + 1);
        holes_.AddString(entry.c_str());
        holes_.SetCheck(i, data_.slottedHoles[i].active);
    }
    if (selected >= 0 && selected < holes_.GetCount()) holes_.SetCurSel(selected);
    for (int i = 0; i < Mdx_BoltSettings::kPartCount; ++i) {
        const int value = data_.parts[static_cast<std::size_t>(i)];
        EnDisCtrl(this, kPartBoxes[i], value != Mdx_BoltSettings::kNotApplicable);
        CheckDlgButton(kPartBoxes[i], value == 1 ? BST_CHECKED : BST_UNCHECKED);
    }
}

void DlgBoltAdvanced::showHole(int index) {
    if (!data_.slottedHoles.isValidIndex(index)) return;
    shownHole_ = index;
    const Mdx_SlottedHole& hole = data_.slottedHoles[index];
    setTriState(kHoleActive, hole.active ? 1 : 0);
    for (int i = 0; i < 4; ++i) SetDlgItemText(kHoleTexts[i], hole.texts[static_cast<std::size_t>(i)].c_str());
    combo(this, kHoleType)->SetCurSel(hole.typeIndex < 0 ? kHoleTypeCount - 1 : hole.typeIndex);
    enableHoleFields();
}

// A pick in the list shows that hole; as the pick also ticks or clears the entry's box, the
// box is an input too: when it no longer matches the hole's active state, the hole follows
// it and the change is applied like a click on "Activeer".
void DlgBoltAdvanced::holePicked() {
    storeHole();
    const int index = holes_.GetCurSel();
    showHole(index);
    if (!data_.slottedHoles.isValidIndex(index)) return;
    const bool ticked = holes_.GetCheck(index) == 1;
    if (ticked == data_.slottedHoles[index].active) return;
    setTriState(kHoleActive, ticked ? 1 : 0);
    enableHoleFields();
    apply();
}

void DlgBoltAdvanced::enableHoleFields() {
    const bool active = IsDlgButtonChecked(kHoleActive) == BST_CHECKED;
    for (int id : kHoleFields) EnDisCtrl(this, id, active);
}

void DlgBoltAdvanced::storeHole() {
    if (!data_.slottedHoles.isValidIndex(shownHole_)) return;
    Mdx_SlottedHole& hole = data_.slottedHoles[shownHole_];
    hole.active = IsDlgButtonChecked(kHoleActive) == BST_CHECKED;
    for (int i = 0; i < 4; ++i) hole.texts[static_cast<std::size_t>(i)] = textOf(this, kHoleTexts[i]);
    const int type = combo(this, kHoleType)->GetCurSel();
    // The last item stands for "keep each macro's own type".
    hole.typeIndex = type == kHoleTypeCount - 1 ? -1 : type;
}

void DlgBoltAdvanced::readDialog() {
    data_.assembly = selectedText(this, 1091);
    data_.diameter = selectedText(this, 1092);
    data_.penetrationLength = textOf(this, kBoltEdits[0]);
    data_.addedLength = textOf(this, kBoltEdits[1]);
    data_.holeTolerance = textOf(this, kBoltEdits[2]);
    if (data_.count > 0) data_.countFlag = IsDlgButtonChecked(1343) == BST_CHECKED;
    for (int i = 0; i < Mdx_BoltSettings::kOptionCount; ++i)
        data_.options[static_cast<std::size_t>(i)] = triState(kOptionBoxes[i]);
    for (int row = 0; row < data_.holeColumns.length(); ++row) {
        bool on = false;
        holeColumns_.getCheck(1, row + 1, on);
        data_.holeColumns[row].flag = on;
        holeColumns_.getCellText(2, row + 1, data_.holeColumns[row].name, kTextData);
    }
    for (int i = 0; i < Mdx_BoltSettings::kPartCount; ++i) {
        CWnd* box = GetDlgItem(kPartBoxes[i]);
        data_.parts[static_cast<std::size_t>(i)] =
            box && box->IsWindowEnabled() ? (IsDlgButtonChecked(kPartBoxes[i]) == BST_CHECKED ? 1 : 0)
                                          : Mdx_BoltSettings::kNotApplicable;
    }
    storeHole();
}

bool DlgBoltAdvanced::validate() {
    for (int i = 0; i < data_.slottedHoles.length(); ++i) {
        const Mdx_SlottedHole& hole = data_.slottedHoles[i];
        if (!hole.active || (positiveNumber(hole.texts[0]) && positiveNumber(hole.texts[1])))
            continue;
        const Mdx_String text = dialString(1000) + " " + Mdx_String::fromInt(i) + " " +
                                dialString(1001) + "\n\n" + dialString(888) + ".";
        MessageBox(text.c_str(), "Ongeldige waarde", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

bool DlgBoltAdvanced::apply() {
    if (!target_) return true;
    readDialog();
    if (!validate()) return false;
    const bool applied = target_->applyBoltData(data_);
    showBoltData();
    showHole(shownHole_);
    return applied;
}

int DlgBoltAdvanced::triState(int id) const {
    const UINT state = IsDlgButtonChecked(id);
    return state == BST_INDETERMINATE ? Mdx_BoltSettings::kMixedOption : state == BST_CHECKED ? 1 : 0;
}

// A mixed value shows indeterminate; the box offers the third state only while it shows it.
void DlgBoltAdvanced::setTriState(int id, int state) {
    auto* box = static_cast<CButton*>(GetDlgItem(id));
    if (!box) return;
    box->SetButtonStyle(state == Mdx_BoltSettings::kMixedOption ? BS_AUTO3STATE : BS_AUTOCHECKBOX, FALSE);
    box->SetCheck(state == Mdx_BoltSettings::kMixedOption ? BST_INDETERMINATE
                  : state == 1                            ? BST_CHECKED
                                                          : BST_UNCHECKED);
}

void DlgBoltAdvanced::disableTriState(int id) {
    auto* box = static_cast<CButton*>(GetDlgItem(id));
    if (!box) return;
    if (box->GetCheck() == BST_INDETERMINATE) box->SetCheck(BST_CHECKED);
    box->SetButtonStyle(BS_AUTOCHECKBOX, FALSE);
}

BOOL DlgBoltAdvanced::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (code == BN_CLICKED) {
        for (int box : kOptionBoxes)
            if (id == box) return disableTriState(id), apply(), TRUE;
        for (int box : kPartBoxes)
            if (id == box) return disableTriState(id), apply(), TRUE;
        if (id == kHoleActive) {
            disableTriState(id);
            enableHoleFields();
            holes_.SetCheck(shownHole_, IsDlgButtonChecked(id) == BST_CHECKED);
            apply();
            return TRUE;
        }
        if (id == 1343) return apply(), TRUE;
        if (id == 8669) {  // STN_CLICKED shares the code of BN_CLICKED
            CheckDlgButton(8713, IsDlgButtonChecked(8713) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
            return TRUE;
        }
    }
    if (code == CBN_SELCHANGE) {
        if (id == kHoleCombo) return holePicked(), TRUE;
        if (id == 1091 || id == 1092 || id == kHoleType) return apply(), TRUE;
    }
    return TemplateDialog::OnCommand(wParam, lParam);
}

// Enter applies and keeps the dialog open; only OK closes it.
BOOL DlgBoltAdvanced::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        apply();
        return TRUE;
    }
    return TemplateDialog::PreTranslateMessage(msg);
}

void DlgBoltAdvanced::OnOK() {
    if (apply()) TemplateDialog::OnOK();
}

void DlgBoltAdvanced::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    TemplateDialog::OnDestroy();
}
