#include "core/CResizer.h"

bool CResizer::Init(HWND parent, const CBorderInfo* info, int count) {
    m_entries.clear();
    m_parent = parent;
    if (!IsWindow(parent)) return false;
    RECT client;
    GetClientRect(parent, &client);
    m_client = SIZE{client.right, client.bottom};
    bool all = true;
    for (int i = 0; info && i < count; ++i) {
        HWND control = GetDlgItem(parent, info[i].id);
        if (!control) {
            all = false;
            continue;
        }
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&r), 2);
        m_entries.push_back(
            Entry{control, r, info[i].left, info[i].top, info[i].right, info[i].bottom});
    }
    return all && info != nullptr;
}

LONG CResizer::place(LONG registered, Anchor anchor, LONG oldSize, LONG newSize) {
    switch (anchor) {
        case eRight: return registered + (newSize - oldSize);
        case eCenter: return registered + (newSize - oldSize) / 2;
        case eProportional:
            return oldSize > 0 ? static_cast<LONG>(static_cast<long long>(registered) * newSize /
                                                   oldSize)
                               : registered;
        default: return registered;
    }
}

bool CResizer::Move() {
    if (!IsWindow(m_parent)) return false;
    RECT client;
    GetClientRect(m_parent, &client);
    HDWP batch = BeginDeferWindowPos(static_cast<int>(m_entries.size()));
    for (const Entry& e : m_entries) {
        const LONG left = place(e.rect.left, e.left, m_client.cx, client.right);
        const LONG right = place(e.rect.right, e.right, m_client.cx, client.right);
        const LONG top = place(e.rect.top, e.top, m_client.cy, client.bottom);
        const LONG bottom = place(e.rect.bottom, e.bottom, m_client.cy, client.bottom);
        // A control never turns inside out when the dialog gets smaller than it was made.
        batch = DeferWindowPos(batch, e.window, nullptr, left, top,
                               right > left ? right - left : 0, bottom > top ? bottom - top : 0,
                               SWP_NOZORDER | SWP_NOACTIVATE);
        if (!batch) return false;
    }
    return EndDeferWindowPos(batch) != FALSE;
}

void CResizer::setMinimumTrackSize(SIZE size) {
    m_minimum = size;
    m_minimumSet = true;
}

bool CResizer::OnGetMinMaxInfo(MINMAXINFO* info) const {
    if (!m_minimumSet || !info) return false;
    info->ptMinTrackSize = POINT{m_minimum.cx, m_minimum.cy};
    return true;
}
