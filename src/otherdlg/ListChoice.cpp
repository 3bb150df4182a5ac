#include "otherdlg/ListChoice.h"

#include "win/CWnd.h"
#include "win/WinMessages.h"

namespace list_choice {

void fill(CWnd& dialog, int listId, const Mdx_StringArray& items, int selection) {
    dialog.SendDlgItemMessage(listId, LB_RESETCONTENT);
    for (const Mdx_String& item : items)
        dialog.SendDlgItemMessage(listId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (items.isValidIndex(selection))
        dialog.SendDlgItemMessage(listId, LB_SETCURSEL, static_cast<WPARAM>(selection));
}

int selected(const CWnd& dialog, int listId) {
    return static_cast<int>(dialog.SendDlgItemMessage(listId, LB_GETCURSEL));
}

}  // namespace list_choice
