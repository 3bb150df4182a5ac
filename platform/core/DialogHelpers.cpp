#include "core/DialogHelpers.h"

#include "core/DialogSizeStore.h"
#include "win/CWnd.h"

namespace {

bool isLive(const CWnd* wnd) {
    return wnd && ::IsWindow(wnd->GetSafeHwnd());
}

CWnd* control(const CWnd* dialog, int id) {
    if (!isLive(dialog)) return nullptr;
    CWnd* item = dialog->GetDlgItem(id);
    return isLive(item) ? item : nullptr;
}

}  // namespace

bool getDlgSize(const CWnd* dialog, SIZE& size) {
    if (!isLive(dialog)) return false;
    RECT rect;
    dialog->GetWindowRect(&rect);
    size.cx = rect.right - rect.left;
    size.cy = rect.bottom - rect.top;
    return true;
}

bool getDlgSize(const Mdx_String& key, SIZE& size) {
    DialogRect stored;
    if (!DialogSizeStore::current().get(key, stored)) return false;
    size.cx = stored.width();
    size.cy = stored.height();
    return true;
}

bool ChangeDlgSize(CWnd* dialog, const Mdx_String& key) {
    if (!isLive(dialog)) return false;
    DialogRect stored;
    if (!DialogSizeStore::current().get(key, stored)) return false;
    const bool child = (dialog->GetStyle() & WS_CHILD) != 0;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (child ? SWP_NOMOVE : 0);
    return dialog->SetWindowPos(nullptr, stored.left, stored.top, stored.width(), stored.height(),
                                flags) != FALSE;
}

bool WriteDlgSize(const CWnd* dialog, const Mdx_String& key) {
    if (!isLive(dialog)) return false;
    RECT rect;
    dialog->GetWindowRect(&rect);
    return DialogSizeStore::current().put(key, {rect.left, rect.top, rect.right, rect.bottom});
}

bool FillCombo(CWnd* combo, const Mdx_StringArray& items, int selection) {
    if (!isLive(combo)) return false;
    combo->SendMessage(CB_RESETCONTENT);
    for (const Mdx_String& item : items)
        combo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    const bool valid = selection >= 0 && selection < items.length();
    combo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(valid ? selection : -1));
    return true;
}

bool FillCombo(CWnd* dialog, int comboId, const Mdx_StringArray& items, int selection) {
    return FillCombo(control(dialog, comboId), items, selection);
}

bool EnDisCtrl(CWnd* wnd, bool enable) {
    if (!isLive(wnd)) return false;
    wnd->EnableWindow(enable ? TRUE : FALSE);
    return true;
}

bool EnDisCtrl(CWnd* dialog, int controlId, bool enable) {
    return EnDisCtrl(control(dialog, controlId), enable);
}

bool ShowOrHideCtrl(CWnd* wnd, int show) {
    if (!isLive(wnd)) return false;
    wnd->ShowWindow(show ? SW_SHOW : SW_HIDE);
    return true;
}

bool ShowOrHideCtrl(CWnd* dialog, int controlId, int show) {
    return ShowOrHideCtrl(control(dialog, controlId), show);
}
