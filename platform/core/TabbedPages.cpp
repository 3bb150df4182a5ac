#include "core/TabbedPages.h"

#include <utility>

#include "core/Mdx_String.h"
#include "win/WinMessages.h"
#include "win/Window.h"

namespace {

constexpr int kMargin = 7;
constexpr int kButtonGap = 14;

}  // namespace

void TabbedPages::attach(CWnd& dialog, int tabsId, std::vector<CWnd*> pages,
                         const std::vector<Mdx_String>& texts) {
    dialog_ = &dialog;
    tabsId_ = tabsId;
    pages_ = std::move(pages);
    tabs_.SubclassDlgItem(tabsId, &dialog);
    for (std::size_t i = 0; i < texts.size(); ++i)
        tabs_.InsertItem(static_cast<int>(i), texts[i].c_str());
}

void TabbedPages::placeButtons(const RECT& client) {
    LONG right = client.right - kMargin;
    for (int id : {IDCANCEL, IDOK}) {
        CWnd* button = dialog_->GetDlgItem(id);
        if (!button) continue;
        RECT r;
        button->GetWindowRect(&r);
        dialog_->ScreenToClient(&r);
        const LONG width = r.right - r.left, height = r.bottom - r.top;
        RECT moved{right - width, client.bottom - kMargin - height, right, client.bottom - kMargin};
        button->MoveWindow(&moved);
        right -= width + kButtonGap;
    }
}

void TabbedPages::place() {
    if (!dialog_ || !tabs_.GetSafeHwnd()) return;
    RECT client;
    dialog_->GetClientRect(&client);
    placeButtons(client);
    // The tab control ends a margin above the buttons.
    LONG bottom = client.bottom - kMargin;
    if (CWnd* ok = dialog_->GetDlgItem(IDOK)) {
        RECT button;
        ok->GetWindowRect(&button);
        dialog_->ScreenToClient(&button);
        bottom = button.top - kMargin;
    }
    RECT area{kMargin, kMargin, client.right - kMargin, bottom};
    tabs_.MoveWindow(&area);
    RECT inside = area;
    tabs_.AdjustRect(FALSE, &inside);
    // Pages lie above the tab control, which would otherwise cover them.
    for (CWnd* page : pages_)
        if (page && page->GetSafeHwnd())
            ::SetWindowPos(page->GetSafeHwnd(), HWND_TOP, inside.left, inside.top,
                           inside.right - inside.left, inside.bottom - inside.top, 0);
}

void TabbedPages::show(int index) {
    shown_ = index;
    if (tabs_.GetSafeHwnd() && tabs_.GetCurSel() != index) tabs_.SetCurSel(index);
    for (std::size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i] && pages_[i]->GetSafeHwnd())
            pages_[i]->ShowWindow(static_cast<int>(i) == index ? SW_SHOW : SW_HIDE);
}

int TabbedPages::selectionChangedTo(LPARAM notification) const {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(notification);
    if (!header || header->idFrom != static_cast<UINT_PTR>(tabsId_) ||
        header->code != TCN_SELCHANGE)
        return -1;
    return tabs_.GetCurSel();
}
