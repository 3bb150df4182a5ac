#include "sectionlib/KvEditLibDlg.h"

#include "core/DialogHelpers.h"
#include "core/Texts.h"
#include "resources/sectionlib_ids.h"
#include "win/WinMessages.h"
#include "win/WinStyles.h"
#include "win/Window.h"

namespace {

const int kTablesPage = 2;

}  // namespace

KvEditLibDlg::KvEditLibDlg(const Mdx_String& sysName)
    : CAcUiTabMainDialog(IDD_EDIT_SECTIONLIB), sysName_(sysName) {}

BOOL KvEditLibDlg::OnInitDialog() {
    CAcUiTabMainDialog::OnInitDialog();
    SetWindowText(dialString(754).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    data.GetAvailableFiles();
    groups_ = std::make_unique<SectionGroupsPage>(data);
    types_ = std::make_unique<SectionTypesPage>(data);
    tables_ = std::make_unique<SectionTablesPage>(data, sysName_);
    groups_->Create(SectionGroupsPage::kTemplateId, this);
    types_->Create(SectionTypesPage::kTemplateId, this);
    tables_->Create(SectionTablesPage::kTemplateId, this);
    pages_.attach(*this, kTabs, {groups_.get(), types_.get(), tables_.get()},
                  {dialString(755), dialString(756), dialString(757)});
    ChangeDlgSize(this, kSizeKey);
    pages_.place();
    showPage(sysName_.isEmpty() ? 0 : kTablesPage);
    return TRUE;
}

CWnd* KvEditLibDlg::page(int index) {
    switch (index) {
        case 0:
            return groups_.get();
        case 1:
            return types_.get();
        case 2:
            return tables_.get();
        default:
            return nullptr;
    }
}

void KvEditLibDlg::showPage(int index) {
    // Leaving a list page stores what it shows.
    if (pages_.shown() == 0) groups_->storeShown();
    if (pages_.shown() == 1) types_->storeShown();
    pages_.show(index);
}

BOOL KvEditLibDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const int selected = pages_.selectionChangedTo(lParam);
    if (selected >= 0) {
        showPage(selected);
        return TRUE;
    }
    return CAcUiTabMainDialog::OnNotify(wParam, lParam, result);
}

void KvEditLibDlg::OnOK() {
    groups_->storeShown();
    types_->storeShown();
    // The table in the grid is part of the edit: leaving the editor asks about it as
    // leaving the table does.
    if (!tables_->leaveTable()) return;
    CAcUiTabMainDialog::OnOK();
}

void KvEditLibDlg::OnSize(UINT type, int cx, int cy) {
    CAcUiTabMainDialog::OnSize(type, cx, cy);
    pages_.place();
}

void KvEditLibDlg::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CAcUiTabMainDialog::OnDestroy();
}
