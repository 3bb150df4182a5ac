#include "standards/MacroSettingsPage.h"

#include <string>

Mdx_String MacroSettingsPage::controlText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Mdx_String(std::move(text));
}

void MacroSettingsPage::anchor(const std::vector<CResizer::CBorderInfo>& controls) {
    resizer_.Init(m_hWnd, controls.data(), static_cast<int>(controls.size()));
}

void MacroSettingsPage::OnSize(UINT type, int cx, int cy) {
    CAcUiDialog::OnSize(type, cx, cy);
    if (resizer_.controlCount() > 0) resizer_.Move();
}
