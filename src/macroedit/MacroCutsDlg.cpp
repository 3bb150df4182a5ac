#include "macroedit/MacroCutsDlg.h"

#include "core/DialogHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/Texts.h"
#include "win/CComboBox.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

const char* const kSizeKey = "DLG_MACRO_CUTS";

constexpr struct {
    const char* image;
    int text;
} kTypes[mdxConstraintCutTypeCount] = {{"CutProfvsPlate.bmp", 1084},
                                       {"CutProfvsProf.bmp", 1085},
                                       {"CutProfinProf.bmp", 1086},
                                       {"CutProfvsProf3Segments.bmp", 1087},
                                       {"CutChamfer.bmp", 1088},
                                       {"CutFillet.bmp", 1089}};

constexpr struct {
    const char* name;
    int text;
    int number;  // joined to the text when not 0
} kDisplayNames[] = {{"Offset", 1099, 0},       {"PolyOffset", 1099, 0},   {"LengthOffset", 1100, 0},
                     {"CenterOffset", 1101, 0}, {"InsideOffset", 1102, 0}, {"OutsideOffset", 1103, 0},
                     {"Offset1", 1104, 1},      {"Offset2", 1104, 2},      {"Radius", 740, 0}};

Mdx_String controlText(const CWnd* dialog, int id) {
    char buffer[512] = {};
    dialog->GetDlgItemText(id, buffer, sizeof buffer);
    return Mdx_String(buffer);
}

}  // namespace

MacroCutsDlg::MacroCutsDlg(CWnd* parent) : CAcUiDialog(kTemplateId, parent) {}

Mdx_String MacroCutsDlg::displayName(const Mdx_String& name) {
    for (const auto& entry : kDisplayNames) {
        if (name != entry.name) continue;
        Mdx_String text = dialString(entry.text);
        return entry.number ? text.append(entry.number) : text;
    }
    return name;
}

BOOL MacroCutsDlg::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    ChangeDlgSize(this, kSizeKey);
    if (grid.attachToDlgItem(this, kGrid, true)) {
        grid.setStandardLayout(1);
        grid.setMaxCols(3, false);
        grid.setColumnHeaders({dialString(87), dialString(881), dialString(1078)});
    }
    labelControls();
    fillFromRecord();
    if (data.editing) {
        EnDisCtrl(this, kName, false);
        EnDisCtrl(this, kType, false);
        for (int id : {kThisMacro, kOtherMacro, kPickMacro, kOtherLabel, kModule})
            ShowOrHideCtrl(this, id, SW_HIDE);
    }
    return TRUE;
}

void MacroCutsDlg::labelControls() {
    SetWindowText(dialString(data.editing ? 1079 : 1080).c_str());
    const struct {
        int id, text;
    } labels[] = {{1123, 1081}, {kThisMacro, 710}, {kOtherMacro, 711}, {kPickMacro, 1082},
                  {kOtherLabel, 1083}, {IDOK, 1},  {IDCANCEL, 2}};
    for (const auto& label : labels) SetDlgItemText(label.id, dialString(label.text).c_str());
    types_.SubclassDlgItem(kType, this);
    Mdx_StringArray files, texts;
    const Mdx_String folder = gSettings.mdxDir() + "icons\\";
    for (const auto& entry : kTypes) {
        files.append(folder + entry.image);
        texts.append(dialString(entry.text));
    }
    types_.AddAllImages(files, texts);
    FillCombo(this, kChoice, {dialString(1395), dialString(1396), dialString(1397), dialString(1398)});
}

void MacroCutsDlg::fillGrid(const Mdx_StringArray& names, const AcArray<bool>& flags,
                            const Mdx_StringArray& values) {
    if (!grid.isAttached()) return;
    grid.setMaxRows(names.length(), false);
    for (int r = 0; r < names.length(); ++r) {
        grid.setCellData(1, r + 1, displayName(names[r]));
        grid.setCellLocked(1, r + 1, true);
        grid.setCheckBoxCell(2, r + 1, false);
        grid.setCheck(2, r + 1, r < flags.length() && flags[r]);
        grid.setEditCell(3, r + 1);
        grid.setCellData(3, r + 1, values.isValidIndex(r) ? values[r] : Mdx_String("0"));
    }
    grid.fitColumnsEqually(false, 0);
}

void MacroCutsDlg::fillFromRecord() {
    types_.SetCurSel(static_cast<int>(data.cutType) - 1);
    SetDlgItemText(kName, data.name.c_str());
    SetDlgItemText(kPrefix, data.variablePrefix.c_str());
    fillGrid(data.valueNames, data.valueFlags, data.values);
    int chosen = 1;
    if (data.cutType == Mdx_ConstraintCutType::ProfileVsPlate) {
        SendDlgItemMessage(kChoice, CB_SETCURSEL, static_cast<WPARAM>(data.choice), 0);
        CheckDlgButton(kCheck1325, data.check1325 ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(kCheck1326, data.check1326 ? BST_CHECKED : BST_UNCHECKED);
        chosen = data.secondOption ? 2 : 1;
    } else if (data.cutType == Mdx_ConstraintCutType::ProfileVsProfile3Segments) {
        chosen = !data.threeSegments ? 3 : data.threeSegmentsSecond ? 2 : 1;
    }
    if (data.cutType == Mdx_ConstraintCutType::ProfileVsPlate ||
        data.cutType == Mdx_ConstraintCutType::ProfileInProfile)
        CheckDlgButton(kCheck1323, data.check1323 ? BST_CHECKED : BST_UNCHECKED);
    for (int i = 0; i < 3; ++i)
        CheckDlgButton(kOptions[i], i + 1 == chosen ? BST_CHECKED : BST_UNCHECKED);
    arrangeOptions();
    CheckDlgButton(kThisMacro, data.otherPartSource == 1 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(kOtherMacro, data.otherPartSource == 2 ? BST_CHECKED : BST_UNCHECKED);
    fillModules();
    SetDlgItemText(kModule, data.moduleName.c_str());
    EnDisCtrl(this, kPickMacro, data.otherPartSource == 2);
}

int MacroCutsDlg::type() const {
    return static_cast<int>(SendDlgItemMessage(kType, CB_GETCURSEL, 0, 0)) + 1;
}

int MacroCutsDlg::option() const {
    for (int i = 0; i < 3; ++i)
        if (IsDlgButtonChecked(kOptions[i]) == BST_CHECKED) return i + 1;
    return 1;
}

void MacroCutsDlg::arrangeOptions() {
    const int kind = type();
    const bool one = kind == 1, four = kind == 4, three = kind == 3;
    if (one && option() == 3) {  // a type-1 cut has two options
        CheckDlgButton(kOptions[2], BST_UNCHECKED);
        CheckDlgButton(kOptions[1], BST_CHECKED);
    }
    ShowOrHideCtrl(this, kOptions[0], one || four ? SW_SHOW : SW_HIDE);
    ShowOrHideCtrl(this, kOptions[1], one || four ? SW_SHOW : SW_HIDE);
    ShowOrHideCtrl(this, kOptions[2], four ? SW_SHOW : SW_HIDE);
    ShowOrHideCtrl(this, kOptionLabel, one ? SW_SHOW : SW_HIDE);
    ShowOrHideCtrl(this, kCheck1323, one || three ? SW_SHOW : SW_HIDE);
    ShowOrHideCtrl(this, kCheck1325, one && !data.editing ? SW_SHOW : SW_HIDE);
    ShowOrHideCtrl(this, kCheck1326, one ? SW_SHOW : SW_HIDE);
    ShowOrHideCtrl(this, kChoice, one ? SW_SHOW : SW_HIDE);
    if (one) {
        const int texts[] = {1105, 1106};
        for (int i = 0; i < 2; ++i) SetDlgItemText(kOptions[i], dialString(texts[i]).c_str());
        SetDlgItemText(kOptionLabel, dialString(1394).c_str());
        SetDlgItemText(kCheck1323, dialString(1108).c_str());
        SetDlgItemText(kCheck1325, dialString(1109).c_str());
        SetDlgItemText(kCheck1326, dialString(1399).c_str());
    } else if (four) {
        const int texts[] = {1110, 1111, 1112};
        for (int i = 0; i < 3; ++i) SetDlgItemText(kOptions[i], dialString(texts[i]).c_str());
    } else if (three) {
        SetDlgItemText(kCheck1323, dialString(1113).c_str());
    }
    updatePrefix();
    updateChecks();
}

// Prefix edit and label show only for type 4 while option 3 is not chosen.
void MacroCutsDlg::updatePrefix() {
    const bool shown = type() == 4 && option() != 3;
    ShowOrHideCtrl(this, kPrefix, shown ? SW_SHOW : SW_HIDE);
    ShowOrHideCtrl(this, kPrefixLabel, shown ? SW_SHOW : SW_HIDE);
    SetDlgItemText(kPrefixLabel, dialString(option() != 1 ? 1114 : 1115).c_str());
}

// Type 1: checks 1323 and 1325 exclude each other; 1326 only with 1325 and without 1323.
void MacroCutsDlg::updateChecks() {
    if (type() != 1) return;
    const bool c1323 = IsDlgButtonChecked(kCheck1323) == BST_CHECKED;
    const bool c1325 = IsDlgButtonChecked(kCheck1325) == BST_CHECKED;
    EnDisCtrl(this, kCheck1323, !c1325);
    EnDisCtrl(this, kCheck1325, !c1323);
    EnDisCtrl(this, kCheck1326, c1325 && !c1323);
}

void MacroCutsDlg::typeChanged() {
    Mdx_StringArray names, values;
    AcArray<bool> flags;
    if (DlgMacroCutsData::GetDefaultValues(static_cast<Mdx_ConstraintCutType>(type()), names,
                                           values, flags)) {
        data.valueNames = names;
        fillGrid(names, flags, values);
    }
    arrangeOptions();
}

void MacroCutsDlg::fillModules() {
    Mdx_StringArray names;
    data.macroChoice.GetAllMods(data.macroChoice.macroId, names);
    auto* combo = static_cast<CComboBox*>(GetDlgItem(kModule));
    if (!combo) return;
    combo->ResetContent();
    for (const Mdx_String& name : names) combo->AddString(name.c_str());
}

void MacroCutsDlg::pickMacro() {
    BeginEditorCommand();
    const bool picked = data.macroChoice.UserSelectMacro();
    CompleteEditorCommand(TRUE);
    if (picked) fillModules();
}

void MacroCutsDlg::readRecord(DlgMacroCutsData& record) const {
    record.cutType = static_cast<Mdx_ConstraintCutType>(type());
    if (!record.editing) record.name = controlText(this, kName);
    record.variablePrefix = controlText(this, kPrefix);
    if (type() == 1) {
        record.secondOption = option() != 1;
        record.choice = static_cast<int>(SendDlgItemMessage(kChoice, CB_GETCURSEL, 0, 0));
        record.check1325 = IsDlgButtonChecked(kCheck1325) == BST_CHECKED;
        record.check1326 = IsDlgButtonChecked(kCheck1326) == BST_CHECKED;
    }
    if (type() == 4) {
        record.threeSegments = option() != 3;
        record.threeSegmentsSecond = option() != 1;
    }
    if (type() == 1 || type() == 3)
        record.check1323 = IsDlgButtonChecked(kCheck1323) == BST_CHECKED;
    if (grid.isAttached()) {
        record.valueFlags.setLogicalLength(0);
        record.values.setEmpty();
        for (int r = 1; r <= record.valueNames.length(); ++r) {
            bool on = false;
            Mdx_String value;
            const_cast<Mdx_Spread&>(grid).getCheck(2, r, on);
            grid.getCellText(3, r, value, kTextData);
            record.valueFlags.append(on);
            record.values.append(value);
        }
    }
    if (!record.editing) {
        record.otherPartSource = IsDlgButtonChecked(kThisMacro) == BST_CHECKED ? 1 : 2;
        record.moduleName = controlText(this, kModule);
    }
}

// An edited cut keeps its other part, whose controls are hidden: its module field is not
// asked for.
void MacroCutsDlg::OnOK() {
    if (!data.editing && controlText(this, kModule).isEmpty()) {
        MessageBox(dialString(1090).c_str(), dialString(1091).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    DlgMacroCutsData record = data;
    readRecord(record);
    bool inUse = false;
    if (record.otherPartSource == 2 &&
        record.CutNameInUse(record.macroChoice.macroId, record.name, record.moduleName, inUse) &&
        inUse) {
        MessageBox((dialString(1092) + "\n" + dialString(1093)).c_str(), dialString(1094).c_str(),
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!record.AreVarNamesValid()) {
        MessageBox((dialString(1095) + "\n" + dialString(1096) + " " + dialString(1097) +
                    " \"gen_\".\n")
                       .c_str(),
                   dialString(1098).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    data = record;
    CAcUiDialog::OnOK();
}

BOOL MacroCutsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == kType && code == CBN_SELCHANGE) return typeChanged(), TRUE;
    if (code == BN_CLICKED) {
        if (id == kOtherMacro) {
            EnDisCtrl(this, kPickMacro, true);
            pickMacro();
            return TRUE;
        }
        if (id == kThisMacro) return EnDisCtrl(this, kPickMacro, false), TRUE;
        if (id == kPickMacro) return pickMacro(), TRUE;
        if (id == kOptions[0] || id == kOptions[1] || id == kOptions[2]) return updatePrefix(), TRUE;
        if (id == kCheck1323 || id == kCheck1325) return updateChecks(), TRUE;
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

BOOL MacroCutsDlg::PreTranslateMessage(MSG* msg) {
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) escaped = true;
    return CAcUiDialog::PreTranslateMessage(msg);
}

void MacroCutsDlg::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CAcUiDialog::OnDestroy();
}
