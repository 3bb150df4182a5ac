#pragma once
// Which control of each tab's page had the keyboard focus when the user left the tab, by the
// tab's name (ignoring case), so coming back to a tab puts the focus where it was. The
// control is kept by its id on the page, so a page built again still finds it.
#include <map>
#include <string>

#include "core/Mdx_String.h"

class CWnd;

class TabFocusMemory {
public:
    // Remembers the page's control that holds the focus (or holds the window that does);
    // nothing when the focus is not on the page.
    void remember(const Mdx_String& tab, const CWnd& page);
    // Focuses the control remembered for the tab; false when there is none or it is gone,
    // hidden or disabled.
    bool restore(const Mdx_String& tab, CWnd& page) const;
    void forget() { ids_.clear(); }

private:
    std::map<std::string, int> ids_;
};
