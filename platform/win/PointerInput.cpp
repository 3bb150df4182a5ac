#include "win/PointerInput.h"

#include "win/MouseInput.h"
#include "win/Window.h"
#include "win/WindowRecord.h"

namespace win {

bool sendPointer(HWND top, POINT picture, UINT message, WPARAM keys) {
    if (!IsWindow(top) || !IsWindowVisible(top)) return false;
    RECT rect;
    GetWindowRect(top, &rect);
    const POINT screen{rect.left + picture.x, rect.top + picture.y};
    if (!PtInRect(&rect, screen) || !mouse::queueEvent(message, screen, keys)) return false;
    mouse::pumpInput();
    return true;
}

std::vector<HWND> visibleTopLevelWindows() {
    std::vector<HWND> shown;
    const std::vector<HWND>& tops = detail::topLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it)
        if (IsWindowVisible(*it)) shown.push_back(*it);
    return shown;
}

UINT dialogTemplateId(HWND window) {
    const detail::WindowRecord* record = detail::findWindow(window);
    return record ? record->templateId : 0;
}

}  // namespace win
