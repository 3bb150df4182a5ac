#include "sectionlib/KvEditLibDlg.h"

#include "core/DialogHelpers.h"
#include "core/Texts.h"
#include "resources/sectionlib_ids.h"
#include "win/WinMessages.h"
#include "win/WinStyles.h"
#include "win/Window.h"

namespace {

const int kTablesPage = 2;
const int kButtonRow = 30;

}  // namespace

KvEditLibDlg::KvEditLibDlg(const Mdx_String& sysName)
    : CAcUiTabMainDialog(IDD_EDIT_SECTIONLIB), sysName_(sysName) {}

BOOL KvEditLibDlg::OnInitDialog() {
    CAcUiTabMainDialog::OnInitDialog();
    SetWindowText(dialString(754).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    data.GetAvailableFiles();
    tabs_.SubclassDlgItem(kTabs, this);
    for (int i = 0; i < 3; ++i) tabs_.InsertItem(i, dialString(755 + i).c_str());
    groups_ = std::make_unique<SectionGroupsPage>(data);
    types_ = std::make_unique<SectionTypesPage>(data);
    tables_ = std::make_unique<SectionTablesPage>(data, sysName_);
    groups_->Create(SectionGroupsPage::kTemplateId, this);
    types_->Create(SectionTypesPage::kTemplateId, this);
    tables_->Create(SectionTablesPage::kTemplateId, this);
    ChangeDlgSize(this, kSizeKey);
    placePages();
    const int first = sysName_.isEmpty() ? 0 : kTablesPage;
    tabs_.SetCurSel(first);
    showPage(first);
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

void KvEditLibDlg::placePages() {
    if (!tabs_.GetSafeHwnd()) return;
    RECT client;
    GetClientRect(&client);
    RECT area{7, 7, client.right - 7, client.bottom - kButtonRow};
    tabs_.MoveWindow(&area);
    RECT inside = area;
    tabs_.AdjustRect(FALSE, &inside);
    // Pages lie above the tab control, which would otherwise cover them.
    for (int i = 0; i < 3; ++i)
        if (CWnd* p = page(i))
            ::SetWindowPos(p->GetSafeHwnd(), HWND_TOP, inside.left, inside.top,
                           inside.right - inside.left, inside.bottom - inside.top, 0);
    for (int id : {IDOK, IDCANCEL}) {
        CWnd* button = GetDlgItem(id);
        if (!button) continue;
        RECT r;
        button->GetWindowRect(&r);
        ScreenToClient(&r);
        const int width = r.right - r.left, height = r.bottom - r.top;
        const int right = id == IDOK ? client.right - 14 - width - 7 : client.right - 7;
        RECT moved{right - width, client.bottom - 7 - height, right, client.bottom - 7};
        button->MoveWindow(&moved);
    }
}

void KvEditLibDlg::showPage(int index) {
    // Leaving a list page stores what it shows.
    if (shownPage_ == 0) groups_->storeShown();
    if (shownPage_ == 1) types_->storeShown();
    shownPage_ = index;
    for (int i = 0; i < 3; ++i)
        if (CWnd* p = page(i)) p->ShowWindow(i == index ? SW_SHOW : SW_HIDE);
}

BOOL KvEditLibDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->idFrom == static_cast<UINT_PTR>(kTabs) && header->code == TCN_SELCHANGE) {
        showPage(tabs_.GetCurSel());
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
    placePages();
}

void KvEditLibDlg::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CAcUiTabMainDialog::OnDestroy();
}
