#include "win/MouseInput.h"

#include <gtest/gtest.h>

#include <vector>

#include "win/CDialog.h"
#include "win/MouseSteps.h"
#include "win/Tooltips.h"
#include "win/WinTestSupport.h"

namespace {

class Clicks : public CDialog {
public:
    Clicks() : CDialog(10) {}
    std::vector<int> clicked;
    std::vector<UINT> keysAtPress;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) == BN_CLICKED) clicked.push_back(LOWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
    void OnLButtonDown(UINT flags, POINT) override {
        keysAtPress.push_back(flags);
        EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
        if (flags & MK_SHIFT) {
            EXPECT_LT(GetKeyState(VK_SHIFT), 0);
        }
    }
};

class MouseInputTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        AfxSetResourceHandle(win::loadResourceModuleFromText(R"(
10 DIALOG 20, 20, 200, 100
STYLE WS_POPUP | WS_VISIBLE
FONT 8, "MS Sans Serif"
BEGIN
    PUSHBUTTON "Go", 7, 10, 10, 50, 14
    PUSHBUTTON "Off", 8, 70, 10, 50, 14, WS_DISABLED
END
)"));
        ASSERT_TRUE(dialog.Create(10));
    }
    Clicks dialog;
};

TEST_F(MouseInputTest, AButtonIsClickedOnlyWhenReleasedOverItself) {
    ASSERT_TRUE(win::act::pointAndClick(dialog.m_hWnd, 7, POINT{5, 5}));
    EXPECT_EQ(dialog.clicked, std::vector<int>{7});
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog.m_hWnd, 7));
    // Pressed on the button, released away from it: the button held the mouse, no click.
    RECT r;
    GetClientRect(GetDlgItem(dialog.m_hWnd, 7), &r);
    ASSERT_TRUE(win::act::drag(dialog.m_hWnd, 7, POINT{5, 5}, POINT{r.right + 40, 5}));
    EXPECT_EQ(dialog.clicked.size(), 1u);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MouseInputTest, ADisabledControlPassesThePressToItsDialogWithTheKeysHeld) {
    ASSERT_TRUE(win::act::pointAndClick(dialog.m_hWnd, 8, POINT{5, 5}, {.shift = true}));
    EXPECT_TRUE(dialog.clicked.empty());
    ASSERT_EQ(dialog.keysAtPress.size(), 1u);
    EXPECT_EQ(dialog.keysAtPress[0], MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0) << "released after the step";
}

TEST_F(MouseInputTest, ATooltipShowsAfterTheHoverTimeAndHidesWhenThePointerLeaves) {
    HWND go = GetDlgItem(dialog.m_hWnd, 7);
    ASSERT_TRUE(win::setTooltip(go, "Start", 173));
    win::mouse::queueEvent(WM_MOUSEMOVE, [&] {
        RECT r;
        GetWindowRect(go, &r);
        return POINT{r.left + 2, r.top + 2};
    }());
    win::mouse::pumpInput();
    win::advanceClock(win::kTooltipHoverMs - 1);
    EXPECT_EQ(win::shownTooltip(), nullptr) << "not before the hover time";
    win::advanceClock(1);
    ASSERT_NE(win::shownTooltip(), nullptr);
    EXPECT_EQ(win::shownTooltip()->text, "Start");
    EXPECT_EQ(win::shownTooltip()->textId, 173u);
    const POINT corner{190, 90};
    ASSERT_TRUE(win::act::hover(dialog.m_hWnd, 0, &corner));
    EXPECT_EQ(win::shownTooltip(), nullptr) << "the pointer left the button";
    EXPECT_EQ(win::shownTooltips().size(), 1u);
    // A step on a control that is not there is a failure, not a silent success.
    EXPECT_FALSE(win::act::hover(dialog.m_hWnd, 99));
    EXPECT_FALSE(win::user::failures().empty());
}

}  // namespace
