#pragma once
// The general settings of a macro (dialog 8141): a tab control with six pages, in this
// order: filters by angle, filters by size and distance, description, variables, section
// groups and standards. The macro editor opens it from its "General settings" button:
//
//     MacroSettings settings;
//     GetMacroSettings(*macro, settings);
//     settings.dbMacro = macro;              // offers the macro's objects on the standards page
//     settings.transaction = transaction;
//     if (RunMacroSettingsDialog(parent, settings)) SetMacroSettings(*macro, settings);
#include <memory>

#include "core/macro/MacroSettings.h"
#include "host/CAcUiTabMainDialog.h"
#include "standards/KvSSMapping.h"
#include "standards/MacroSettingsPage.h"
#include "core/TabbedPages.h"

class KvStandardsPage;

class MacroSettingsDlg : public CAcUiTabMainDialog {
public:
    static constexpr UINT kTemplateId = 8141;
    static constexpr int kTabs = 8097;
    static constexpr int kPageCount = 6;
    static constexpr int kStandardsPage = 5;
    static constexpr const char* kSizeKey = "DLG_MACRO_SETTINGS";

    explicit MacroSettingsDlg(CWnd* parent = nullptr);
    ~MacroSettingsDlg() override;

    MacroSettings data;

    BOOL OnInitDialog() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnOK() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

    MacroSettingsPage* page(int index);
    KvStandardsPage* standardsPage();
    int shownPage() const { return tabs_.shown(); }
    // Whether the standards page stored anything (a new key, another list); valid after OK.
    bool standardsChanged() const;

private:
    void createPages();
    void anchorPages();
    void offerMacro();

    TabbedPages tabs_;
    std::unique_ptr<MacroSettingsPage> pages_[kPageCount];
    // Every object of the macro, for the standards page when the caller gave none.
    KvSSMapping macroObjects_;
    // The size the template gives: the dialog is never made smaller.
    SIZE minimum_{};
};

// Runs the settings dialog modally on a copy of settings; true, and the edited settings
// copied back, when the user confirmed with OK.
bool RunMacroSettingsDialog(HWND parent, MacroSettings& settings);
