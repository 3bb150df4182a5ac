#include "win/DialogBuilder.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "win/Bitmap.h"
#include "win/CDialog.h"
#include "win/CTabCtrl.h"
#include "win/WinTestSupport.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kScript = R"(
20 DIALOG 0, 0, 100, 50
STYLE WS_POPUP | DS_CENTER
BEGIN
    PUSHBUTTON "A", 1, 0, 0, 20, 10
END
21 DIALOG 10, 10, 100, 50
STYLE WS_POPUP
BEGIN
    PUSHBUTTON "A", 1, 0, 0, 20, 10, WS_DISABLED
    EDITTEXT 2, 0, 20, 40, 12, NOT WS_VISIBLE
    DEFPUSHBUTTON "Go", 3, 50, 0, 20, 10
    EDITTEXT 4, 0, 35, 40, 12
END
22 DIALOG 4, 24, 80, 40
STYLE WS_CHILD | DS_CONTROL
BEGIN
    LTEXT "Page", 1, 0, 0, 40, 8
END
23 DIALOG 0, 0, 100, 50
STYLE WS_POPUP | DS_NOFAILCREATE
BEGIN
    CONTROL "", 1, "Missing", 0, 0, 0, 5, 5
    ICON 300, 2, 10, 10
END
)";

class DialogBuilderTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        module = win::loadResourceModuleFromText(kScript);
        AfxSetResourceHandle(module);
    }
    HINSTANCE module = nullptr;
};

TEST_F(DialogBuilderTest, CentredOnTheOwnerOrPlacedInItsClientArea) {
    HWND owner = CreateWindowEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, 100, 100, 600, 400, nullptr,
                                nullptr, nullptr, nullptr);
    CDialog centred(20), placed(21);
    ASSERT_TRUE(centred.Create(20, CWnd::FromHandle(owner)));
    ASSERT_TRUE(placed.Create(21, CWnd::FromHandle(owner)));
    RECT r;
    centred.GetWindowRect(&r);
    EXPECT_NEAR((r.left + r.right) / 2.0, 400, 0.5);
    EXPECT_NEAR((r.top + r.bottom) / 2.0, 300, 0.5);
    placed.GetWindowRect(&r);
    EXPECT_EQ(r.left, 100 + 15);
    EXPECT_EQ(r.top, 100 + 16);
}

TEST_F(DialogBuilderTest, FocusGoesToTheFirstUsableTabStopAndEnterFindsTheDefault) {
    CDialog dlg(21);
    ASSERT_TRUE(dlg.Create(21));
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), 3) << "skips the disabled and the hidden control";
    EXPECT_EQ(win::defaultButtonId(dlg.m_hWnd), 3);
    EXPECT_EQ(LOWORD(dlg.GetDefID()), 3);
}

TEST_F(DialogBuilderTest, ChildDialogsSitInTheirParentsClientArea) {
    HWND owner = CreateWindowEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                                nullptr, nullptr, nullptr);
    CDialog page(22);
    ASSERT_TRUE(page.Create(22, CWnd::FromHandle(owner)));
    EXPECT_EQ(GetParent(page.m_hWnd), owner);
    EXPECT_EQ(win::findDialog(22), page.m_hWnd);
    RECT r;
    page.GetWindowRect(&r);
    EXPECT_EQ(r.left, 6);
    EXPECT_EQ(r.top, 39);
    CDialog orphan(22);
    EXPECT_FALSE(orphan.Create(22)) << "a child dialog needs a parent";

    // Pages of one template behind each other: a person reaches the one shown, not the newest.
    CDialog hiddenPage(22);
    ASSERT_TRUE(hiddenPage.Create(22, CWnd::FromHandle(owner)));
    hiddenPage.ShowWindow(SW_HIDE);
    page.ShowWindow(SW_SHOW);
    EXPECT_EQ(win::findDialog(22), page.m_hWnd);
    page.ShowWindow(SW_HIDE);
    EXPECT_EQ(win::findDialog(22), hiddenPage.m_hWnd) << "with none shown, the newest";
}

TEST_F(DialogBuilderTest, NoFailCreateSkipsUnknownClassesAndIconsLoadByNumber) {
    const fs::path folder =
        fs::temp_directory_path() / ("mdx_builder_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    // A 1 x 1 32-bit icon.
    std::string dib(40, '\0');
    const std::uint32_t header = 40, width = 1, height = 2;
    const std::uint16_t planes = 1, bits = 32;
    std::memcpy(&dib[0], &header, 4);
    std::memcpy(&dib[4], &width, 4);
    std::memcpy(&dib[8], &height, 4);
    std::memcpy(&dib[12], &planes, 2);
    std::memcpy(&dib[14], &bits, 2);
    dib += std::string("\x10\x20\x30\xFF", 4) + std::string(4, '\0');
    std::string ico(22, '\0');
    ico[2] = 1;
    ico[4] = 1;
    const std::uint32_t size = static_cast<std::uint32_t>(dib.size()), offset = 22;
    std::memcpy(&ico[14], &size, 4);
    std::memcpy(&ico[18], &offset, 4);
    { std::ofstream(folder / "i.ico", std::ios::binary) << ico + dib; }
    HINSTANCE withIcon =
        win::loadResourceModuleFromText(std::string(kScript) + "300 ICON \"i.ico\"\n", "", folder);
    AfxSetResourceHandle(withIcon);
    CDialog dlg(23);
    ASSERT_TRUE(dlg.Create(23));
    EXPECT_EQ(dlg.GetDlgItem(1), nullptr);
    HICON icon = reinterpret_cast<HICON>(dlg.SendDlgItemMessage(2, STM_GETICON));
    int w = 0, h = 0;
    ASSERT_TRUE(win::imageSize(icon, w, h));
    EXPECT_EQ(w, 1);
    EXPECT_EQ(win::imagePixel(icon, 0, 0), 0xFF302010u);
    fs::remove_all(folder);
}

TEST_F(DialogBuilderTest, TheResourceSearchFallsBackToTheChain) {
    HINSTANCE other = win::loadResourceModuleFromText("77 DIALOG 0, 0, 10, 10\nBEGIN\nEND\n");
    CDialog dlg(77);
    EXPECT_FALSE(dlg.Create(77));
    win::addResourceSearchModule(other);
    EXPECT_TRUE(dlg.Create(77));
    win::removeResourceSearchModule(other);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(77), win::kDialogResource), module);
}

}  // namespace
