#include "frame/ChildLayout.h"

#include "win/WinTestSupport.h"
#include "win/Window.h"

namespace {

class Layout : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        parent = CreateWindowEx(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
    }
    HWND child(int id, int left, int top, int right, int bottom, const char* cls = "BUTTON") {
        return CreateWindowEx(0, cls, "", WS_CHILD | WS_VISIBLE, left, top, right - left,
                              bottom - top, parent, reinterpret_cast<HMENU>(intptr_t(id)), nullptr,
                              nullptr);
    }
    void resize(int width, int height) { MoveWindow(parent, 0, 0, width, height, TRUE); }
    RECT placed(HWND window) const {
        RECT rect{};
        GetWindowRect(window, &rect);
        POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
        MapWindowPoints(nullptr, parent, corners, 2);
        return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    }
    HWND parent = nullptr;
    ChildLayout layout;
};

TEST_F(Layout, AChildWithoutFlagsScalesWithTheDialog) {
    HWND button = child(10, 10, 20, 110, 40);
    layout.registerChildren(parent);
    resize(300, 150);
    ASSERT_TRUE(layout.applyLayout());
    const RECT r = placed(button);
    EXPECT_EQ(r.left, 15);
    EXPECT_EQ(r.right, 165);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.bottom, 60);
}

TEST_F(Layout, ScaledEdgesAreTruncated) {
    HWND button = child(10, 11, 3, 33, 7);
    layout.registerChildren(parent);
    resize(210, 110);
    ASSERT_TRUE(layout.applyLayout());
    const RECT r = placed(button);
    EXPECT_EQ(r.left, 11) << "11 * 1.05 = 11.55";
    EXPECT_EQ(r.right, 34) << "33 * 1.05 = 34.65";
    EXPECT_EQ(r.top, 3);
    EXPECT_EQ(r.bottom, 7);
}

TEST_F(Layout, FlagsFiveMoveWithTheFarEdgeKeepingTheSize) {
    HWND button = child(10, 120, 60, 180, 80);
    layout.registerChildren(parent);
    ASSERT_TRUE(layout.setControlFlags(10, 5, 5));
    resize(260, 130);
    ASSERT_TRUE(layout.applyLayout());
    const RECT r = placed(button);
    EXPECT_EQ(r.left, 180);
    EXPECT_EQ(r.right, 240);
    EXPECT_EQ(r.top, 90);
    EXPECT_EQ(r.bottom, 110);
}

TEST_F(Layout, FlagsSixStretchAndThreeStayPut) {
    HWND grid = child(10, 10, 10, 150, 70);
    HWND fixed = child(11, 160, 75, 190, 95);
    layout.registerChildren(parent);
    ASSERT_TRUE(layout.setControlFlags(10, 6, 6));
    ASSERT_TRUE(layout.setControlFlags(11, 3, 3));
    resize(250, 80);
    ASSERT_TRUE(layout.applyLayout());
    const RECT g = placed(grid);
    EXPECT_EQ(g.left, 10);
    EXPECT_EQ(g.right, 200);
    EXPECT_EQ(g.top, 10);
    EXPECT_EQ(g.bottom, 50) << "the bottom keeps its distance when the dialog shrinks";
    const RECT f = placed(fixed);
    EXPECT_EQ(f.left, 160);
    EXPECT_EQ(f.right, 190);
    EXPECT_EQ(f.top, 75);
    EXPECT_EQ(f.bottom, 95);
}

TEST_F(Layout, FlagOneAloneKeepsTheScaledStartAndTheSize) {
    HWND button = child(10, 20, 0, 60, 10);
    layout.registerChildren(parent);
    ASSERT_TRUE(layout.setControlFlags(10, 1, 0));
    resize(400, 100);
    ASSERT_TRUE(layout.applyLayout());
    const RECT r = placed(button);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.right, 80);
}

TEST_F(Layout, ToolbarsAreNeverMoved) {
    HWND toolbar = child(12, 0, 0, 200, 20, "toolbarwindow32");
    HWND button = child(10, 10, 30, 50, 50);
    layout.registerChildren(parent);
    EXPECT_EQ(layout.entryCount(), 1);
    EXPECT_FALSE(layout.setChildFlags(toolbar, 6, 3));
    resize(400, 200);
    ASSERT_TRUE(layout.applyLayout());
    const RECT t = placed(toolbar);
    EXPECT_EQ(t.right, 200);
    EXPECT_EQ(t.bottom, 20);
    EXPECT_EQ(placed(button).left, 20);
}

TEST_F(Layout, FlagsForAnUnknownControlAreRefused) {
    HWND button = child(10, 10, 10, 50, 30);
    layout.registerChildren(parent);
    EXPECT_FALSE(layout.setControlFlags(99, 6, 6));
    resize(400, 200);
    ASSERT_TRUE(layout.applyLayout());
    EXPECT_EQ(placed(button).left, 20) << "the other entries keep their flags";
}

TEST_F(Layout, RegisteringAgainForgetsTheOldEntries) {
    child(10, 10, 10, 50, 30);
    layout.registerChildren(parent);
    layout.registerChildren(nullptr);
    EXPECT_EQ(layout.entryCount(), 0);
    EXPECT_FALSE(layout.applyLayout());
    EXPECT_FALSE(layout.setControlFlags(10, 1, 1));
}

TEST_F(Layout, AGoneParentFailsTheLayout) {
    child(10, 10, 10, 50, 30);
    layout.registerChildren(parent);
    DestroyWindow(parent);
    EXPECT_FALSE(layout.applyLayout());
}

}  // namespace
