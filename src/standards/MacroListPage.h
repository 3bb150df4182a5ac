#pragma once
// A settings page of one grid whose columns are lists of the settings (the macro's
// variables, its section groups), with buttons to add and remove rows.
#include <vector>

#include "spread/Mdx_Spread.h"
#include "standards/MacroSettingsPage.h"

class MacroListPage : public MacroSettingsPage {
public:
    static constexpr int kGrid = 1480;
    static constexpr int kAdd = 1088;
    static constexpr int kRemove = 1089;

    MacroListPage(UINT templateId, MacroSettings& edited,
                  std::vector<Mdx_StringArray MacroSettings::*> lists, std::vector<int> headerTexts);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool storeSettings() override;

    Mdx_Spread grid;

private:
    std::vector<Mdx_StringArray MacroSettings::*> lists_;
    std::vector<int> headerTexts_;
};
