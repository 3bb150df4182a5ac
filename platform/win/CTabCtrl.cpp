#include "win/CTabCtrl.h"

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("SysTabControl32", "", style, rect, parent, id);
}
LONG CTabCtrl::InsertItem(int index, LPCSTR text) {
    TCITEM item;
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPSTR>(text);
    return InsertItem(index, &item);
}
LONG CTabCtrl::InsertItem(int index, TCITEM* item) {
    return static_cast<LONG>(
        SendMessage(TCM_INSERTITEM, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
}
std::string CTabCtrl::GetItemText(int index) const {
    char buffer[256] = {};
    TCITEM item;
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    return GetItem(index, &item) ? std::string(buffer) : std::string();
}
