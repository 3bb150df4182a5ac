// The keyboard on a macro page: Tab and Shift+Tab move through three zones (the designed
// controls in their keyboard order, the variables grid, the fixed controls), Enter applies
// the page, Escape closes the dialog.
#include <algorithm>

#include "grid/SpreadApi.h"
#include "macrodlg/MacroPage.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"

namespace {

enum Zone { kDesignZone = 0, kGridZone = 1, kFixedZone = 2, kZoneCount = 3 };

bool usable(HWND window) {
    return window && ::IsWindowVisible(window) && ::IsWindowEnabled(window);
}

}  // namespace

std::vector<int> MacroPage::fixedControls() const {
    return {1091, 1092, 1114};
}

int MacroPage::focusZone() {
    const std::vector<int> fixed = fixedControls();
    for (HWND window = ::GetFocus(); window && window != m_hWnd; window = ::GetParent(window)) {
        if (window == grid_.GetSafeHwnd()) return kGridZone;
        const int id = ::GetDlgCtrlID(window);
        if (id >= MacroPageDesign::kFirstId && id <= MacroPageDesign::kLastId) return kDesignZone;
        if (std::find(fixed.begin(), fixed.end(), id) != fixed.end()) return kFixedZone;
    }
    return -1;
}

std::vector<HWND> MacroPage::usableFixedControls() {
    std::vector<HWND> controls;
    for (int id : fixedControls()) {
        HWND window = ::GetDlgItem(m_hWnd, id);
        if (usable(window)) controls.push_back(window);
    }
    return controls;
}

// Focuses the first (or last) element of a zone; false when the zone has none.
bool MacroPage::enterZone(int zone, bool first) {
    if (zone == kDesignZone) return design_.present() && design_.document().setFocusToCtrl(first);
    if (zone == kGridZone) {
        if (rows_.empty() || !usable(grid_.GetSafeHwnd())) return false;
        grid_.SetFocus();
        return true;
    }
    const std::vector<HWND> controls = usableFixedControls();
    if (controls.empty()) return false;
    focusFixed(first ? controls.front() : controls.back());
    return true;
}

// An edit field entered from the keyboard has its text selected, ready to be typed over.
void MacroPage::focusFixed(HWND control) {
    ::SetFocus(control);
    ::SendMessage(control, EM_SETSEL, 0, -1);
    ::SendMessage(control, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
}

bool MacroPage::focusFirstZone() {
    for (int zone = kDesignZone; zone < kZoneCount; ++zone)
        if (enterZone(zone, true)) return true;
    return false;
}

bool MacroPage::enterNextZone(int from, bool back) {
    for (int step = 1; step < kZoneCount; ++step) {
        const int zone = (from + (back ? kZoneCount - step : step)) % kZoneCount;
        if (enterZone(zone, !back)) return true;
    }
    return false;
}

bool MacroPage::handleTab(bool back) {
    const int zone = focusZone();
    if (zone == kDesignZone) {
        Mdx_TabMsgHandle result = tabNotHandled;
        design_.document().handleTabKey(VK_TAB, result);
        if (result == tabHandled) return true;
        if (result == tabPastLast || result == tabBeforeFirst) return enterNextZone(zone, back);
        return false;
    }
    if (zone == kGridZone) return enterNextZone(zone, back);
    if (zone == kFixedZone) {
        const std::vector<HWND> controls = usableFixedControls();
        const auto at = std::find(controls.begin(), controls.end(), ::GetFocus());
        const long index = at == controls.end() ? -1 : at - controls.begin();
        const long next = index + (back ? -1 : 1);
        if (index >= 0 && next >= 0 && next < static_cast<long>(controls.size())) {
            focusFixed(controls[static_cast<std::size_t>(next)]);
            return true;
        }
        return enterNextZone(zone, back);
    }
    return false;
}

// Escape, Enter and Tab before the controls see them; false lets the key go on.
bool MacroPage::handleKey(UINT key) {
    switch (key) {
        case VK_ESCAPE: {
            HWND top = m_hWnd;
            while (top && (::GetWindowLongPtr(top, GWL_STYLE) & WS_CHILD)) top = ::GetParent(top);
            if (top && top != m_hWnd) ::SendMessage(top, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return true;
        }
        case VK_RETURN:
            // In the grid Enter ends the cell's editing, which applies when the cell is left.
            if (focusZone() == kGridZone && SSGetEditMode(grid_.GetSafeHwnd())) return false;
            apply();
            return true;
        case VK_TAB:
            return handleTab(GetKeyState(VK_SHIFT) < 0);
        default:
            return false;
    }
}
