// Sending, posting and the default handling of messages.
#include <algorithm>
#include <cstring>
#include <deque>

#include "win/MouseInput.h"
#include "win/Window.h"
#include "win/WindowRecord.h"

using win::detail::findWindow;
using win::detail::WindowRecord;

namespace {

std::deque<MSG>& queue() {
    static std::deque<MSG> q;
    return q;
}

int copyText(const std::string& text, WPARAM bufferSize, LPARAM buffer) {
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || bufferSize == 0) return 0;
    const std::size_t n = std::min<std::size_t>(text.size(), bufferSize - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return static_cast<int>(n);
}

}  // namespace

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) {
        SetLastError(1400);
        return 0;
    }
    return win::detail::deliver(*record, message, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !IsWindow(hwnd)) {
        SetLastError(1400);
        return FALSE;
    }
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    queue().push_back(msg);
    return TRUE;
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, message, wParam, lParam)
                : DefWindowProc(hwnd, message, wParam, lParam);
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessage(GetDlgItem(dialog, id), message, wParam, lParam);
}

LRESULT DispatchMessage(const MSG* msg) {
    if (!msg || !msg->hwnd) return 0;
    return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    auto& q = queue();
    for (auto it = q.begin(); it != q.end(); ++it) {
        if (hwnd && it->hwnd != hwnd && !IsChild(hwnd, it->hwnd)) continue;
        if ((filterMin || filterMax) && (it->message < filterMin || it->message > filterMax))
            continue;
        if (msg) *msg = *it;
        if (removeFlags & PM_REMOVE) q.erase(it);
        return TRUE;
    }
    return FALSE;
}

int PumpWaitingMessages() {
    int delivered = 0;
    auto& q = queue();
    // Bounded so that a window that reposts forever cannot hang the caller.
    for (int guard = 0; !q.empty() && guard < 100000; ++guard) {
        MSG msg = q.front();
        q.pop_front();
        if (msg.hwnd && !IsWindow(msg.hwnd)) continue;  // its window went away meanwhile
        DispatchMessage(&msg);
        ++delivered;
    }
    return delivered;
}

void PostQuitMessage(int) {}

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return 0;
    switch (message) {
        case WM_NCCREATE:
            return TRUE;
        case WM_SETTEXT:
            record->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
            return TRUE;
        case WM_GETTEXT:
            return copyText(record->text, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(record->text.size());
        case WM_SETFONT:
            record->font = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(record->font);
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) SendMessage(hwnd, WM_CLOSE, 0, 0);
            return 0;
        case WM_NOTIFY:
        case WM_COMMAND:
            return 0;
        case WM_SETCURSOR:
            // The parent may set the cursor for its children; otherwise the class cursor, or
            // the arrow.
            if (record->parent && SendMessage(record->parent, WM_SETCURSOR, wParam, lParam))
                return TRUE;
            SetCursor(record->windowClass->info.hCursor ? record->windowClass->info.hCursor
                                                        : LoadCursor(nullptr, IDC_ARROW));
            return FALSE;
        default:
            return 0;
    }
}
