#pragma once
// The pages of a tabbed dialog: the tab control fills the client area above the row of OK and
// Cancel, which keeps the bottom right corner, and the pages lie inside the tab control, one
// shown at a time. Placing again on every size change makes such a dialog resizable.
#include <vector>

#include "core/Mdx_String.h"
#include "win/CTabCtrl.h"

class TabbedPages {
public:
    // Subclasses the tab control tabsId of dialog and takes the pages (created children of
    // the dialog, in tab order) and their tab texts.
    void attach(CWnd& dialog, int tabsId, std::vector<CWnd*> pages,
                const std::vector<Mdx_String>& texts);
    // Lays the tab control, the pages and OK and Cancel out for the dialog's client size.
    void place();
    // Selects the tab and shows its page alone.
    void show(int index);
    // The index of the page the tab control now selects when the notification is its
    // selection change; -1 for any other notification.
    int selectionChangedTo(LPARAM notification) const;
    int shown() const { return shown_; }
    int count() const { return static_cast<int>(pages_.size()); }

private:
    void placeButtons(const RECT& client);

    CWnd* dialog_ = nullptr;
    int tabsId_ = 0;
    CTabCtrl tabs_;
    std::vector<CWnd*> pages_;
    int shown_ = -1;
};
