#include "host/MainWindow.h"

#include <gtest/gtest.h>

#include <string>

#include "win/Window.h"

namespace {

using host::MainWindow;

std::string classOf(HWND hwnd) {
    char name[64] = {};
    GetClassName(hwnd, name, sizeof name);
    return name;
}

TEST(MainWindow, IsOneLiveVisibleTopLevelWindow) {
    HWND main = adsw_acadMainWnd();
    ASSERT_TRUE(IsWindow(main));
    EXPECT_EQ(adsw_acadMainWnd(), main);
    EXPECT_EQ(classOf(main), MainWindow::kClassName);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(GetParent(main), nullptr);
    RECT frame;
    ASSERT_TRUE(GetWindowRect(main, &frame));
    EXPECT_EQ(frame.right - frame.left, MainWindow::kWidth);
}

TEST(MainWindow, ComesBackAfterBeingDestroyed) {
    HWND first = adsw_acadMainWnd();
    DestroyWindow(first);
    HWND second = adsw_acadMainWnd();
    EXPECT_TRUE(IsWindow(second));
    EXPECT_NE(second, first);  // handles are never reused
    MainWindow::destroy();
    EXPECT_FALSE(IsWindow(second));
    EXPECT_TRUE(IsWindow(adsw_acadMainWnd()));
}

TEST(MainWindow, TakesTheFocusBack) {
    HWND main = adsw_acadMainWnd();
    SetFocus(main);
    EXPECT_EQ(GetFocus(), main);
}

}  // namespace
