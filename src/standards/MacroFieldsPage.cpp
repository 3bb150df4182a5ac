#include "standards/MacroFieldsPage.h"

#include "core/Mdx_Settings.h"
#include "win/Bitmap.h"
#include "win/CStatic.h"
#include "win/WinMessages.h"

MacroFieldsPage::MacroFieldsPage(UINT templateId, MacroSettings& edited,
                                 std::vector<MacroCheckField> checks,
                                 std::vector<MacroTextField> texts,
                                 std::vector<MacroPicture> pictures)
    : MacroSettingsPage(templateId, edited),
      checks_(std::move(checks)),
      texts_(std::move(texts)),
      pictures_(std::move(pictures)) {}

MacroFieldsPage::~MacroFieldsPage() {
    for (HBITMAP bitmap : loaded_) ::DeleteObject(bitmap);
}

BOOL MacroFieldsPage::OnInitDialog() {
    MacroSettingsPage::OnInitDialog();
    for (const MacroCheckField& check : checks_)
        CheckDlgButton(check.id, settings.*check.field ? BST_CHECKED : BST_UNCHECKED);
    for (const MacroTextField& text : texts_) SetDlgItemText(text.id, (settings.*text.field).c_str());
    // A picture that is missing leaves its place empty.
    const Mdx_String icons = gSettings.mdxDir() + "icons\\";
    for (const MacroPicture& picture : pictures_) {
        auto* bitmap = static_cast<HBITMAP>(::LoadImage(nullptr, (icons + picture.file).c_str(),
                                                        IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        CWnd* control = GetDlgItem(picture.id);
        if (!bitmap || !control) continue;
        loaded_.push_back(bitmap);
        static_cast<CStatic*>(control)->SetBitmap(bitmap);
    }
    return TRUE;
}

bool MacroFieldsPage::storeSettings() {
    for (const MacroCheckField& check : checks_)
        settings.*check.field = IsDlgButtonChecked(check.id) == BST_CHECKED;
    for (const MacroTextField& text : texts_) settings.*text.field = controlText(text.id);
    return true;
}
