#include "win/DialogBuilder.h"

#include <map>

#include "win/Bitmap.h"
#include "win/CWnd.h"
#include "win/DialogUnits.h"
#include "win/Gdi.h"
#include "win/GdiObjects.h"
#include "win/WindowRecord.h"

namespace win {
namespace {

std::string& lastError() {
    static std::string error;
    return error;
}

// One font per face and size, shared by every dialog that asks for it.
HFONT dialogFontHandle(const std::string& face, int points) {
    static std::map<std::pair<std::string, int>, HFONT> fonts;
    auto& font = fonts[{face, points}];
    if (!win::detail::findGdiObject(font)) {
        const LOGFONT lf = dialogFont(face, points);
        font = CreateFontIndirect(&lf);
    }
    return font;
}

RECT placeDialog(const DialogTemplate& t, HWND owner, const BaseUnits& base, DWORD style,
                 DWORD exStyle) {
    RECT window{0, 0, dialogUnitsToPixelsX(t.cx, base), dialogUnitsToPixelsY(t.cy, base)};
    AdjustWindowRectEx(&window, style, FALSE, exStyle);
    OffsetRect(&window, -window.left, -window.top);
    const int x = dialogUnitsToPixelsX(t.x, base), y = dialogUnitsToPixelsY(t.y, base);
    if (style & WS_CHILD) {
        OffsetRect(&window, x, y);
        return window;
    }
    if (t.style & DS_CENTER) {
        RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (owner) GetWindowRect(owner, &around);
        OffsetRect(&window, (around.left + around.right - window.right) / 2,
                   (around.top + around.bottom - window.bottom) / 2);
        return window;
    }
    POINT origin{0, 0};
    if (owner && !(t.style & DS_ABSALIGN)) ClientToScreen(owner, &origin);
    OffsetRect(&window, origin.x + x, origin.y + y);
    return window;
}

bool isClass(const DialogItemTemplate& item, const char* name) {
    const detail::WindowClass* cls = detail::findClass(item.className);
    return cls && cls->name == name;
}

bool createItem(HWND dialog, const DialogItemTemplate& item, const BaseUnits& base, HFONT font,
                HINSTANCE module) {
    int x = dialogUnitsToPixelsX(item.x, base), y = dialogUnitsToPixelsY(item.y, base);
    int cx = dialogUnitsToPixelsX(item.cx, base), cy = dialogUnitsToPixelsY(item.cy, base);
    // A drop-down combo box's template height is that of its open list; the closed box is
    // one text line high plus its frame.
    if (isClass(item, "COMBOBOX") && (item.style & 0x3) != CBS_SIMPLE) cy = base.y + 8;
    HWND control = CreateWindowEx(
        item.exStyle, item.className.c_str(), item.text.c_str(), item.style, x, y, cx, cy, dialog,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(static_cast<UINT>(item.id))), module,
        nullptr);
    if (!control) {
        lastError() =
            "no window class \"" + item.className + "\" for control " + std::to_string(item.id);
        return false;
    }
    SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (item.imageId && isClass(item, "STATIC")) {
        const DWORD type = item.style & SS_TYPEMASK;
        if (type == SS_ICON) {
            if (HICON icon = LoadIcon(module, MAKEINTRESOURCE(item.imageId)))
                SendMessage(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
        } else if (type == SS_BITMAP) {
            if (HBITMAP bitmap = LoadBitmap(module, MAKEINTRESOURCE(item.imageId)))
                SendMessage(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
        }
    }
    return true;
}

HWND firstTabStop(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLong(child, GWL_STYLE) & WS_TABSTOP) && IsWindowEnabled(child) &&
            (GetWindowLong(child, GWL_STYLE) & WS_VISIBLE))
            return child;
    return nullptr;
}

}  // namespace

const std::string& lastDialogError() {
    return lastError();
}

int defaultButtonId(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const detail::WindowRecord* r = detail::findWindow(child);
        if (r && r->windowClass->name == "BUTTON" && (r->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return r->id;
    }
    return IDOK;
}

HWND createDialogWindow(const DialogTemplate& t, HWND ownerOrParent, CWnd* object,
                        HINSTANCE module) {
    lastError().clear();
    const BaseUnits base = dialogBaseUnits(t.fontFace, t.fontPointSize);
    HFONT font = dialogFontHandle(t.fontFace, t.fontPointSize);
    DWORD exStyle = t.exStyle;
    if (t.style & DS_MODALFRAME) exStyle |= WS_EX_DLGMODALFRAME;
    const DWORD style = t.style & ~WS_VISIBLE;
    if ((style & WS_CHILD) && !IsWindow(ownerOrParent)) {
        lastError() = "a child dialog needs a parent";
        return nullptr;
    }
    const RECT r = placeDialog(t, ownerOrParent, base, style, exStyle);
    detail::setCreatingObject(object);
    HWND dialog =
        CreateWindowEx(exStyle, "#32770", t.caption.c_str(), style, r.left, r.top, r.right - r.left,
                       r.bottom - r.top, ownerOrParent, nullptr, module, nullptr);
    detail::setCreatingObject(nullptr);
    if (!dialog) {
        lastError() = "the dialog window could not be created";
        return nullptr;
    }
    if (detail::WindowRecord* record = detail::findWindow(dialog)) record->templateId = t.id;
    SendMessage(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const DialogItemTemplate& item : t.items) {
        if (!createItem(dialog, item, base, font, module) && !(t.style & DS_NOFAILCREATE)) {
            const std::string reason = lastError();
            DestroyWindow(dialog);
            lastError() = reason;
            return nullptr;
        }
    }
    HWND focus = firstTabStop(dialog);
    if (SendMessage(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), 0) &&
        IsWindow(dialog)) {
        focus = firstTabStop(dialog);
        if (focus && (GetWindowLong(focus, GWL_STYLE) & WS_VISIBLE)) SetFocus(focus);
    }
    if (IsWindow(dialog) && (t.style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOW);
    return IsWindow(dialog) ? dialog : nullptr;
}

}  // namespace win
