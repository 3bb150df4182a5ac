#include "LiveWindows.h"

#include "host/MainWindow.h"
#include "win/PointerInput.h"
#include "win/WinMessages.h"
#include "win/WinStyles.h"
#include "win/Window.h"
#include "win/WindowPainter.h"

namespace {

using nlohmann::json;

// Item texts are bounded: a list box of a million rows is not sent to a page.
constexpr int kMaxItems = 500;
constexpr int kTextBuffer = 1024;

std::string className(HWND window) {
    char buffer[64] = {};
    GetClassName(window, buffer, sizeof buffer);
    return buffer;
}

std::string utf8(const char* bytes) {
    return win::windows1252ToUtf8(bytes);
}

json itemsOf(HWND control, UINT countMessage, UINT textMessage) {
    json items = json::array();
    const int count = static_cast<int>(SendMessage(control, countMessage, 0, 0));
    for (int i = 0; i < count && i < kMaxItems; ++i) {
        char buffer[kTextBuffer] = {};
        // Item texts longer than the buffer are not read at all rather than overrun it.
        const UINT lengthMessage = countMessage == CB_GETCOUNT ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
        const LRESULT length = SendMessage(control, lengthMessage, static_cast<WPARAM>(i), 0);
        if (length >= 0 && length < kTextBuffer)
            SendMessage(control, textMessage, static_cast<WPARAM>(i),
                        reinterpret_cast<LPARAM>(buffer));
        items.push_back(utf8(buffer));
    }
    return items;
}

json tabsOf(HWND control) {
    json items = json::array();
    const int count = static_cast<int>(SendMessage(control, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count && i < kMaxItems; ++i) {
        char buffer[kTextBuffer] = {};
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = kTextBuffer;
        SendMessage(control, TCM_GETITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        items.push_back(utf8(buffer));
    }
    return items;
}

// Every visible control with its rectangle in the picture; combo and list boxes and tab
// controls also with their items, which the page offers as a person's list.
void addControls(HWND parent, const RECT& origin, json& out) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        const std::string cls = className(child);
        RECT rect;
        GetWindowRect(child, &rect);
        char text[kTextBuffer] = {};
        GetWindowText(child, text, kTextBuffer);
        json control{{"control", GetDlgCtrlID(child)},
                     {"kind", cls},
                     {"text", utf8(text)},
                     {"enabled", IsWindowEnabled(child) != FALSE},
                     {"x", rect.left - origin.left},
                     {"y", rect.top - origin.top},
                     {"width", rect.right - rect.left},
                     {"height", rect.bottom - rect.top}};
        if (cls == "COMBOBOX") control["items"] = itemsOf(child, CB_GETCOUNT, CB_GETLBTEXT);
        if (cls == "LISTBOX") control["items"] = itemsOf(child, LB_GETCOUNT, LB_GETTEXT);
        if (cls == "SysTabControl32") control["items"] = tabsOf(child);
        out.push_back(std::move(control));
        addControls(child, origin, out);
    }
}

}  // namespace

std::vector<LiveWindow> captureLiveWindows() {
    std::vector<LiveWindow> shown;
    for (HWND window : win::visibleTopLevelWindows()) {
        // The host's own frame is the desk the dialogs lie on, not one of them.
        if (className(window) == host::MainWindow::kClassName) continue;
        LiveWindow live;
        if (!win::paintWindowToPngData(window, live.png)) continue;
        RECT rect;
        GetWindowRect(window, &rect);
        char title[kTextBuffer] = {};
        GetWindowText(window, title, kTextBuffer);
        json controls = json::array();
        addControls(window, rect, controls);
        live.description = {{"title", utf8(title)},
                            {"dialog", win::dialogTemplateId(window)},
                            {"enabled", IsWindowEnabled(window) != FALSE},
                            {"width", rect.right - rect.left},
                            {"height", rect.bottom - rect.top},
                            {"controls", controls}};
        shown.push_back(std::move(live));
    }
    return shown;
}
