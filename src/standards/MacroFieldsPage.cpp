#include "standards/MacroFieldsPage.h"

#include "win/WinMessages.h"

MacroFieldsPage::MacroFieldsPage(UINT templateId, MacroSettings& edited,
                                 std::vector<MacroCheckField> checks,
                                 std::vector<MacroTextField> texts)
    : MacroSettingsPage(templateId, edited), checks_(std::move(checks)), texts_(std::move(texts)) {}

BOOL MacroFieldsPage::OnInitDialog() {
    MacroSettingsPage::OnInitDialog();
    for (const MacroCheckField& check : checks_)
        CheckDlgButton(check.id, settings.*check.field ? BST_CHECKED : BST_UNCHECKED);
    for (const MacroTextField& text : texts_) SetDlgItemText(text.id, (settings.*text.field).c_str());
    return TRUE;
}

bool MacroFieldsPage::storeSettings() {
    for (const MacroCheckField& check : checks_)
        settings.*check.field = IsDlgButtonChecked(check.id) == BST_CHECKED;
    for (const MacroTextField& text : texts_) settings.*text.field = controlText(text.id);
    return true;
}
