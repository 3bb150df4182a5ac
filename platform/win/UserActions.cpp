// What the scripted user does to a dialog, by control id, done the way a person would: the
// control gets the focus, and its notifications reach the dialog as they would on screen.
#include <cstring>
#include <string>

#include "win/CMenu.h"
#include "win/CWnd.h"
#include "win/MouseInput.h"
#include "win/ScriptedUser.h"
#include "win/UserSteps.h"
#include "win/WindowRecord.h"

using win::detail::findWindow;
using win::detail::recordFailure;
using win::detail::WindowRecord;

namespace {

bool g_shiftDown = false;
bool g_ctrlDown = false;

bool isDialogWindow(const WindowRecord* r) {
    return r && r->windowClass->name == "#32770";
}

std::string describe(int id) {
    return "control " + std::to_string(id);
}

// The control the user can reach: present, visible and enabled.
WindowRecord* reachable(HWND dialog, int id, const char* action) {
    HWND control = GetDlgItem(dialog, id);
    WindowRecord* record = findWindow(control);
    if (!record) {
        recordFailure(std::string(action) + ": no " + describe(id) + " in the dialog");
        return nullptr;
    }
    if (!IsWindowVisible(control)) {
        recordFailure(std::string(action) + ": " + describe(id) + " is hidden");
        return nullptr;
    }
    if (!IsWindowEnabled(control)) {
        recordFailure(std::string(action) + ": " + describe(id) + " is disabled");
        return nullptr;
    }
    return record;
}

const std::string& classOf(const WindowRecord& r) {
    return r.windowClass->name;
}

bool isEditLike(const WindowRecord& r) {
    const std::string& c = classOf(r);
    return c == "EDIT" || c == "RichEdit20A" || c == "RICHEDIT" || c == "RichEdit";
}

char characterOf(int key, bool shift) {
    if (key >= 'A' && key <= 'Z')
        return shift ? static_cast<char>(key) : static_cast<char>(key + 32);
    if (key >= '0' && key <= '9' && !shift) return static_cast<char>(key);
    switch (key) {
        case VK_SPACE:
            return ' ';
        case VK_RETURN:
            return '\r';
        case VK_ESCAPE:
            return 0x1B;
        case VK_TAB:
            return '\t';
        case VK_BACK:
            return '\b';
        default:
            return 0;
    }
}

HWND topLevelOf(HWND hwnd) {
    HWND top = hwnd;
    while (WindowRecord* r = findWindow(top)) {
        if (!r->parent) break;
        top = r->parent;
    }
    return top;
}

void deliverKey(HWND target, UINT message, WPARAM key) {
    MSG msg;
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = key;
    msg.lParam = message == WM_KEYUP ? static_cast<LPARAM>(0xC0000001) : 1;
    if (WalkPreTranslateTree(topLevelOf(target), &msg)) return;
    SendMessage(target, message, key, msg.lParam);
    if (message == WM_KEYDOWN && IsWindow(target)) {
        if (char c = characterOf(static_cast<int>(key), g_shiftDown); c != 0 && !g_ctrlDown)
            SendMessage(target, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
    }
}

}  // namespace

SHORT GetKeyState(int virtualKey) {
    const bool down = (virtualKey == VK_SHIFT && g_shiftDown) ||
                      (virtualKey == VK_CONTROL && g_ctrlDown) || win::mouse::keyDown(virtualKey);
    return down ? static_cast<SHORT>(-128) : 0;
}

SHORT GetAsyncKeyState(int virtualKey) {
    return GetKeyState(virtualKey);
}

namespace win {

HWND activeDialog() {
    for (HWND top : detail::topLevelWindows()) {
        WindowRecord* r = findWindow(top);
        if (isDialogWindow(r) && IsWindowVisible(top) && IsWindowEnabled(top)) return top;
    }
    return nullptr;
}

HWND findDialog(UINT templateId) {
    // The newest open dialog with this template; children too (tab pages are dialogs). Pages
    // of one template stand behind each other in a tab control, and a person reaches only the
    // one shown, so a shown dialog wins over a newer hidden one.
    auto all = detail::allWindows();
    HWND newestHidden = nullptr;
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        WindowRecord* r = findWindow(*it);
        if (!isDialogWindow(r) || r->templateId != templateId || r->destroying) continue;
        if (IsWindowVisible(*it)) return *it;
        if (!newestHidden) newestHidden = *it;
    }
    return newestHidden;
}

HWND findDialogByTitle(const std::string& title) {
    auto all = detail::allWindows();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        WindowRecord* r = findWindow(*it);
        if (isDialogWindow(r) && r->text == title && !r->destroying) return *it;
    }
    return nullptr;
}

HWND resolveDialog(const DialogRef& dialog) {
    if (dialog.templateId) return findDialog(dialog.templateId);
    if (!dialog.title.empty()) return findDialogByTitle(dialog.title);
    return activeDialog();
}

namespace act {

bool typeText(HWND dialog, int controlId, const std::string& text) {
    WindowRecord* record = reachable(dialog, controlId, "type text");
    if (!record) return false;
    HWND control = record->handle;
    const bool edit = isEditLike(*record);
    const bool combo = classOf(*record) == "COMBOBOX";
    if (!edit && !combo) {
        recordFailure("type text: " + describe(controlId) + " takes no text");
        return false;
    }
    if (combo && (record->style & 0x3) == CBS_DROPDOWNLIST) {
        recordFailure("type text: " + describe(controlId) + " is a drop-down list");
        return false;
    }
    if (edit && (record->style & ES_READONLY)) {
        recordFailure("type text: " + describe(controlId) + " is read-only");
        return false;
    }
    SetFocus(control);
    // Select everything, then type over it.
    if (edit)
        SendMessage(control, EM_SETSEL, 0, -1);
    else
        SendMessage(control, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
    if (text.empty()) {
        SendMessage(control, WM_CHAR, '\b', 1);
        return true;
    }
    for (char c : text) {
        if (!IsWindow(control)) break;
        if (c == '\n') continue;  // line breaks arrive as "\r" (Enter)
        SendMessage(control, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
    }
    return true;
}

bool click(HWND dialog, int controlId) {
    WindowRecord* record = reachable(dialog, controlId, "click");
    if (!record) return false;
    HWND control = record->handle;
    const std::string& cls = classOf(*record);
    if (cls == "BUTTON") {
        SendMessage(control, BM_CLICK, 0, 0);
        return true;
    }
    if (cls == "STATIC") {
        SendMessage(control, WM_LBUTTONUP, 0, 0);
        return true;
    }
    RECT r;
    GetClientRect(control, &r);
    const LPARAM at = MAKELPARAM(static_cast<WORD>(r.right / 2), static_cast<WORD>(r.bottom / 2));
    SetFocus(control);
    SendMessage(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessage(control, WM_LBUTTONUP, 0, at);
    return true;
}

bool doubleClick(HWND dialog, int controlId, int index) {
    if (!select(dialog, controlId, index)) return false;
    HWND control = GetDlgItem(dialog, controlId);
    WindowRecord* record = findWindow(control);
    if (!record) return false;
    const std::string& cls = classOf(*record);
    if (cls == "LISTBOX") {
        if (record->style & LBS_NOTIFY) detail::notifyParent(control, LBN_DBLCLK);
    } else if (cls == "COMBOBOX") {
        detail::notifyParent(control, CBN_DBLCLK);
    } else {
        SendMessage(control, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    }
    return true;
}

namespace {

bool selectInCombo(WindowRecord& record, int index) {
    HWND control = record.handle;
    SetFocus(control);
    SendMessage(control, CB_SHOWDROPDOWN, TRUE, 0);
    if (!IsWindow(control)) return true;
    const int old = static_cast<int>(SendMessage(control, CB_GETCURSEL, 0, 0));
    SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (old != index) detail::notifyParent(control, CBN_SELCHANGE);
    if (IsWindow(control)) detail::notifyParent(control, CBN_SELENDOK);
    if (IsWindow(control)) SendMessage(control, CB_SHOWDROPDOWN, FALSE, 0);
    return true;
}

bool selectInList(WindowRecord& record, int index) {
    HWND control = record.handle;
    SetFocus(control);
    if (record.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
        const BOOL selected =
            static_cast<BOOL>(SendMessage(control, LB_GETSEL, static_cast<WPARAM>(index), 0));
        SendMessage(control, LB_SETSEL, selected ? FALSE : TRUE, index);
    } else {
        if (SendMessage(control, LB_GETCURSEL, 0, 0) == index) return true;
        SendMessage(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    if (IsWindow(control) && (record.style & LBS_NOTIFY))
        detail::notifyParent(control, LBN_SELCHANGE);
    return true;
}

bool selectTab(WindowRecord& record, int index) {
    HWND control = record.handle;
    if (SendMessage(control, TCM_GETCURSEL, 0, 0) == index) return true;
    NMHDR header;
    header.hwndFrom = control;
    header.idFrom = static_cast<UINT_PTR>(record.id);
    header.code = TCN_SELCHANGING;
    HWND parent = record.parent;
    if (SendMessage(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)) != 0)
        return true;  // the program refused the change
    if (!IsWindow(control)) return true;
    SendMessage(control, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    header.code = TCN_SELCHANGE;
    SendMessage(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    return true;
}

int itemCount(const WindowRecord& record) {
    return static_cast<int>(classOf(record) == "SysTabControl32" ? record.control.tabs.size()
                                                                 : record.control.items.size());
}

}  // namespace

bool select(HWND dialog, int controlId, int index) {
    WindowRecord* record = reachable(dialog, controlId, "select");
    if (!record) return false;
    const std::string& cls = classOf(*record);
    if (cls != "COMBOBOX" && cls != "LISTBOX" && cls != "SysTabControl32") {
        recordFailure("select: " + describe(controlId) + " has no items");
        return false;
    }
    if (index < 0 || index >= itemCount(*record)) {
        recordFailure("select: " + describe(controlId) + " has no item " + std::to_string(index));
        return false;
    }
    if (cls == "COMBOBOX") return selectInCombo(*record, index);
    if (cls == "LISTBOX") return selectInList(*record, index);
    return selectTab(*record, index);
}

bool selectText(HWND dialog, int controlId, const std::string& item) {
    WindowRecord* record = reachable(dialog, controlId, "select text");
    if (!record) return false;
    const auto matches = [&](const std::string& text) { return text == item; };
    int index = -1;
    if (classOf(*record) == "SysTabControl32") {
        for (std::size_t i = 0; i < record->control.tabs.size() && index < 0; ++i)
            if (matches(record->control.tabs[i].text)) index = static_cast<int>(i);
    } else {
        for (std::size_t i = 0; i < record->control.items.size() && index < 0; ++i)
            if (matches(record->control.items[i].text)) index = static_cast<int>(i);
    }
    if (index < 0) {
        recordFailure("select text: " + describe(controlId) + " has no item \"" + item + "\"");
        return false;
    }
    return select(dialog, controlId, index);
}

bool check(HWND dialog, int controlId, int state) {
    WindowRecord* record = reachable(dialog, controlId, "check");
    if (!record) return false;
    if (classOf(*record) != "BUTTON") {
        recordFailure("check: " + describe(controlId) + " is not a button");
        return false;
    }
    HWND control = record->handle;
    const DWORD type = record->style & BS_TYPEMASK;
    const bool automatic =
        type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
    if (!automatic) {
        // The program decides the state of a manual box when it hears the click.
        if (SendMessage(control, BM_GETCHECK, 0, 0) != state) SendMessage(control, BM_CLICK, 0, 0);
        return true;
    }
    for (int clicks = 0;
         clicks < 3 && IsWindow(control) && SendMessage(control, BM_GETCHECK, 0, 0) != state;
         ++clicks)
        SendMessage(control, BM_CLICK, 0, 0);
    if (IsWindow(control) && SendMessage(control, BM_GETCHECK, 0, 0) != state) {
        recordFailure("check: " + describe(controlId) + " cannot take state " +
                      std::to_string(state));
        return false;
    }
    return true;
}

bool pressKey(HWND dialog, int virtualKey, KeyModifiers modifiers) {
    if (!IsWindow(dialog)) {
        recordFailure("press key: the dialog is gone");
        return false;
    }
    HWND target = GetFocus();
    if (!target || (target != dialog && !IsChild(dialog, target))) target = dialog;
    g_shiftDown = modifiers.shift;
    g_ctrlDown = modifiers.ctrl;
    deliverKey(target, WM_KEYDOWN, static_cast<WPARAM>(virtualKey));
    HWND afterDown = GetFocus();
    if (!IsWindow(target)) target = afterDown ? afterDown : dialog;
    if (IsWindow(target)) deliverKey(target, WM_KEYUP, static_cast<WPARAM>(virtualKey));
    g_shiftDown = g_ctrlDown = false;
    return true;
}

bool typeChars(HWND dialog, const std::string& text) {
    if (!IsWindow(dialog)) {
        recordFailure("type: the dialog is gone");
        return false;
    }
    for (const char c : text) {
        HWND target = GetFocus();
        if (!target || (target != dialog && !IsChild(dialog, target))) target = dialog;
        // Letters, digits and space go down as the keys that make them, so key handlers see
        // them as a keyboard would send them; other characters arrive as characters alone.
        const bool upper = c >= 'A' && c <= 'Z';
        const bool lower = c >= 'a' && c <= 'z';
        if (upper || lower || (c >= '0' && c <= '9') || c == ' ') {
            const int key = lower ? c - 32 : (c == ' ' ? VK_SPACE : c);
            pressKey(dialog, key, KeyModifiers{upper, false});
        } else {
            SendMessage(target, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
        }
        if (!IsWindow(dialog)) return true;
    }
    return true;
}

bool focus(HWND dialog, int controlId) {
    WindowRecord* record = reachable(dialog, controlId, "focus");
    if (!record) return false;
    SetFocus(record->handle);
    return true;
}

bool mouse(HWND dialog, int controlId, UINT message, POINT at, WPARAM flags) {
    WindowRecord* record = reachable(dialog, controlId, "mouse");
    if (!record) return false;
    HWND control = record->handle;
    POINT screen = at;
    ClientToScreen(control, &screen);
    SetCursorPos(screen.x, screen.y);
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN)
        SetFocus(control);
    if (!IsWindow(control)) return true;
    SendMessage(control, message, flags,
                MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)));
    return true;
}

bool closeDialog(HWND dialog) {
    if (!IsWindow(dialog)) {
        recordFailure("close dialog: the dialog is gone");
        return false;
    }
    SendMessage(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

}  // namespace act
}  // namespace win
