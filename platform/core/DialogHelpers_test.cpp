#include "core/DialogHelpers.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/DialogSizeStore.h"
#include "core/StringHelpers.h"
#include "win/CComboBox.h"
#include "win/CDialog.h"
#include "win/Profile.h"
#include "win/WinTestSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kScript = R"(
400 DIALOGEX 0, 0, 200, 120
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME
CAPTION "Sizes"
FONT 8, "MS Sans Serif"
BEGIN
    COMBOBOX        1005, 7, 7, 100, 60, CBS_DROPDOWNLIST | WS_VSCROLL
    EDITTEXT        1000, 7, 25, 100, 14, ES_AUTOHSCROLL
    DEFPUSHBUTTON   "OK", IDOK, 140, 7, 50, 14
END
401 DIALOGEX 0, 0, 80, 40
STYLE WS_CHILD
BEGIN
    LTEXT "page", 1010, 2, 2, 40, 10
END
)";

class DialogHelpersTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        profile = fs::temp_directory_path() / ("mdx_dlghelpers_" + std::to_string(::getpid()));
        fs::remove_all(profile);
        win::setProfileFolder(profile);
        HINSTANCE module = win::loadResourceModuleFromText(kScript);
        ASSERT_TRUE(win::resourceModule(module)->errors.empty());
        AfxSetResourceHandle(module);
    }
    void TearDown() override {
        win::setProfileFolder({});
        fs::remove_all(profile);
        WindowSystemTest::TearDown();
    }
    static RECT rectOf(const CWnd& wnd) {
        RECT r;
        wnd.GetWindowRect(&r);
        return r;
    }
    fs::path profile;
};

TEST_F(DialogHelpersTest, ASizeWrittenAtCloseComesBackInTheNextSession) {
    SIZE templateSize;
    {
        CDialog first;
        ASSERT_TRUE(first.Create(400));
        ASSERT_TRUE(getDlgSize(&first, templateSize));
        EXPECT_GT(templateSize.cx, 200);                   // dialog units became pixels
        EXPECT_FALSE(ChangeDlgSize(&first, "DLG_SIZES"));  // nothing stored yet
        first.MoveWindow(40, 30, templateSize.cx + 100, templateSize.cy + 50);
        ASSERT_TRUE(WriteDlgSize(&first, "DLG_SIZES"));
        first.DestroyWindow();
    }
    EXPECT_TRUE(fs::exists(profile / "dialog-sizes.txt"));

    SIZE stored;
    ASSERT_TRUE(getDlgSize("dlg_sizes", stored));
    EXPECT_EQ(stored.cx, templateSize.cx + 100);
    EXPECT_EQ(stored.cy, templateSize.cy + 50);

    CDialog second;
    ASSERT_TRUE(second.Create(400));
    ASSERT_TRUE(ChangeDlgSize(&second, "DLG_SIZES"));
    const RECT r = rectOf(second);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right - r.left, templateSize.cx + 100);
    EXPECT_EQ(r.bottom - r.top, templateSize.cy + 50);
    second.DestroyWindow();
}

TEST_F(DialogHelpersTest, APageTakesTheSizeButKeepsItsPlace) {
    CDialog owner;
    ASSERT_TRUE(owner.Create(400));
    CDialog page;
    ASSERT_TRUE(page.Create(401, &owner));
    page.MoveWindow(10, 10, 100, 60);
    const RECT before = rectOf(page);
    ASSERT_TRUE(DialogSizeStore::current().put("PAGE", {500, 500, 800, 700}));
    ASSERT_TRUE(ChangeDlgSize(&page, "PAGE"));
    const RECT after = rectOf(page);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, 300);
    EXPECT_EQ(after.bottom - after.top, 200);
    owner.DestroyWindow();
}

TEST_F(DialogHelpersTest, NoWindowNoSize) {
    SIZE size{7, 7};
    EXPECT_FALSE(getDlgSize(static_cast<const CWnd*>(nullptr), size));
    EXPECT_FALSE(getDlgSize("NEVER_STORED", size));
    EXPECT_EQ(size.cx, 7);
    CDialog gone;
    ASSERT_TRUE(gone.Create(400));
    HWND hwnd = gone.m_hWnd;
    gone.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_FALSE(WriteDlgSize(&gone, "GONE"));
    EXPECT_FALSE(ChangeDlgSize(nullptr, "GONE"));
}

TEST_F(DialogHelpersTest, FillComboReplacesItemsAndSelects) {
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(400));
    auto* combo = static_cast<CComboBox*>(dlg.GetDlgItem(1005));
    ASSERT_TRUE(FillCombo(&dlg, 1005, stringArr({"Text", "Group box", "Variable field"}), 2));
    EXPECT_EQ(combo->GetCount(), 3);
    EXPECT_EQ(combo->GetCurSel(), 2);
    std::string text;
    combo->GetLBText(1, text);
    EXPECT_EQ(text, "Group box");

    ASSERT_TRUE(FillCombo(combo, stringArr({"b", "a"}), 5));
    EXPECT_EQ(combo->GetCount(), 2);
    combo->GetLBText(0, text);
    EXPECT_EQ(text, "b");  // the order given, not sorted
    EXPECT_EQ(combo->GetCurSel(), -1);

    ASSERT_TRUE(FillCombo(combo, Mdx_StringArray()));
    EXPECT_EQ(combo->GetCount(), 0);
    EXPECT_FALSE(FillCombo(&dlg, 9999, stringArr({"x"})));
    EXPECT_FALSE(FillCombo(nullptr, stringArr({"x"})));
    dlg.DestroyWindow();
}

TEST_F(DialogHelpersTest, EnableAndShowControlsById) {
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(400));
    dlg.ShowWindow(SW_SHOW);
    CWnd* edit = dlg.GetDlgItem(1000);
    ASSERT_TRUE(EnDisCtrl(&dlg, 1000, false));
    EXPECT_FALSE(edit->IsWindowEnabled());
    ASSERT_TRUE(EnDisCtrl(edit, true));
    EXPECT_TRUE(edit->IsWindowEnabled());
    ASSERT_TRUE(ShowOrHideCtrl(&dlg, 1000, 0));
    EXPECT_FALSE(edit->IsWindowVisible());
    ASSERT_TRUE(ShowOrHideCtrl(edit, 1));
    EXPECT_TRUE(edit->IsWindowVisible());
    EXPECT_FALSE(EnDisCtrl(&dlg, 4242, true));
    EXPECT_FALSE(ShowOrHideCtrl(&dlg, 4242, 1));
    EXPECT_FALSE(ShowOrHideCtrl(static_cast<CWnd*>(nullptr), 1));
    dlg.DestroyWindow();
}

}  // namespace
