#include "sectionlib/LibraryListPage.h"

#include <algorithm>

#include "core/DialogHelpers.h"
#include "core/Texts.h"
#include "sectionlib/SectionLanguages.h"
#include "win/WinMessages.h"

namespace {

const int kNameHeaderText = 87;
const int kImageText = 6109;

void setIconButton(CButtonST& button, CWnd* page, int id, int icon, int tooltip) {
    if (!button.SubclassDlgItem(static_cast<UINT>(id), page)) return;
    button.SetIcon(icon);
    button.SetTooltipText(tooltip);
}

}  // namespace

LibraryListPage::LibraryListPage(UINT templateId, DlgEditLibData& editData)
    : CAcUiDialog(templateId), data(editData) {}

void LibraryListPage::labelControls() {
    SetDlgItemText(kAdd, dialString(addText()).c_str());
    SetDlgItemText(kRemove, dialString(removeText()).c_str());
    SetDlgItemText(kEnabled, dialString(761).c_str());
    SetDlgItemText(kImageLabel, dialString(kImageText).c_str());
    setIconButton(up_, this, kUp, 261, 173);
    setIconButton(down_, this, kDown, 262, 174);
    labelOwnControls();
}

BOOL LibraryListPage::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    labelControls();
    list_.SubclassDlgItem(kList, this);
    if (names_.attachToDlgItem(this, kNames, true)) {
        names_.setStandardLayout(1);
        const Mdx_StringArray languages = allSectionLanguages();
        names_.setMaxCols(1, false);
        names_.setMaxRows(languages.length(), false);
        names_.setColumnHeaders(Mdx_StringArray{dialString(kNameHeaderText)});
        names_.setRowHeaders(languages);
        names_.fitColumnsToText(false);
    }
    fillList();
    show(itemCount() > 0 ? 0 : -1);
    return TRUE;
}

Mdx_String LibraryListPage::controlText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Mdx_String(std::move(text));
}

void LibraryListPage::fillList() {
    Mdx_StringArray items;
    for (int i = 0; i < itemCount(); ++i) items.append(itemName(i));
    FillCombo(this, kList, items, shown_);
    for (int i = 0; i < itemCount(); ++i) list_.SetCheck(i, itemEnabled(i));
}

// A pick in the check list ticks or clears the item's box: the item becomes the shown one
// with its enabled flag switched.
void LibraryListPage::picked(int index) {
    storeShown();
    if (index >= 0 && index < itemCount()) {
        const Mdx_String image = itemImage(index);
        const Mdx_StringArray names = itemNames(index);
        storeItem(index, list_.GetCheck(index) == 1, image, names);
    }
    show(index);
}

void LibraryListPage::show(int index) {
    shown_ = index >= 0 && index < itemCount() ? index : -1;
    const bool any = shown_ >= 0;
    SendDlgItemMessage(kList, CB_SETCURSEL, static_cast<WPARAM>(shown_), 0);
    CheckDlgButton(kEnabled, any && itemEnabled(shown_) ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(kImage, any ? itemImage(shown_).c_str() : "");
    const int languages = names_.getMaxRows();
    for (int row = 1; row <= languages; ++row) {
        const Mdx_StringArray* names = any ? &itemNames(shown_) : nullptr;
        names_.setCellData(1, row,
                           names && names->isValidIndex(row - 1) ? (*names)[row - 1] : "");
    }
    names_.fitColumnsToText(false);
    names_.fitColumnToText(0, false);  // the language names
    for (int id : {kEnabled, kImage, kNames, kRemove, kUp, kDown}) EnDisCtrl(this, id, any);
    showOwnControls(shown_);
}

void LibraryListPage::storeShown() {
    if (shown_ < 0 || shown_ >= itemCount()) return;
    Mdx_StringArray names;
    for (int row = 1; row <= names_.getMaxRows(); ++row) {
        Mdx_String name;
        names_.getCellText(1, row, name, kTextData);
        names.append(name);
    }
    storeItem(shown_, IsDlgButtonChecked(kEnabled) == BST_CHECKED, controlText(kImage), names);
    storeOwnControls(shown_);
}

void LibraryListPage::add() {
    storeShown();
    const int index = appendItem();
    fillList();
    show(index);
}

void LibraryListPage::remove() {
    if (shown_ < 0) return;
    const int at = shown_;
    removeItem(at);
    shown_ = -1;
    fillList();
    show(std::min(at, itemCount() - 1));
}

void LibraryListPage::move(int step) {
    const int target = shown_ + step;
    if (shown_ < 0 || target < 0 || target >= itemCount()) return;
    storeShown();
    swapItems(shown_, target);
    shown_ = target;
    fillList();
    show(target);
}

BOOL LibraryListPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == kList && code == CBN_SELCHANGE) {
        picked(static_cast<int>(SendDlgItemMessage(kList, CB_GETCURSEL, 0, 0)));
        return TRUE;
    }
    if (id == kEnabled && code == BN_CLICKED && shown_ >= 0) {
        list_.SetCheck(shown_, IsDlgButtonChecked(kEnabled) == BST_CHECKED);
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
            case kAdd:
                add();
                return TRUE;
            case kRemove:
                remove();
                return TRUE;
            case kUp:
                move(-1);
                return TRUE;
            case kDown:
                move(1);
                return TRUE;
            default:
                break;
        }
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}
