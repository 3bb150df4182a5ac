#include "standards/MacroSettingsPage.h"

#include <string>

Mdx_String MacroSettingsPage::controlText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Mdx_String(std::move(text));
}
