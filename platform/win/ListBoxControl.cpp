// The "LISTBOX" class: single or multiple selection.
#include <algorithm>

#include "win/ControlProcs.h"
#include "win/ItemList.h"
#include "win/Window.h"

namespace win::detail {
namespace {

bool isMultiple(const WindowRecord& r) {
    return (r.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

}  // namespace

LRESULT listBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return 0;
    auto& c = record->control;
    auto& items = c.items;
    const int count = static_cast<int>(items.size());
    const bool takesText = message == LB_ADDSTRING || message == LB_INSERTSTRING ||
                           message == LB_FINDSTRING || message == LB_FINDSTRINGEXACT ||
                           message == LB_SELECTSTRING;
    const std::string textArg =
        (takesText && lParam) ? std::string(reinterpret_cast<const char*>(lParam)) : std::string();
    const int index = static_cast<int>(static_cast<LONG_PTR>(wParam));
    switch (message) {
        case LB_ADDSTRING: {
            const int at = insertItem(items, -1, textArg, (record->style & LBS_SORT) != 0);
            if (at >= 0 && c.curSel >= at) ++c.curSel;
            return at;
        }
        case LB_INSERTSTRING: {
            const int at = insertItem(items, index, textArg, false);
            if (at >= 0 && c.curSel >= at) ++c.curSel;
            return at < 0 ? LB_ERR : at;
        }
        case LB_DELETESTRING:
            if (index < 0 || index >= count) return LB_ERR;
            items.erase(items.begin() + index);
            if (c.curSel == index)
                c.curSel = -1;
            else if (c.curSel > index)
                --c.curSel;
            return static_cast<LRESULT>(items.size());
        case LB_RESETCONTENT:
            items.clear();
            c.curSel = -1;
            return LB_OKAY;
        case LB_GETCOUNT:
            return count;
        case LB_GETCURSEL:
            if (isMultiple(*record)) return c.curSel;  // the caret item
            return c.curSel;
        case LB_SETCURSEL:
            if (isMultiple(*record)) return LB_ERR;
            c.curSel = (index >= 0 && index < count) ? index : -1;
            return (index >= 0 && index < count) ? index : LB_ERR;
        case LB_SETSEL: {
            if (!isMultiple(*record)) return LB_ERR;
            const int target = static_cast<int>(lParam);
            if (target == -1) {
                for (auto& item : items) item.selected = wParam != 0;
                return LB_OKAY;
            }
            if (target < 0 || target >= count) return LB_ERR;
            items[static_cast<std::size_t>(target)].selected = wParam != 0;
            c.curSel = target;
            return LB_OKAY;
        }
        case LB_GETSEL:
            if (index < 0 || index >= count) return LB_ERR;
            if (isMultiple(*record)) return items[static_cast<std::size_t>(index)].selected ? 1 : 0;
            return c.curSel == index ? 1 : 0;
        case LB_GETSELCOUNT:
            if (!isMultiple(*record)) return LB_ERR;
            return std::count_if(items.begin(), items.end(),
                                 [](const ListItem& i) { return i.selected; });
        case LB_GETSELITEMS: {
            if (!isMultiple(*record)) return LB_ERR;
            int* out = reinterpret_cast<int*>(lParam);
            int n = 0;
            for (int i = 0; i < count && n < index; ++i)
                if (items[static_cast<std::size_t>(i)].selected) {
                    if (out) out[n] = i;
                    ++n;
                }
            return n;
        }
        case LB_GETTEXT:
            return copyItemText(items, wParam, lParam);
        case LB_GETTEXTLEN:
            return wParam < items.size() ? static_cast<LRESULT>(items[wParam].text.size()) : LB_ERR;
        case LB_FINDSTRING:
            return findItem(items, index, textArg, false);
        case LB_FINDSTRINGEXACT:
            return findItem(items, index, textArg, true);
        case LB_SELECTSTRING: {
            if (isMultiple(*record)) return LB_ERR;
            const int i = findItem(items, index, textArg, false);
            if (i >= 0) c.curSel = i;
            return i;
        }
        case LB_GETITEMDATA:
            return wParam < items.size() ? static_cast<LRESULT>(items[wParam].data) : LB_ERR;
        case LB_SETITEMDATA:
            if (wParam >= items.size()) return LB_ERR;
            items[wParam].data = static_cast<DWORD_PTR>(lParam);
            return LB_OKAY;
        case WM_KEYDOWN: {
            const int key = static_cast<int>(wParam);
            if ((key == VK_DOWN || key == VK_UP) && count > 0 && !isMultiple(*record)) {
                const int next = std::clamp(c.curSel + (key == VK_DOWN ? 1 : -1), 0, count - 1);
                if (next != c.curSel) {
                    c.curSel = next;
                    if (record->style & LBS_NOTIFY) notifyParent(hwnd, LBN_SELCHANGE);
                }
            }
            return 0;
        }
        case WM_SETFOCUS:
            if (record->style & LBS_NOTIFY) notifyParent(hwnd, LBN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            if (record->style & LBS_NOTIFY) notifyParent(hwnd, LBN_KILLFOCUS);
            return 0;
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

}  // namespace win::detail
