#include "sectionlib/KvEditLibSimpleDlg.h"

#include "core/DialogHelpers.h"
#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "core/sections/SectionTypes.h"
#include "resources/sectionlib_ids.h"
#include "sectionlib/SectionLanguages.h"
#include "sectionlib/SizePosition.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

const int kCaptionText = 6101;
const int kAutomaticNameText = 6102;
const int kActiveText = 761;
const int kNameText = 87;
const int kTakenNameText = 6103;
const int kNoNameText = 6104;
const int kRectangularTube = 10;

int builtInType(const Mdx_String& picture) {
    if (!picture.isNumber()) return -1;
    const int type = picture.toInt();
    return type >= 1 && type <= kSectionTypeCount ? type : -1;
}

}  // namespace

KvEditLibSimpleDlg::KvEditLibSimpleDlg() : CAcUiDialog(IDD_EDITLIBSIMPLE) {}

BOOL KvEditLibSimpleDlg::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    // The template's own size is the smallest the fields fit in.
    if (!getDlgSize(this, minimumTrackSize_)) minimumTrackSize_ = SIZE{50, 50};
    ChangeDlgSize(this, kSizeKey);
    labelControls();
    languages_ = data.getNrLanguages();
    int found = 0;
    startRow_ = data.findSysName(sysName, found) ? found : 0;
    // A start row without its language columns gives nothing to copy from.
    usable_ = data.rows.isValidIndex(startRow_) &&
              data.rows[startRow_].length() >= languages_ + 2;
    pattern_ = usable_ ? findSizeNamePattern(data, startRow_) : SizeNamePattern();
    showDimensions();
    if (usable_) {
        const Mdx_StringArray& row = data.rows[startRow_];
        CheckDlgButton(IDC_SIZE_ACTIVE, row[1] == Mdx_String("1") ? BST_CHECKED : BST_UNCHECKED);
        const int langCol = data.getColumnIdx(currentSectionLanguage());
        if (row.isValidIndex(langCol)) SetDlgItemText(IDC_SIZE_NAME, row[langCol].c_str());
    }
    // The new size is always active; the box shows how the start size is.
    EnDisCtrl(this, IDC_SIZE_ACTIVE, false);
    CheckDlgButton(IDC_SIZE_AUTO_NAME, pattern_.found ? BST_CHECKED : BST_UNCHECKED);
    EnDisCtrl(this, IDC_SIZE_AUTO_NAME, pattern_.found);
    updateAutomaticName();
    return TRUE;
}

void KvEditLibSimpleDlg::labelControls() {
    SetWindowText(dialString(kCaptionText).c_str());
    SetDlgItemText(IDC_SIZE_ACTIVE, dialString(kActiveText).c_str());
    SetDlgItemText(IDC_SIZE_AUTO_NAME, dialString(kAutomaticNameText).c_str());
    SetDlgItemText(IDC_SIZE_NAME_LABEL, (dialString(kNameText) + ":").c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
}

Mdx_StringArray KvEditLibSimpleDlg::dimensionNames() const {
    Mdx_StringArray names;
    const int type = builtInType(data.pictureName);
    const Mdx_StringArray typeNames = sectionTypeDimensionNames(type);
    for (int c = 2 + languages_; c < data.columnNames.length(); ++c) {
        const int index = c - 2 - languages_;
        names.append(typeNames.isValidIndex(index)
                         ? typeNames[index]
                         : translateSectionWord("Prof", data.columnNames[c]));
    }
    return names;
}

void KvEditLibSimpleDlg::showDimensions() {
    const Mdx_StringArray names = dimensionNames();
    fieldCount_ = usable_ ? std::min(names.length(), static_cast<int>(kMaxDimensions)) : 0;
    for (int i = 0; i < kMaxDimensions; ++i) {
        const bool shown = i < fieldCount_;
        ShowOrHideCtrl(this, IDC_SIZE_DIM_LABEL0 + i, shown);
        ShowOrHideCtrl(this, IDC_SIZE_DIM_EDIT0 + i, shown);
        if (!shown) continue;
        Mdx_String label;
        label += static_cast<char>('A' + i);
        label += ". ";
        label += names[i];
        label += ":";
        SetDlgItemText(IDC_SIZE_DIM_LABEL0 + i, label.c_str());
        const Mdx_StringArray& row = data.rows[startRow_];
        const int col = 2 + languages_ + i;
        SetDlgItemText(IDC_SIZE_DIM_EDIT0 + i, row.isValidIndex(col) ? row[col].c_str() : "");
    }
}

Mdx_String KvEditLibSimpleDlg::controlText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Mdx_String(std::move(text));
}

Mdx_StringArray KvEditLibSimpleDlg::shownDimensions() const {
    Mdx_StringArray values;
    for (int i = 0; i < fieldCount_; ++i) values.append(controlText(IDC_SIZE_DIM_EDIT0 + i));
    return values;
}

bool KvEditLibSimpleDlg::automaticNaming() const {
    return pattern_.found && IsDlgButtonChecked(IDC_SIZE_AUTO_NAME) == BST_CHECKED;
}

void KvEditLibSimpleDlg::updateAutomaticName() {
    if (!automaticNaming()) return;
    const int language = data.getColumnIdx(currentSectionLanguage()) - 2;
    const Mdx_String prefix =
        pattern_.prefixes.isValidIndex(language) ? pattern_.prefixes[language] : Mdx_String();
    SetDlgItemText(IDC_SIZE_NAME, (prefix + patternName(pattern_, shownDimensions())).c_str());
}

BOOL KvEditLibSimpleDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const BOOL handled = CAcUiDialog::OnCommand(wParam, lParam);
    const bool dimensionEdit = id >= IDC_SIZE_DIM_EDIT0 && id < IDC_SIZE_DIM_EDIT0 + kMaxDimensions;
    if ((dimensionEdit && HIWORD(wParam) == EN_CHANGE) ||
        (id == IDC_SIZE_AUTO_NAME && HIWORD(wParam) == BN_CLICKED))
        updateAutomaticName();
    return handled;
}

void KvEditLibSimpleDlg::refuse(const Mdx_String& text) {
    ::MessageBox(GetSafeHwnd(), text.c_str(), dialString(1098).c_str(), MB_OK | MB_ICONWARNING);
}

// The dimensions must be numbers, and a rectangular tube's corner radius (D) must exceed its
// wall thickness (C) unless it is zero.
bool KvEditLibSimpleDlg::checkDimensions() {
    const Mdx_StringArray values = shownDimensions();
    for (const Mdx_String& value : values) {
        if (!value.isNumber()) {
            refuse(dialString(888) + ".");
            return false;
        }
    }
    if (builtInType(data.pictureName) != kRectangularTube || values.length() < 4) return true;
    const double c = values[2].toDouble();
    const double d = values[3].toDouble();
    if (d == 0.0 || d > c) return true;
    refuse(dialString(1457) + "\n" + dialString(1458) + "\n\n" + dialString(888) + ".");
    return false;
}

Mdx_String KvEditLibSimpleDlg::newSizeName() const {
    if (automaticNaming()) return patternName(pattern_, shownDimensions());
    Mdx_String name = controlText(IDC_SIZE_NAME);
    name.trim();
    return name;
}

void KvEditLibSimpleDlg::addSize(const Mdx_String& name) {
    Mdx_StringArray row = data.rows[startRow_];
    row[0] = name;
    row[1] = "1";
    const bool automatic = automaticNaming();
    for (int i = 0; i < languages_; ++i)
        row[2 + i] = automatic && pattern_.prefixes.isValidIndex(i) ? pattern_.prefixes[i] + name
                                                                    : name;
    const Mdx_StringArray values = shownDimensions();
    for (int i = 0; i < values.length() && 2 + languages_ + i < row.length(); ++i)
        row[2 + languages_ + i] = values[i];
    const int position = sortedSizePosition(data, name);
    data.rows.insertAt(position, row);
    newRow = data.getfilteredIdx(position);
}

void KvEditLibSimpleDlg::OnOK() {
    if (!usable_) {
        newRow = -1;
        CAcUiDialog::OnOK();
        return;
    }
    if (!checkDimensions()) return;
    const Mdx_String name = newSizeName();
    int existing = -1;
    if (name.isEmpty() || name.findChar('\t') >= 0) {
        refuse(dialString(kNoNameText));
        return;
    }
    if (data.findSysName(name, existing)) {
        refuse(dialString(kTakenNameText) + " <" + name + ">");
        return;
    }
    addSize(name);
    CAcUiDialog::OnOK();
}

void KvEditLibSimpleDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    CAcUiDialog::OnGetMinMaxInfo(info);
    info->ptMinTrackSize = {minimumTrackSize_.cx, minimumTrackSize_.cy};
}

void KvEditLibSimpleDlg::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CAcUiDialog::OnDestroy();
}
