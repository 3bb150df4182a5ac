// Selecting, moving, resizing, copying and aligning controls on the design surface.
#include <deque>

#include "designer/CControlRect.h"
#include "designer/CControlRectManager.h"
#include "designer/DesignerTestSupport.h"
#include "resources/spread_ids.h"
#include "win/ScriptedUser.h"

namespace {

using designer_testing::DesignerTest;

class Editing : public DesignerTest {
protected:
    // Three controls on a 300 x 200 picture: A at 30,20 30x20; B at 90,20 30x20; C at 30,100
    // 60x40.
    void SetUp() override {
        DesignerTest::SetUp();
        writePicture("Pic.bmp", 300, 200);
        initialize(data, true);
        ASSERT_TRUE(data.attachBitmap(designPath("Pic.bmp")));
        data.append(control(ctVarEdit, 0.1, 0.1, 0.2, 0.2, "A"));
        data.append(control(ctVarEdit, 0.3, 0.1, 0.4, 0.2, "B"));
        data.append(control(ctVarCombo, 0.1, 0.5, 0.3, 0.7, "C"));
        data.redrawAllControls();
        data.getRectManager()->setTracker([this](RECT& rect, POINT press, int handle) {
            tracked.push_back(handle);
            if (drags.empty()) return false;
            const POINT to = drags.front();
            drags.pop_front();
            const int dx = to.x - press.x, dy = to.y - press.y;
            if (handle == CControlRect::hitMiddle) {
                OffsetRect(&rect, dx, dy);
            } else if (handle == CControlRect::hitBottomRight) {
                rect.right += dx;
                rect.bottom += dy;
            } else if (handle == CControlRect::hitNothing) {
                rect.right = to.x;
                rect.bottom = to.y;
            }
            return true;
        });
    }
    void press(int x, int y, UINT flags = 0) { data.OnLButtonDown(flags, POINT{x, y}); }
    RECT rectOf(int id) const {
        RECT r{};
        host->GetDlgItem(id)->GetWindowRect(&r);
        host->ScreenToClient(&r);
        return r;
    }
    std::vector<int> selected() const { return data.getSelectedIds(); }

    Mdx_DlgDesignerData data;
    std::deque<POINT> drags;  // where each tracking ends
    std::vector<int> tracked;
};

TEST_F(Editing, APressSelectsCtrlTogglesShiftAdds) {
    press(40, 30);
    EXPECT_EQ(selected(), (std::vector<int>{33000}));
    EXPECT_EQ(data.getCurSel(), 0);
    press(100, 30, MK_SHIFT);
    press(100, 30, MK_SHIFT);
    EXPECT_EQ(selected(), (std::vector<int>{33000, 33001})) << "Shift only adds";
    EXPECT_EQ(data.getCurSel(), -1) << "no single selection";
    press(40, 30, MK_CONTROL);
    EXPECT_EQ(selected(), (std::vector<int>{33001}));
    press(40, 30, MK_CONTROL);
    EXPECT_EQ(selected(), (std::vector<int>{33001, 33000}));
    press(250, 190, MK_CONTROL);
    EXPECT_EQ(selected().size(), 2u) << "Ctrl or Shift on the empty surface changes nothing";
    press(40, 110);
    EXPECT_EQ(selected(), (std::vector<int>{33002}));
    EXPECT_TRUE(tracked.size() >= 1);
}

TEST_F(Editing, TheRubberBandSelectsWhatLiesWhollyInside) {
    drags = {POINT{130, 45}};
    press(20, 10);
    EXPECT_EQ(selected(), (std::vector<int>{33000, 33001}));
    drags = {POINT{60, 150}};
    press(125, 199);  // a band drawn up and to the left, across C but not around it
    EXPECT_TRUE(selected().empty());
}

TEST_F(Editing, DraggingMovesTheWholeSelectionAndTheFactorsFollowOnRead) {
    press(40, 30);
    press(100, 30, MK_SHIFT);
    drags = {POINT{50, 45}};
    press(45, 35);  // inside A, which is selected: the selection moves by (5, 10)
    EXPECT_EQ(rectOf(33000).left, 35);
    EXPECT_EQ(rectOf(33000).top, 30);
    EXPECT_EQ(rectOf(33001).left, 95);
    EXPECT_EQ(rectOf(33002).left, 30) << "not selected, not moved";
    EXPECT_DOUBLE_EQ(data.getControl(0)->topLeftX, 0.1) << "factors change when read back";
    data.getSizeFromAllControls();
    EXPECT_DOUBLE_EQ(data.getControl(1)->topLeftY, 0.15);
}

TEST_F(Editing, DraggingAHandleResizesThatControlAlone) {
    press(40, 30);
    press(100, 30, MK_SHIFT);
    drags = {POINT{75, 50}};
    press(60, 40);  // A's bottom-right handle
    EXPECT_EQ(tracked.back(), CControlRect::hitBottomRight);
    const RECT a = rectOf(33000);
    EXPECT_EQ(a.right, 75);
    EXPECT_EQ(a.bottom, 50);
    EXPECT_EQ(rectOf(33001).right, 120);
}

TEST_F(Editing, CopiesStandTwentyPixelsOffAndBecomeTheSelection) {
    press(40, 30);
    press(100, 30, MK_SHIFT);
    ASSERT_TRUE(data.copyCurCtrls());
    ASSERT_EQ(data.getNrControls(), 5);
    EXPECT_EQ(selected(), (std::vector<int>{33003, 33004}));
    EXPECT_EQ(rectOf(33003).left, 50);
    EXPECT_EQ(rectOf(33003).top, 40);
    EXPECT_EQ(rectOf(33004).right, 140);
    EXPECT_EQ(rectOf(33004).bottom, 60);
    EXPECT_EQ(data.getControl(4)->contents, Mdx_String("B"));
}

TEST_F(Editing, AligningBottomsAndPlacingBeside) {
    press(40, 110);              // C: 30..90 x 100..140
    press(100, 30, MK_SHIFT);    // B: 90..120 x 20..40
    ASSERT_TRUE(data.outlineCurCtrls());
    EXPECT_EQ(rectOf(33001).bottom, 140) << "C is leftmost: B takes its bottom";
    EXPECT_EQ(rectOf(33001).top, 120) << "and keeps its height";
    ASSERT_TRUE(data.stickRightCurCtrls());
    const RECT b = rectOf(33001);
    EXPECT_EQ(b.left, 90);
    EXPECT_EQ(b.right, 120);
    EXPECT_EQ(b.top, 100);
    EXPECT_EQ(b.bottom, 140);

    data.selectCtrls({33000});
    EXPECT_FALSE(data.stickRightCurCtrls());
    data.selectCtrls({33000, 33001, 33002});
    const RECT before = rectOf(33000);
    EXPECT_FALSE(data.stickRightCurCtrls());
    const RECT after = rectOf(33000);
    EXPECT_TRUE(EqualRect(&before, &after));
    data.selectCtrls({});
    EXPECT_FALSE(data.outlineCurCtrls());
}

TEST_F(Editing, RemovingTheSelectionRemovesWindowsAndControls) {
    data.selectCtrls({33000, 33002});
    ASSERT_TRUE(data.removeCurControls());
    ASSERT_EQ(data.getNrControls(), 1);
    EXPECT_EQ(data.getControl(0)->contents, Mdx_String("B"));
    EXPECT_EQ(host->GetDlgItem(33000), nullptr);
    EXPECT_EQ(host->GetDlgItem(33002), nullptr);
    EXPECT_TRUE(selected().empty());
}

TEST_F(Editing, SizesAreTypedInTheValueDialogAndMustBePositive) {
    KvTempResourceOverride resources;
    const win::DialogRef input{IDD_VALUE_INPUT, ""};
    data.selectCtrls({33000, 33001});
    win::user::typeText(8003, "45", input);
    win::user::click(IDOK, input);
    ASSERT_TRUE(data.changeCtrlSize(true));
    EXPECT_EQ(rectOf(33000).right, 75);
    EXPECT_EQ(rectOf(33001).right, 135);
    EXPECT_EQ(selected(), (std::vector<int>{33000, 33001}));

    for (const char* bad : {"0", "-5", "wide"}) {
        win::user::typeText(8003, bad, input);
        win::user::click(IDOK, input);
        EXPECT_FALSE(data.changeCtrlSize(false)) << bad;
        EXPECT_EQ(rectOf(33000).bottom, 40) << bad;
    }
    EXPECT_EQ(win::user::messageBoxes().size(), 3u) << "each refusal is explained";
    win::user::click(IDCANCEL, input);
    EXPECT_FALSE(data.changeCtrlSize(false));
    data.selectCtrls({});
    EXPECT_FALSE(data.changeCtrlSize(true)) << "no selection: no question";
}

}  // namespace
