#include "win/CRectTracker.h"

#include <gtest/gtest.h>

#include "win/CDialog.h"
#include "win/MouseInput.h"
#include "win/MouseSteps.h"
#include "win/WinTestSupport.h"

namespace {

// A design surface: a press on the tracker moves or resizes it, elsewhere pulls a band.
class Surface : public CDialog {
public:
    Surface() : CDialog(10) {}
    CRectTracker tracker{nullptr, CRectTracker::resizeOutside | CRectTracker::dottedLine};
    BOOL tracked = FALSE;
    RECT band{};
    void OnLButtonDown(UINT, POINT point) override {
        if (tracker.HitTest(point) != CRectTracker::hitNothing) {
            tracked = tracker.Track(this, point);
        } else {
            CRectTracker rubber;
            tracked = rubber.TrackRubberBand(this, point);
            band = rubber.m_rect;
        }
    }
    BOOL OnSetCursor(CWnd* wnd, UINT hit, UINT message) override {
        return tracker.SetCursor(this, hit) || CDialog::OnSetCursor(wnd, hit, message);
    }
};

class TrackerTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        AfxSetResourceHandle(win::loadResourceModuleFromText(R"(
10 DIALOG 0, 0, 200, 120
STYLE WS_POPUP | WS_VISIBLE
FONT 8, "MS Sans Serif"
BEGIN
    LTEXT "label", 5, 150, 5, 40, 10
    EDITTEXT 6, 150, 30, 40, 12, WS_DISABLED
END
)"));
        ASSERT_TRUE(surface.Create(10));
        surface.tracker.m_rect = RECT{40, 40, 100, 80};
    }
    POINT screen(POINT client) {
        surface.ClientToScreen(&client);
        return client;
    }
    void move(POINT client) {
        win::mouse::queueEvent(WM_MOUSEMOVE, screen(client));
        win::mouse::pumpInput();
    }
    Surface surface;
};

TEST_F(TrackerTest, HandlesAreHitOutsideTheRectangleAndTheInsideMoves) {
    const CRectTracker& t = surface.tracker;
    EXPECT_EQ(t.HitTest(POINT{36, 36}), CRectTracker::hitTopLeft);
    EXPECT_EQ(t.HitTest(POINT{103, 83}), CRectTracker::hitBottomRight);
    EXPECT_EQ(t.HitTest(POINT{68, 36}), CRectTracker::hitTop);
    EXPECT_EQ(t.HitTest(POINT{36, 58}), CRectTracker::hitLeft);
    EXPECT_EQ(t.HitTest(POINT{60, 60}), CRectTracker::hitMiddle);
    EXPECT_EQ(t.HitTest(POINT{20, 60}), CRectTracker::hitNothing);
    CRectTracker plain(&t.m_rect, CRectTracker::solidLine);
    EXPECT_EQ(plain.HitTest(POINT{36, 36}), CRectTracker::hitNothing) << "no resize style";
    CRectTracker inverted(&t.m_rect, CRectTracker::resizeInside);
    inverted.m_rect = RECT{100, 40, 40, 80};  // left and right swapped
    EXPECT_EQ(inverted.HitTest(POINT{41, 41}), CRectTracker::hitTopRight);
}

TEST_F(TrackerTest, ADragInsideMovesTheRectangleByThePointersOffset) {
    ASSERT_TRUE(win::act::drag(surface.m_hWnd, 0, POINT{60, 60}, POINT{90, 45}));
    EXPECT_TRUE(surface.tracked);
    const RECT expected{70, 25, 130, 65};
    EXPECT_TRUE(EqualRect(&surface.tracker.m_rect, &expected));
    EXPECT_EQ(GetCapture(), nullptr) << "the mouse is released";
    EXPECT_FALSE(win::mouse::keyDown(VK_LBUTTON));
}

TEST_F(TrackerTest, DraggingAHandleResizesAndStopsAtTheMinimumSize) {
    ASSERT_TRUE(win::act::drag(surface.m_hWnd, 0, POINT{103, 83}, POINT{123, 93}));
    RECT expected{40, 40, 120, 90};
    EXPECT_TRUE(EqualRect(&surface.tracker.m_rect, &expected));
    // The left edge dragged far past the right one stops a minimum width short of it.
    surface.tracker.m_sizeMin = SIZE{10, 10};
    ASSERT_TRUE(win::act::drag(surface.m_hWnd, 0, POINT{36, 63}, POINT{190, 63}));
    expected = RECT{110, 40, 120, 90};
    EXPECT_TRUE(EqualRect(&surface.tracker.m_rect, &expected));
}

TEST_F(TrackerTest, APressWithoutReleaseCancelsAndRestores) {
    win::mouse::queueEvent(WM_LBUTTONDOWN, screen(POINT{60, 60}));
    win::mouse::queueEvent(WM_MOUSEMOVE, screen(POINT{80, 80}));
    win::mouse::pumpInput();
    EXPECT_FALSE(surface.tracked);
    const RECT expected{40, 40, 100, 80};
    EXPECT_TRUE(EqualRect(&surface.tracker.m_rect, &expected));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(TrackerTest, ARubberBandFollowsTheCapturedMouseBeyondTheWindowAndOverDisabledControls) {
    // Starts over the disabled edit field (the dialog gets the press) and ends outside.
    RECT edit;
    GetWindowRect(GetDlgItem(surface.m_hWnd, 6), &edit);
    POINT start{edit.left + 2, edit.top + 2};
    surface.ScreenToClient(&start);
    ASSERT_TRUE(win::act::drag(surface.m_hWnd, 0, start, POINT{-30, 500}));
    EXPECT_TRUE(surface.tracked);
    EXPECT_EQ(surface.band.left, start.x);
    EXPECT_EQ(surface.band.right, -30) << "a band may turn inside out";
    EXPECT_EQ(surface.band.bottom, 500);
}

TEST_F(TrackerTest, ThePointerOverAHandleGetsTheResizeCursorThroughSetCursor) {
    move(POINT{36, 36});
    EXPECT_EQ(win::cursorName(GetCursor()), "size nwse");
    move(POINT{60, 60});
    EXPECT_EQ(win::cursorName(GetCursor()), "size all");
    // Over the static text the pointer passes through to the dialog, away from the tracker.
    RECT label;
    GetWindowRect(GetDlgItem(surface.m_hWnd, 5), &label);
    EXPECT_EQ(WindowFromPoint(POINT{label.left + 1, label.top + 1}), surface.m_hWnd);
    win::mouse::queueEvent(WM_MOUSEMOVE, POINT{label.left + 1, label.top + 1});
    win::mouse::pumpInput();
    EXPECT_EQ(win::cursorName(GetCursor()), "arrow");
}

TEST_F(TrackerTest, DrawingShowsTheFrameAndTheHandles) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.Attach(CreateCompatibleBitmap(nullptr, 150, 120));
    ::SelectObject(dc, bitmap.m_hObject);
    dc.FillSolidRect(0, 0, 150, 120, RGB(255, 255, 255));
    surface.tracker.Draw(&dc);
    EXPECT_EQ(dc.GetPixel(35, 35), RGB(0, 0, 0)) << "top-left handle outside";
    EXPECT_EQ(dc.GetPixel(40, 60), RGB(0, 0, 0)) << "left edge of the frame";
    EXPECT_EQ(dc.GetPixel(60, 60), RGB(255, 255, 255)) << "the inside stays";
}

}  // namespace
