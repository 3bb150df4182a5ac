#include "win/CComboBox.h"

#include <vector>

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("COMBOBOX", "", style, rect, parent, id);
}
int CComboBox::GetLBText(int index, LPSTR buffer) const {
    return static_cast<int>(
        SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
}
void CComboBox::GetLBText(int index, std::string& text) const {
    text.clear();
    const int length = GetLBTextLen(index);
    if (length < 0) return;
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    GetLBText(index, buffer.data());
    text.assign(buffer.data(), static_cast<std::size_t>(length));
}
