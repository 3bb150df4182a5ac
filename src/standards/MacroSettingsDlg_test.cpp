// The settings dialog as the macro editor opens it: its pages in order, and what the user
// changes on a page reaching the caller on OK only.
#include "standards/MacroSettingsDlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "MdxBuildPaths.h"

#include "grid/GridUserSteps.h"
#include "standards/KvStandardsPage.h"
#include "spread/SheetTestSupport.h"
#include "standards/testing/LibraryFolder.h"
#include "win/CTabCtrl.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/WindowPainter.h"
#include "win/WinMessages.h"

namespace {

class MacroSettingsDialog : public spread_testing::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        library = std::make_unique<standards::testing::LibraryFolder>();
    }
    void TearDown() override {
        library.reset();
        SheetTest::TearDown();
    }
    static MacroSettingsDlg* open() {
        return static_cast<MacroSettingsDlg*>(
            CWnd::FromHandlePermanent(win::findDialog(MacroSettingsDlg::kTemplateId)));
    }
    std::unique_ptr<standards::testing::LibraryFolder> library;
};

TEST_F(MacroSettingsDialog, SixPagesInTheirOrderAndOneShownAtATime) {
    MacroSettings settings;
    std::vector<std::string> tabs;
    bool onlyChosenShown = false;
    win::user::select(MacroSettingsDlg::kTabs, 3);
    win::user::act([&] {
        MacroSettingsDlg* dialog = open();
        ASSERT_NE(dialog, nullptr);
        CTabCtrl* control = static_cast<CTabCtrl*>(dialog->GetDlgItem(MacroSettingsDlg::kTabs));
        for (int i = 0; i < control->GetItemCount(); ++i) tabs.push_back(control->GetItemText(i));
        onlyChosenShown = dialog->shownPage() == 3;
        for (int i = 0; i < MacroSettingsDlg::kPageCount; ++i)
            onlyChosenShown = onlyChosenShown &&
                              (dialog->page(i)->IsWindowVisible() != FALSE) == (i == 3);
    });
    win::user::click(IDCANCEL);
    EXPECT_FALSE(RunMacroSettingsDialog(nullptr, settings));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(tabs, (std::vector<std::string>{"Filter by angles", "Filter by size and distance",
                                              "Description", "Variables", "Section groups",
                                              "Standards"}));
    EXPECT_TRUE(onlyChosenShown);
}

TEST_F(MacroSettingsDialog, WhatTheUserChangesComesBackOnOkOnly) {
    MacroSettings settings;
    settings.description = "End plate";
    settings.variableNames = Mdx_StringArray{"gap"};
    settings.variableValues = Mdx_StringArray{"10"};
    for (bool confirm : {false, true}) {
        SCOPED_TRACE(confirm ? "OK" : "Cancel");
        win::user::check(1450, BST_CHECKED, {8142, ""});
        win::user::typeText(1454, "2.5", {8142, ""});
        win::user::select(MacroSettingsDlg::kTabs, 2);
        win::user::typeText(1473, "J. Smith", {8718, ""});
        win::user::select(MacroSettingsDlg::kTabs, 3);
        grid::user::typeInCell(1480, 2, 1, "12", {214, ""});
        win::user::click(confirm ? IDOK : IDCANCEL);
        EXPECT_EQ(RunMacroSettingsDialog(nullptr, settings), confirm);
        EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
        EXPECT_EQ(settings.filterAngle90, confirm);
        EXPECT_EQ(settings.angleTolerance, Mdx_String(confirm ? "2.5" : "1"));
        EXPECT_EQ(settings.author, Mdx_String(confirm ? "J. Smith" : ""));
        EXPECT_EQ(settings.description, Mdx_String("End plate")) << "untouched fields stay";
        EXPECT_EQ(settings.variableValues, Mdx_StringArray{confirm ? "12" : "10"});
        EXPECT_EQ(settings.variableNames, Mdx_StringArray{"gap"});
    }
}

// The filter and variables pages with data, as pictures; written to docs/ on request.
TEST_F(MacroSettingsDialog, ResizingGrowsTheMappingGridAndTheSizeIsRememberedWithAFloor) {
    struct Places {
        RECT client, mapping, list, ok;
        SIZE window;
    };
    auto measure = [](Places& places) {
        MacroSettingsDlg* dialog = open();
        ASSERT_NE(dialog, nullptr);
        dialog->GetClientRect(&places.client);
        RECT w;
        dialog->GetWindowRect(&w);
        places.window = {w.right - w.left, w.bottom - w.top};
        auto place = [dialog](CWnd* control, RECT& r) {
            ASSERT_NE(control, nullptr);
            control->GetWindowRect(&r);
            dialog->ScreenToClient(&r);
        };
        CWnd* standards = dialog->page(MacroSettingsDlg::kStandardsPage);
        place(standards->GetDlgItem(KvStandardsPage::kMappingGrid), places.mapping);
        place(standards->GetDlgItem(KvStandardsPage::kListGrid), places.list);
        place(dialog->GetDlgItem(IDOK), places.ok);
    };
    Places before{}, after{}, reopened{};
    MINMAXINFO limits{};
    MacroSettings settings;
    win::user::select(MacroSettingsDlg::kTabs, MacroSettingsDlg::kStandardsPage);
    win::user::act([&] {
        measure(before);
        MacroSettingsDlg* dialog = open();
        RECT w;
        dialog->GetWindowRect(&w);
        dialog->MoveWindow(w.left, w.top, w.right - w.left + 200, w.bottom - w.top + 100, TRUE);
        measure(after);
        dialog->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    });
    win::user::click(IDCANCEL);
    EXPECT_FALSE(RunMacroSettingsDialog(nullptr, settings));
    win::user::act([&] { measure(reopened); });
    win::user::click(IDCANCEL);
    EXPECT_FALSE(RunMacroSettingsDialog(nullptr, settings));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();

    const auto width = [](const RECT& r) { return r.right - r.left; };
    const auto height = [](const RECT& r) { return r.bottom - r.top; };
    EXPECT_EQ(width(after.mapping), width(before.mapping) + 200);
    EXPECT_EQ(height(after.mapping), height(before.mapping) + 100);
    EXPECT_EQ(height(after.list), height(before.list)) << "the list keeps its height";
    EXPECT_EQ(after.client.right - after.ok.right, before.client.right - before.ok.right);
    EXPECT_EQ(after.client.bottom - after.ok.bottom, before.client.bottom - before.ok.bottom);
    EXPECT_EQ(limits.ptMinTrackSize.x, before.window.cx) << "never smaller than the template";
    EXPECT_EQ(limits.ptMinTrackSize.y, before.window.cy);
    EXPECT_EQ(reopened.window.cx, after.window.cx) << "the next opening takes the stored size";
    EXPECT_EQ(height(reopened.mapping), height(after.mapping));
}

TEST_F(MacroSettingsDialog, PicturesOfThePagesWithData) {
    MacroSettings settings;
    settings.filterAngle90 = true;
    settings.filterSectionAngle = true;
    settings.angleTolerance = "2";
    settings.variableNames = Mdx_StringArray{"gap", "edge"};
    settings.variableValues = Mdx_StringArray{"10", "35"};
    std::string angles, variables;
    int pictures = 0;
    win::user::act([&pictures] {
        HWND page = win::findDialog(8142);
        for (int id : {1455, 1456, 1457})
            if (::SendMessage(::GetDlgItem(page, id), STM_GETIMAGE, IMAGE_BITMAP, 0)) ++pictures;
    });
    auto paint = [](std::string& png) {
        win::user::act([&png] {
            ASSERT_TRUE(win::paintWindowToPngData(win::findDialog(MacroSettingsDlg::kTemplateId),
                                                  png));
        });
    };
    paint(angles);
    win::user::select(MacroSettingsDlg::kTabs, 3);
    paint(variables);
    win::user::click(IDCANCEL);
    EXPECT_FALSE(RunMacroSettingsDialog(nullptr, settings));
    EXPECT_EQ(pictures, 3) << "the three angle pictures of the product's icons";
    EXPECT_FALSE(angles.empty());
    EXPECT_NE(angles, variables) << "another page shows";
    if (std::getenv("MDX_UPDATE_DOCS")) {
        const auto docs = std::filesystem::path(MDX_SOURCE_DIR) / "docs";
        EXPECT_TRUE(win::writeWholeFileAtomic(docs / "dialog-macro-settings-angles.png", angles));
        EXPECT_TRUE(
            win::writeWholeFileAtomic(docs / "dialog-macro-settings-variables.png", variables));
    }
}

}  // namespace
