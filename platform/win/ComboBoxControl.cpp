// The "COMBOBOX" class: an item list with a selection and, unless it is a drop-down list,
// an edit field of its own. A drop-down list's text is always its selected item.
#include <algorithm>

#include "win/ControlProcs.h"
#include "win/ItemList.h"
#include "win/TextEditing.h"
#include "win/Window.h"

namespace win::detail {
namespace {

bool isDropDownList(const WindowRecord& r) {
    return (r.style & 0x3) == CBS_DROPDOWNLIST;
}

void select(WindowRecord& r, int index) {
    auto& c = r.control;
    if (index < 0 || index >= static_cast<int>(c.items.size())) {
        c.curSel = -1;
        if (isDropDownList(r)) r.text.clear();
        return;
    }
    c.curSel = index;
    r.text = c.items[static_cast<std::size_t>(index)].text;
    c.selStart = 0;
    c.selEnd = static_cast<int>(r.text.size());
}

EditRules rulesOf(const WindowRecord& r) {
    EditRules rules;
    rules.upperCase = (r.style & CBS_UPPERCASE) != 0;
    rules.lowerCase = (r.style & CBS_LOWERCASE) != 0;
    return rules;
}

// After the user edits the field, the list follows: the item equal to the text, if any.
void followEditedText(WindowRecord& r) {
    r.control.curSel = findItem(r.control.items, -1, r.text, true);
}

void userChangedSelection(HWND hwnd, int index) {
    WindowRecord* r = findWindow(hwnd);
    if (!r || index == r->control.curSel) return;
    select(*r, index);
    notifyParent(hwnd, CBN_SELCHANGE);
}

}  // namespace

LRESULT comboBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return 0;
    auto& c = record->control;
    auto& items = c.items;
    const int count = static_cast<int>(items.size());
    const bool takesText = message == CB_ADDSTRING || message == CB_INSERTSTRING ||
                           message == CB_FINDSTRING || message == CB_FINDSTRINGEXACT ||
                           message == CB_SELECTSTRING || message == WM_SETTEXT;
    const std::string textArg =
        (takesText && lParam) ? std::string(reinterpret_cast<const char*>(lParam)) : std::string();
    switch (message) {
        case CB_ADDSTRING:
            return insertItem(items, -1, textArg, (record->style & CBS_SORT) != 0);
        case CB_INSERTSTRING: {
            const int at =
                insertItem(items, static_cast<int>(static_cast<LONG_PTR>(wParam)), textArg, false);
            if (at >= 0 && c.curSel >= at) ++c.curSel;
            return at < 0 ? CB_ERR : at;
        }
        case CB_DELETESTRING: {
            const int i = static_cast<int>(wParam);
            if (i < 0 || i >= count) return CB_ERR;
            items.erase(items.begin() + i);
            if (c.curSel == i) {
                c.curSel = -1;
                if (isDropDownList(*record)) record->text.clear();
            } else if (c.curSel > i) {
                --c.curSel;
            }
            return static_cast<LRESULT>(items.size());
        }
        case CB_RESETCONTENT:
            items.clear();
            c.curSel = -1;
            record->text.clear();
            return CB_OKAY;
        case CB_GETCOUNT:
            return count;
        case CB_GETCURSEL:
            return c.curSel;
        case CB_SETCURSEL: {
            const int i = static_cast<int>(static_cast<LONG_PTR>(wParam));
            select(*record, i);
            return (i >= 0 && i < count) ? i : CB_ERR;
        }
        case CB_GETLBTEXT:
            return copyItemText(items, wParam, lParam);
        case CB_GETLBTEXTLEN:
            return wParam < items.size() ? static_cast<LRESULT>(items[wParam].text.size()) : CB_ERR;
        case CB_FINDSTRING:
            return findItem(items, static_cast<int>(static_cast<LONG_PTR>(wParam)), textArg, false);
        case CB_FINDSTRINGEXACT:
            return findItem(items, static_cast<int>(static_cast<LONG_PTR>(wParam)), textArg, true);
        case CB_SELECTSTRING: {
            const int i =
                findItem(items, static_cast<int>(static_cast<LONG_PTR>(wParam)), textArg, false);
            if (i >= 0) select(*record, i);
            return i;
        }
        case CB_GETITEMDATA:
            return wParam < items.size() ? static_cast<LRESULT>(items[wParam].data) : CB_ERR;
        case CB_SETITEMDATA:
            if (wParam >= items.size()) return CB_ERR;
            items[wParam].data = static_cast<DWORD_PTR>(lParam);
            return CB_OKAY;
        case CB_LIMITTEXT:
            c.textLimit = static_cast<UINT>(wParam);
            return TRUE;
        case CB_GETEDITSEL:
            if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(c.selStart);
            if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(c.selEnd);
            return static_cast<LRESULT>(
                MAKELONG(static_cast<WORD>(c.selStart), static_cast<WORD>(c.selEnd)));
        case CB_SETEDITSEL: {
            if (isDropDownList(*record)) return CB_ERR;
            const int start = static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lParam)));
            const int end = static_cast<SHORT>(HIWORD(static_cast<DWORD_PTR>(lParam)));
            c.selStart = start < 0 ? 0 : start;
            c.selEnd = end < 0 ? static_cast<int>(record->text.size()) : end;
            clampSelection(*record);
            return TRUE;
        }
        case CB_SHOWDROPDOWN:
            if ((wParam != 0) != c.droppedDown) {
                c.droppedDown = wParam != 0;
                notifyParent(hwnd, c.droppedDown ? CBN_DROPDOWN : CBN_CLOSEUP);
            }
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return c.droppedDown ? TRUE : FALSE;
        case WM_SETTEXT:
            if (isDropDownList(*record)) {
                const int i = findItem(items, -1, textArg, true);
                if (i < 0) return CB_ERR;
                select(*record, i);
                return TRUE;
            }
            record->text = textArg;
            c.selStart = c.selEnd = 0;
            return TRUE;
        case WM_CHAR: {
            if (isDropDownList(*record)) {
                // A typed letter picks the next item beginning with it.
                const int i =
                    findItem(items, c.curSel, std::string(1, static_cast<char>(wParam)), false);
                if (i >= 0) userChangedSelection(hwnd, i);
                return 0;
            }
            if (typeCharacter(*record, static_cast<char>(wParam), rulesOf(*record))) {
                followEditedText(*record);
                notifyParent(hwnd, CBN_EDITUPDATE);
                notifyParent(hwnd, CBN_EDITCHANGE);
            }
            return 0;
        }
        case WM_KEYDOWN: {
            const int key = static_cast<int>(wParam);
            if (key == VK_DOWN || key == VK_UP) {
                const int next = std::clamp(c.curSel + (key == VK_DOWN ? 1 : -1), 0, count - 1);
                if (count > 0) userChangedSelection(hwnd, next);
                return 0;
            }
            if (!isDropDownList(*record) && editKeyDown(*record, key, rulesOf(*record))) {
                followEditedText(*record);
                notifyParent(hwnd, CBN_EDITUPDATE);
                notifyParent(hwnd, CBN_EDITCHANGE);
            }
            return 0;
        }
        case WM_LBUTTONDOWN:
            if (GetFocus() != hwnd) SetFocus(hwnd);
            return 0;
        case WM_SETFOCUS:
            notifyParent(hwnd, CBN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            notifyParent(hwnd, CBN_KILLFOCUS);
            return 0;
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

}  // namespace win::detail
