// The tab control ("SysTabControl32"): a row of captioned items, one of them current. Its
// notifications travel to the parent in WM_NOTIFY.
#include <cstring>

#include "win/ControlProcs.h"
#include "win/Window.h"
#include "win/WindowRecord.h"

namespace win::detail {
namespace {

// The display area sits below one row of tabs (20 pixels plus the frame).
constexpr int kTabRowHeight = 20;

void applyItem(TabItem& item, const TCITEM& in) {
    if ((in.mask & TCIF_TEXT) && in.pszText) item.text = in.pszText;
    if (in.mask & TCIF_IMAGE) item.image = in.iImage;
    if (in.mask & TCIF_PARAM) item.param = in.lParam;
}

}  // namespace

LRESULT tabControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return 0;
    auto& c = record->control;
    auto& tabs = c.tabs;
    const int count = static_cast<int>(tabs.size());
    const int index = static_cast<int>(static_cast<LONG_PTR>(wParam));
    switch (message) {
        case TCM_GETITEMCOUNT:
            return count;
        case TCM_INSERTITEM: {
            const auto* in = reinterpret_cast<const TCITEM*>(lParam);
            if (!in || index < 0) return -1;
            const int at = index > count ? count : index;
            TabItem item;
            applyItem(item, *in);
            tabs.insert(tabs.begin() + at, item);
            if (c.curSel < 0)
                c.curSel = 0;
            else if (c.curSel >= at && count > 0)
                ++c.curSel;
            return at;
        }
        case TCM_SETITEM: {
            const auto* in = reinterpret_cast<const TCITEM*>(lParam);
            if (!in || index < 0 || index >= count) return FALSE;
            applyItem(tabs[static_cast<std::size_t>(index)], *in);
            return TRUE;
        }
        case TCM_GETITEM: {
            auto* out = reinterpret_cast<TCITEM*>(lParam);
            if (!out || index < 0 || index >= count) return FALSE;
            const TabItem& item = tabs[static_cast<std::size_t>(index)];
            if ((out->mask & TCIF_TEXT) && out->pszText && out->cchTextMax > 0) {
                const std::size_t n = std::min<std::size_t>(
                    item.text.size(), static_cast<std::size_t>(out->cchTextMax - 1));
                std::memcpy(out->pszText, item.text.data(), n);
                out->pszText[n] = '\0';
            }
            if (out->mask & TCIF_IMAGE) out->iImage = item.image;
            if (out->mask & TCIF_PARAM) out->lParam = item.param;
            return TRUE;
        }
        case TCM_DELETEITEM:
            if (index < 0 || index >= count) return FALSE;
            tabs.erase(tabs.begin() + index);
            if (c.curSel == index)
                c.curSel = -1;
            else if (c.curSel > index)
                --c.curSel;
            return TRUE;
        case TCM_DELETEALLITEMS:
            tabs.clear();
            c.curSel = -1;
            return TRUE;
        case TCM_GETCURSEL:
            return c.curSel;
        case TCM_SETCURSEL: {
            const int old = c.curSel;
            if (index < 0 || index >= count) return -1;
            c.curSel = index;
            return old;
        }
        case TCM_ADJUSTRECT: {
            auto* rect = reinterpret_cast<RECT*>(lParam);
            if (!rect) return 0;
            const int sign = wParam ? -1 : 1;  // TRUE: display area -> window rectangle
            rect->left += sign * 4;
            rect->right -= sign * 4;
            rect->top += sign * (kTabRowHeight + 4);
            rect->bottom -= sign * 4;
            return 0;
        }
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

LRESULT dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            // The close box of a dialog means Cancel.
            SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            return 0;
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

}  // namespace win::detail
