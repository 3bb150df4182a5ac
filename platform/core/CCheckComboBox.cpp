#include "core/CCheckComboBox.h"

#include "core/StringHelpers.h"
#include "win/CDC.h"

int CCheckComboBox::GetCheck(int index) const {
    if (index < 0 || index >= static_cast<int>(m_checks.size())) return -1;
    return m_checks[static_cast<std::size_t>(index)] ? 1 : 0;
}

bool CCheckComboBox::SetCheck(int index, bool checked) {
    if (index < 0 || index >= static_cast<int>(m_checks.size())) return false;
    m_checks[static_cast<std::size_t>(index)] = checked;
    Invalidate();
    return true;
}

void CCheckComboBox::CheckAll(bool checked) {
    m_checks.assign(m_checks.size(), checked);
    Invalidate();
}

std::vector<int> CCheckComboBox::GetCheckedItems() const {
    std::vector<int> items;
    for (std::size_t i = 0; i < m_checks.size(); ++i)
        if (m_checks[i]) items.push_back(static_cast<int>(i));
    return items;
}

Mdx_StringArray CCheckComboBox::GetCheckedTexts() const {
    Mdx_StringArray texts;
    for (int index : GetCheckedItems()) {
        std::string text;
        GetLBText(index, text);
        texts.append(Mdx_String(text));
    }
    return texts;
}

Mdx_String CCheckComboBox::GetCheckedText() const {
    return arrToStr(GetCheckedTexts(), ", ");
}

// Keeps one check flag per item through every change of the items.
void CCheckComboBox::syncItems(UINT message, WPARAM wParam, LRESULT result) {
    const int count = GetCount();
    switch (message) {
        case CB_ADDSTRING:
        case CB_INSERTSTRING:
            if (result >= 0 && result <= static_cast<LRESULT>(m_checks.size()))
                m_checks.insert(m_checks.begin() + result, false);
            break;
        case CB_DELETESTRING:
            if (result >= 0 && wParam < m_checks.size()) m_checks.erase(m_checks.begin() + wParam);
            break;
        case CB_RESETCONTENT:
            m_checks.clear();
            break;
        default:
            break;
    }
    m_checks.resize(static_cast<std::size_t>(count < 0 ? 0 : count), false);
}

LRESULT CCheckComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A pick in the open list is a click on that item's box.
    if (message == CB_SETCURSEL && GetDroppedState()) {
        const int index = static_cast<int>(static_cast<LONG_PTR>(wParam));
        if (index >= 0 && index < static_cast<int>(m_checks.size()))
            SetCheck(index, !m_checks[static_cast<std::size_t>(index)]);
    }
    const LRESULT result = CComboBox::WindowProc(message, wParam, lParam);
    if (message == CB_ADDSTRING || message == CB_INSERTSTRING || message == CB_DELETESTRING ||
        message == CB_RESETCONTENT)
        syncItems(message, wParam, result);
    return result;
}

void CCheckComboBox::OnPaint() {
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    const int arrow = 18;
    RECT field{2, 2, client.right - arrow - 2, client.bottom - 2};
    if (field.right <= field.left) return;
    dc.FillSolidRect(&field, GetSysColor(IsWindowEnabled() ? COLOR_WINDOW : COLOR_BTNFACE));
    if (CFont* font = GetFont()) dc.SelectObject(font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(IsWindowEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    RECT text = field;
    text.left += 2;
    const Mdx_String shown = GetCheckedText();
    dc.DrawText(shown.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
