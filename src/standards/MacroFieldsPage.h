#pragma once
// A settings page of check boxes and text fields, each tied to one field of the settings.
#include <vector>

#include "standards/MacroSettingsPage.h"

struct MacroCheckField {
    int id;
    bool MacroSettings::*field;
};

struct MacroTextField {
    int id;
    Mdx_String MacroSettings::*field;
};

// A picture of the product's "icons" folder shown in a static control of the page.
struct MacroPicture {
    int id;
    const char* file;
};

class MacroFieldsPage : public MacroSettingsPage {
public:
    MacroFieldsPage(UINT templateId, MacroSettings& edited, std::vector<MacroCheckField> checks,
                    std::vector<MacroTextField> texts, std::vector<MacroPicture> pictures = {});
    ~MacroFieldsPage() override;

    BOOL OnInitDialog() override;
    bool storeSettings() override;

private:
    std::vector<MacroCheckField> checks_;
    std::vector<MacroTextField> texts_;
    std::vector<MacroPicture> pictures_;
    std::vector<HBITMAP> loaded_;
};
