#include "win/CListBox.h"

#include <vector>

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("LISTBOX", "", style, rect, parent, id);
}
void CListBox::GetText(int index, std::string& text) const {
    text.clear();
    const int length = GetTextLen(index);
    if (length < 0) return;
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    GetText(index, buffer.data());
    text.assign(buffer.data(), static_cast<std::size_t>(length));
}
