#pragma once
// For the sheet's tests: a clean window system, the module's resources, and a visible host
// dialog with a placeholder control 1196 that a sheet replaces, as the owning dialogs do.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "resources/ModuleResources.h"
#include "spread/Mdx_Spread.h"
#include "win/CDialog.h"
#include "win/Profile.h"
#include "win/ResourceModule.h"
#include "win/ScriptedUser.h"
#include "win/WinTestSupport.h"

namespace spread_testing {

inline constexpr UINT kHostTemplate = 100;
inline constexpr int kPlaceholder = 1196;

// A host dialog that hands the Tab key to its sheet the way the sheet-hosting dialogs do,
// and keeps what the sheet answered.
class HostDialog : public CDialog {
public:
    Mdx_Spread* sheet = nullptr;
    int tabCalls = 0;
    bool lastTabHandled = false;
    int lastExitDirection = -1;

    BOOL PreTranslateMessage(MSG* msg) override {
        if (sheet && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB) {
            ++tabCalls;
            lastTabHandled = sheet->handleTabKey(static_cast<int>(msg->wParam), lastExitDirection);
            if (lastTabHandled && lastExitDirection == 0) return FALSE;  // the grid moves on
        }
        return CDialog::PreTranslateMessage(msg);
    }
};

class SheetTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        profile = std::filesystem::temp_directory_path() /
                  ("mdx-spread-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(profile);
        win::setProfileFolder(profile);
        HINSTANCE module = resources::moduleResourceHandle();
        ASSERT_NE(module, nullptr);
        AfxSetResourceHandle(module);
        HINSTANCE local = win::loadResourceModuleFromText(
            "100 DIALOG 10, 10, 300, 200\n"
            "STYLE WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE\n"
            "CAPTION \"Host\"\n"
            "BEGIN\n"
            "    LTEXT \"\", 1196, 10, 12, 240, 150\n"
            "    EDITTEXT 1300, 10, 170, 100, 14\n"
            "END\n");
        ASSERT_NE(local, nullptr);
        win::addResourceSearchModule(local);
        host = std::make_unique<HostDialog>();
        ASSERT_TRUE(host->Create(kHostTemplate, nullptr));
        host->ShowWindow(SW_SHOW);
        sheet = std::make_unique<Mdx_Spread>();
        host->sheet = sheet.get();
    }
    void TearDown() override {
        sheet.reset();
        host.reset();
        WindowSystemTest::TearDown();
        std::error_code ignored;
        std::filesystem::remove_all(profile, ignored);
    }

    // A sheet as the owning dialogs set one up: placed, standard look, counts.
    void attach(int cols, int rows) {
        ASSERT_TRUE(sheet->attachToDlgItem(host.get(), kPlaceholder, false));
        ASSERT_TRUE(sheet->setStandardLayout(1));
        ASSERT_TRUE(sheet->setMaxCols(cols, false));
        ASSERT_TRUE(sheet->setMaxRows(rows, false));
    }
    std::string value(int col, int row) const {
        Mdx_String text;
        sheet->getCellText(col, row, text, kTextValue);
        return text.str();
    }
    void put(int col, int row, const char* text) {
        ASSERT_TRUE(sheet->setCellData(col, row, text));
    }
    int width(int col) const {
        int pixels = -1;
        sheet->GetColWidthInPixels(col, &pixels);
        return pixels;
    }
    HWND sheetWindow() const { return sheet->GetSafeHwnd(); }

    std::filesystem::path profile;
    std::unique_ptr<HostDialog> host;
    std::unique_ptr<Mdx_Spread> sheet;
};

}  // namespace spread_testing
