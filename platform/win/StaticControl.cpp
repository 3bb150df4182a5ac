// The "STATIC" class: texts, frames, icons and bitmaps.
#include "win/ControlProcs.h"
#include "win/Window.h"
#include "win/WindowRecord.h"

namespace win::detail {

LRESULT staticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return 0;
    auto& c = record->control;
    switch (message) {
        case STM_SETIMAGE: {
            HGDIOBJ old = c.image;
            c.image = reinterpret_cast<HGDIOBJ>(lParam);
            c.imageType = wParam;
            return reinterpret_cast<LRESULT>(old);
        }
        case STM_GETIMAGE:
            return reinterpret_cast<LRESULT>(c.image);
        case STM_SETICON: {
            HGDIOBJ old = c.image;
            c.image = reinterpret_cast<HGDIOBJ>(wParam);
            c.imageType = IMAGE_ICON;
            return reinterpret_cast<LRESULT>(old);
        }
        case STM_GETICON:
            return reinterpret_cast<LRESULT>(c.image);
        case WM_LBUTTONUP:
            if (record->style & SS_NOTIFY) notifyParent(hwnd, STN_CLICKED);
            return 0;
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

}  // namespace win::detail
