#include "otherdlg/KvLevelsDlg.h"

#include <cstdlib>
#include <string>

#include "core/DialogHelpers.h"
#include "core/Texts.h"
#include "spread/ValueInputDialog.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

struct ControlText {
    int id;
    int text;
};
constexpr ControlText kTexts[] = {{1081, 760},  {1123, 87}, {1124, 1473}, {1227, 593},
                                  {1126, 1474}, {IDOK, 1},  {IDCANCEL, 2}};
constexpr const char* kWorld = "wcs";

Mdx_String threeDecimals(double value) {
    return Mdx_String::format("%.3f", value);
}

}  // namespace

KvLevelsDlg::KvLevelsDlg() : RecordDialog<KvLevelsDlgData>(kTemplateId) {}

void KvLevelsDlg::labelControls() {
    SetWindowText(dialString(1478).c_str());
    for (const ControlText& entry : kTexts)
        SetDlgItemText(entry.id, dialString(entry.text).c_str());
}

BOOL KvLevelsDlg::OnInitDialog() {
    RecordDialog<KvLevelsDlgData>::OnInitDialog();
    labelControls();
    fillLevelList(0);
    showLevel(0);
    return TRUE;
}

void KvLevelsDlg::fillLevelList(int selection) {
    Mdx_StringArray names;
    data.getNames(names);
    FillCombo(this, IDC_LEVEL_LIST, names, selection);
}

void KvLevelsDlg::showLevel(int index) {
    Mdx_String name, reference;
    double value = 0.0, absolute = 0.0;
    if (data.getLevelData(index, name, reference, value, absolute)) {
        Mdx_StringArray others;
        data.getNames(others);
        others.removeAt(index);
        FillCombo(this, IDC_LEVEL_REFERENCE, others, others.find(reference));
        SetDlgItemText(IDC_LEVEL_NAME, name.c_str());
        SetDlgItemText(IDC_LEVEL_VALUE, threeDecimals(value).c_str());
        SetDlgItemText(IDC_LEVEL_ABSOLUTE, threeDecimals(absolute).c_str());
    }
    shown_ = index;
    addedHere_ = false;
    EnDisCtrl(this, IDC_LEVEL_REFERENCE, false);
}

Mdx_String KvLevelsDlg::controlText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Mdx_String(text.c_str(), static_cast<int>(text.size()));
}

void KvLevelsDlg::storeShownLevel() {
    data.updateLevel(shown_, std::atof(controlText(IDC_LEVEL_VALUE).c_str()));
    if (addedHere_) data.updateLevel(shown_, controlText(IDC_LEVEL_REFERENCE));
}

// The prompt comes again for a taken name; false when the user cancels.
bool KvLevelsDlg::askNewName(Mdx_String& name) const {
    Mdx_StringArray taken;
    data.getNames(taken);
    taken.append(kWorld);
    Mdx_String initial = dialString(171);
    for (int attempt = 1;; ++attempt) {
        ValueInputDialog prompt(const_cast<KvLevelsDlg*>(this));
        prompt.setTexts(dialString(87), dialString(1475), initial, dialString(1), dialString(2));
        if (prompt.DoModal() != IDOK) return false;
        name = prompt.value();
        if (!taken.contains(name, true) || attempt >= kMaxNameAttempts) return true;
        Mdx_String message = dialString(857);
        message += ".\n";
        message += dialString(858);
        message += ".";
        ::MessageBox(m_hWnd, message.c_str(), dialString(856).c_str(), MB_OK | MB_ICONEXCLAMATION);
        initial = name;
    }
}

void KvLevelsDlg::addLevel() {
    storeShownLevel();
    Mdx_String name;
    int index = -1;
    if (!askNewName(name) || !data.addLevel(name, index)) return;
    fillLevelList(index);
    showLevel(index);
    addedHere_ = true;
    EnDisCtrl(this, IDC_LEVEL_REFERENCE, true);
}

void KvLevelsDlg::deleteLevel() {
    if (!data.deleteLevel(shown_)) return;
    const int previous = shown_ - 1;
    fillLevelList(previous);
    showLevel(previous);
}

void KvLevelsDlg::OnOK() {
    storeShownLevel();
    RecordDialog<KvLevelsDlgData>::OnOK();
}

BOOL KvLevelsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (id == IDC_LEVEL_LIST && code == CBN_SELCHANGE) {
        storeShownLevel();
        showLevel(static_cast<int>(SendDlgItemMessage(IDC_LEVEL_LIST, CB_GETCURSEL)));
        return TRUE;
    }
    if (id == IDC_LEVEL_ADD && code == BN_CLICKED) {
        addLevel();
        return TRUE;
    }
    if (id == IDC_LEVEL_DELETE && code == BN_CLICKED) {
        deleteLevel();
        return TRUE;
    }
    return RecordDialog<KvLevelsDlgData>::OnCommand(wParam, lParam);
}

bool StartDlgLevels(KvLevelsDlgData& data) {
    KvTempResourceOverride resources;
    KvLevelsDlg dialog;
    return runWithCopyBack(dialog, data);
}
