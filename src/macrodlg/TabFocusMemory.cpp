#include "macrodlg/TabFocusMemory.h"

#include "win/CWnd.h"
#include "win/Window.h"

namespace {

std::string key(const Mdx_String& tab) {
    Mdx_String lower = tab;
    lower.makeLower();
    return lower.str();
}

}  // namespace

void TabFocusMemory::remember(const Mdx_String& tab, const CWnd& page) {
    const HWND pageWindow = page.GetSafeHwnd();
    // The focus may sit inside a control (the edit field of a combo, the grid's editor).
    for (HWND window = GetFocus(); window && pageWindow; window = GetParent(window)) {
        if (GetParent(window) != pageWindow) continue;
        ids_[key(tab)] = GetDlgCtrlID(window);
        return;
    }
}

bool TabFocusMemory::restore(const Mdx_String& tab, CWnd& page) const {
    const auto found = ids_.find(key(tab));
    if (found == ids_.end()) return false;
    CWnd* control = page.GetDlgItem(found->second);
    if (!control || !control->IsWindowVisible() || !control->IsWindowEnabled()) return false;
    control->SetFocus();
    return true;
}
