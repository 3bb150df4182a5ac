#include "win/CMenu.h"

#include <cstring>
#include <map>

#include "win/UserSteps.h"

namespace {

struct MenuData {
    std::vector<win::MenuEntryRecord> entries;
};

struct MenuTable {
    std::map<UINT_PTR, MenuData> menus;
    UINT_PTR next = 0x50000;
    POINT cursor{400, 300};
};

MenuTable& table() {
    static MenuTable t;
    return t;
}

MenuData* find(HMENU menu) {
    auto& menus = table().menus;
    auto it = menus.find(reinterpret_cast<UINT_PTR>(menu));
    return it == menus.end() ? nullptr : &it->second;
}

HMENU newMenu() {
    auto& t = table();
    const UINT_PTR key = t.next;
    t.next += 4;
    t.menus.emplace(key, MenuData{});
    return reinterpret_cast<HMENU>(key);
}

// The index of an item named by command id or by position; -1 when there is none.
int locate(const MenuData& menu, UINT item, UINT flags) {
    if (flags & MF_BYPOSITION) return item < menu.entries.size() ? static_cast<int>(item) : -1;
    for (std::size_t i = 0; i < menu.entries.size(); ++i)
        if (!(menu.entries[i].flags & (MF_SEPARATOR | MF_POPUP)) && menu.entries[i].id == item)
            return static_cast<int>(i);
    return -1;
}

win::MenuEntryRecord entryOf(UINT flags, UINT_PTR id, LPCSTR text) {
    win::MenuEntryRecord entry;
    entry.flags = flags & ~MF_BYPOSITION;
    entry.id = (flags & MF_SEPARATOR) ? 0 : id;
    entry.text = (text && !(flags & MF_SEPARATOR)) ? text : "";
    return entry;
}

bool choosable(const win::MenuEntryRecord& e) {
    return !(e.flags & (MF_SEPARATOR | MF_POPUP | MF_GRAYED | MF_DISABLED));
}

}  // namespace

HMENU CreatePopupMenu() {
    return newMenu();
}
HMENU CreateMenu() {
    return newMenu();
}

BOOL DestroyMenu(HMENU menu) {
    return table().menus.erase(reinterpret_cast<UINT_PTR>(menu)) ? TRUE : FALSE;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text) {
    MenuData* data = find(menu);
    if (!data) return FALSE;
    data->entries.push_back(entryOf(flags, idOrPopup, text));
    return TRUE;
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text) {
    MenuData* data = find(menu);
    if (!data) return FALSE;
    int at = -1;
    if (position != 0xFFFFFFFFu) at = locate(*data, position, flags);
    if (at < 0) at = static_cast<int>(data->entries.size());
    data->entries.insert(data->entries.begin() + at, entryOf(flags, idOrPopup, text));
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    MenuData* data = find(menu);
    if (!data) return FALSE;
    const int at = locate(*data, position, flags);
    if (at < 0) return FALSE;
    data->entries.erase(data->entries.begin() + at);
    return TRUE;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
    MenuData* data = find(menu);
    const int at = data ? locate(*data, item, flags) : -1;
    if (at < 0) return static_cast<DWORD>(-1);
    auto& entry = data->entries[static_cast<std::size_t>(at)];
    const DWORD old = entry.flags & MF_CHECKED;
    entry.flags = (entry.flags & ~MF_CHECKED) | (flags & MF_CHECKED);
    return old;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags) {
    MenuData* data = find(menu);
    const int at = data ? locate(*data, item, flags) : -1;
    if (at < 0) return -1;
    auto& entry = data->entries[static_cast<std::size_t>(at)];
    const BOOL old = static_cast<BOOL>(entry.flags & (MF_GRAYED | MF_DISABLED));
    entry.flags = (entry.flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return old;
}

int GetMenuItemCount(HMENU menu) {
    MenuData* data = find(menu);
    return data ? static_cast<int>(data->entries.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    MenuData* data = find(menu);
    if (!data || position < 0 || position >= static_cast<int>(data->entries.size()))
        return 0xFFFFFFFFu;
    const auto& entry = data->entries[static_cast<std::size_t>(position)];
    return (entry.flags & MF_POPUP) ? 0xFFFFFFFFu : static_cast<UINT>(entry.id);
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    MenuData* data = find(menu);
    const int at = data ? locate(*data, item, flags) : -1;
    return at < 0 ? 0xFFFFFFFFu : data->entries[static_cast<std::size_t>(at)].flags;
}

int GetMenuString(HMENU menu, UINT item, LPSTR buffer, int bufferSize, UINT flags) {
    MenuData* data = find(menu);
    const int at = data ? locate(*data, item, flags) : -1;
    if (at < 0) return 0;
    const std::string& text = data->entries[static_cast<std::size_t>(at)].text;
    if (!buffer || bufferSize <= 0) return static_cast<int>(text.size());
    const std::size_t n =
        std::min<std::size_t>(text.size(), static_cast<std::size_t>(bufferSize - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    MenuData* data = find(menu);
    if (!data) return FALSE;
    win::MenuRecord record;
    record.owner = owner;
    record.position = POINT{x, y};
    record.entries = data->entries;
    win::detail::Step step;
    win::user::UserPrompt prompt;
    prompt.kind = win::user::UserPrompt::Kind::Menu;
    prompt.menu = &record;
    if (win::detail::takeStep(win::detail::StepKind::MenuChoice, step, prompt) && !step.cancel) {
        bool found = false;
        for (const auto& entry : record.entries) {
            const bool match =
                step.text.empty() ? entry.id == step.command : entry.text == step.text;
            if (match && choosable(entry)) {
                record.chosen = entry.id;
                found = true;
                break;
            }
        }
        if (!found)
            win::detail::recordFailure(
                "menu choice " +
                (step.text.empty() ? std::to_string(step.command) : "\"" + step.text + "\"") +
                " is not an enabled entry of the menu");
    }
    win::detail::menuLog().push_back(record);
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(record.chosen);
    if (record.chosen && owner)
        SendMessage(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(record.chosen), 0), 0);
    return record.chosen ? TRUE : FALSE;
}

BOOL GetCursorPos(LPPOINT point) {
    if (!point) return FALSE;
    *point = table().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    table().cursor = POINT{x, y};
    return TRUE;
}

CMenu::~CMenu() {
    DestroyMenu();
}
BOOL CMenu::CreatePopupMenu() {
    if (m_hMenu) return FALSE;
    m_hMenu = ::CreatePopupMenu();
    return TRUE;
}
BOOL CMenu::CreateMenu() {
    if (m_hMenu) return FALSE;
    m_hMenu = ::CreateMenu();
    return TRUE;
}
BOOL CMenu::DestroyMenu() {
    if (!m_hMenu) return FALSE;
    const BOOL ok = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return ok;
}
BOOL CMenu::Attach(HMENU menu) {
    if (m_hMenu || !find(menu)) return FALSE;
    m_hMenu = menu;
    return TRUE;
}
HMENU CMenu::Detach() {
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}
BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCSTR text) {
    return ::AppendMenu(m_hMenu, flags, id, text);
}
BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR id, LPCSTR text) {
    return ::InsertMenu(m_hMenu, position, flags, id, text);
}
BOOL CMenu::DeleteMenu(UINT position, UINT flags) {
    return ::DeleteMenu(m_hMenu, position, flags);
}
UINT CMenu::CheckMenuItem(UINT item, UINT flags) {
    return ::CheckMenuItem(m_hMenu, item, flags);
}
UINT CMenu::EnableMenuItem(UINT item, UINT flags) {
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, item, flags));
}
int CMenu::GetMenuItemCount() const {
    return ::GetMenuItemCount(m_hMenu);
}
UINT CMenu::GetMenuItemID(int position) const {
    return ::GetMenuItemID(m_hMenu, position);
}
UINT CMenu::GetMenuState(UINT item, UINT flags) const {
    return ::GetMenuState(m_hMenu, item, flags);
}
int CMenu::GetMenuString(UINT item, std::string& text, UINT flags) const {
    text.clear();
    const int length = ::GetMenuString(m_hMenu, item, nullptr, 0, flags);
    if (length <= 0) return 0;
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    ::GetMenuString(m_hMenu, item, buffer.data(), length + 1, flags);
    text.assign(buffer.data(), static_cast<std::size_t>(length));
    return length;
}
BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT ignored) {
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, ignored);
}
