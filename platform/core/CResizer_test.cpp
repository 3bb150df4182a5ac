#include "core/CResizer.h"

#include <gtest/gtest.h>

#include "win/CDialog.h"
#include "win/ResourceModule.h"
#include "win/ScriptedUser.h"
#include "win/Timers.h"
#include "win/WindowRecord.h"

namespace {

class ResizerTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset();
        AfxSetResourceHandle(win::loadResourceModuleFromText(R"(
10 DIALOG 0, 0, 200, 100
STYLE WS_POPUP | WS_VISIBLE | WS_THICKFRAME
FONT 8, "MS Sans Serif"
BEGIN
    LISTBOX 1, 0, 0, 100, 50
    PUSHBUTTON "OK", 2, 150, 80, 40, 14
    PUSHBUTTON "Mid", 3, 80, 80, 40, 14
END
)"));
        ASSERT_TRUE(dialog.Create(10));
    }
    void TearDown() override {
        dialog.DestroyWindow();
        reset();
    }
    static void reset() {
        win::user::reset();
        win::detail::resetWindowTable();
        win::resetTimers();
        win::resetResourceModules();
    }
    RECT rectOf(int id) {
        RECT r;
        GetWindowRect(GetDlgItem(dialog.m_hWnd, id), &r);
        MapWindowPoints(nullptr, dialog.m_hWnd, reinterpret_cast<LPPOINT>(&r), 2);
        return r;
    }
    void grow(int dw, int dh) {
        RECT w;
        dialog.GetWindowRect(&w);
        dialog.MoveWindow(w.left, w.top, w.right - w.left + dw, w.bottom - w.top + dh);
    }
    CDialog dialog{10};
};

TEST_F(ResizerTest, AnchoredEdgesKeepTheirDistancesAndProportionalOnesScale) {
    using R = CResizer;
    const R::CBorderInfo info[] = {
        {1, R::eLeft, R::eTop, R::eRight, R::eBottom},
        {2, R::eRight, R::eBottom, R::eRight, R::eBottom},
        {3, R::eProportional, R::eBottom, R::eProportional, R::eBottom},
    };
    CResizer resizer;
    const RECT list = rectOf(1), ok = rectOf(2), mid = rectOf(3);
    ASSERT_TRUE(resizer.Init(dialog.m_hWnd, info, 3));
    RECT client;
    dialog.GetClientRect(&client);
    grow(client.right, 40);  // the client area doubles in width
    ASSERT_TRUE(resizer.Move());
    RECT r = rectOf(1);
    EXPECT_EQ(r.left, list.left);
    EXPECT_EQ(r.right, list.right + client.right) << "stretches with the dialog";
    EXPECT_EQ(r.bottom, list.bottom + 40);
    r = rectOf(2);
    EXPECT_EQ(r.right - r.left, ok.right - ok.left) << "moves, keeping its size";
    EXPECT_EQ(r.left, ok.left + client.right);
    EXPECT_EQ(r.top, ok.top + 40);
    r = rectOf(3);
    EXPECT_EQ(r.left, mid.left * 2);
    EXPECT_EQ(r.right, mid.right * 2);
}

TEST_F(ResizerTest, AShrunkenDialogNeverTurnsAControlInsideOutAndMissingIdsAreReported) {
    using R = CResizer;
    const R::CBorderInfo info[] = {{1, R::eLeft, R::eTop, R::eRight, R::eBottom},
                                   {99, R::eLeft, R::eTop, R::eLeft, R::eTop}};
    CResizer resizer;
    EXPECT_FALSE(resizer.Init(dialog.m_hWnd, info, 2)) << "control 99 is not in the dialog";
    EXPECT_EQ(resizer.controlCount(), 1);
    grow(-300, -200);
    ASSERT_TRUE(resizer.Move());
    const RECT r = rectOf(1);
    EXPECT_GE(r.right, r.left);
    EXPECT_GE(r.bottom, r.top);
    dialog.DestroyWindow();
    EXPECT_FALSE(resizer.Move()) << "the dialog is gone";
}

TEST_F(ResizerTest, TheMinimumTrackSizeIsReportedOnlyOnceSet) {
    CResizer resizer;
    MINMAXINFO info{};
    EXPECT_FALSE(resizer.OnGetMinMaxInfo(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 0);
    resizer.setMinimumTrackSize(SIZE{50, 50});
    EXPECT_TRUE(resizer.OnGetMinMaxInfo(&info));
    EXPECT_EQ(info.ptMinTrackSize.y, 50);
}

}  // namespace
