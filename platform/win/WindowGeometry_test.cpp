#include <gtest/gtest.h>

#include "win/WinTestSupport.h"
#include "win/Window.h"

namespace {

using win::testing::WindowSystemTest;

TEST_F(WindowSystemTest, NewParentKeepsTheWindowWhereItIsOnTheScreen) {
    HWND a = CreateWindowEx(0, "#32770", "", WS_POPUP | WS_CAPTION | WS_DLGFRAME, 100, 100, 300,
                            200, nullptr, nullptr, nullptr, nullptr);
    HWND b = CreateWindowEx(0, "#32770", "", WS_POPUP, 500, 50, 300, 300, nullptr, nullptr, nullptr,
                            nullptr);
    HWND c =
        CreateWindowEx(0, "STATIC", "", WS_CHILD, 10, 10, 40, 20, a, nullptr, nullptr, nullptr);
    RECT before, after;
    GetWindowRect(c, &before);
    EXPECT_EQ(SetParent(c, b), a);
    GetWindowRect(c, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(GetParent(c), b);
    EXPECT_EQ(GetWindow(a, GW_CHILD), nullptr);
    EXPECT_EQ(SetParent(b, c), nullptr) << "a window cannot become its child's child";
}

TEST_F(WindowSystemTest, FramesAndMappingBetweenWindows) {
    RECT r{0, 0, 100, 50};
    AdjustWindowRectEx(&r, WS_CAPTION | WS_THICKFRAME, FALSE, WS_EX_CLIENTEDGE);
    EXPECT_EQ(r.left, -6);
    EXPECT_EQ(r.top, -24);
    EXPECT_EQ(r.right, 106);
    HWND a = CreateWindowEx(0, "#32770", "", WS_POPUP, 10, 20, 300, 200, nullptr, nullptr, nullptr,
                            nullptr);
    HWND b = CreateWindowEx(0, "#32770", "", WS_POPUP | WS_BORDER, 50, 70, 300, 200, nullptr,
                            nullptr, nullptr, nullptr);
    POINT p{0, 0};
    MapWindowPoints(a, b, &p, 1);
    EXPECT_EQ(p.x, 10 - 51);
    EXPECT_EQ(p.y, 20 - 71);
    ClientToScreen(b, &p);
    EXPECT_EQ(p.x, 10);
}

TEST_F(WindowSystemTest, RectangleArithmetic) {
    RECT a{0, 0, 10, 10}, b{5, 5, 20, 8}, out;
    EXPECT_TRUE(IntersectRect(&out, &a, &b));
    EXPECT_EQ(out.right, 10);
    EXPECT_EQ(out.bottom, 8);
    RECT far{30, 30, 40, 40};
    EXPECT_FALSE(IntersectRect(&out, &a, &far));
    EXPECT_TRUE(IsRectEmpty(&out));
    EXPECT_TRUE(UnionRect(&out, &a, &far));
    EXPECT_EQ(out.right, 40);
    EXPECT_TRUE(PtInRect(&a, POINT{0, 9}));
    EXPECT_FALSE(PtInRect(&a, POINT{10, 5})) << "the right edge is outside";
    InflateRect(&a, 2, 1);
    EXPECT_EQ(a.left, -2);
    EXPECT_EQ(a.bottom, 11);
}

TEST_F(WindowSystemTest, SizeMessageCarriesTheClientSizeAndOnlyOnChange) {
    static int sizes = 0;
    static LPARAM last = 0;
    WNDCLASS cls;
    cls.lpszClassName = "SizeCounter";
    cls.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_SIZE) {
            ++sizes;
            last = l;
        }
        return DefWindowProc(h, m, w, l);
    };
    RegisterClass(&cls);
    sizes = 0;
    HWND h = CreateWindowEx(0, "SizeCounter", "", WS_POPUP | WS_CAPTION | WS_DLGFRAME, 0, 0, 200,
                            100, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(sizes, 1);
    MoveWindow(h, 5, 5, 200, 100, TRUE);
    EXPECT_EQ(sizes, 1) << "a move alone is not a size change";
    SetWindowPos(h, nullptr, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(sizes, 2);
    EXPECT_EQ(LOWORD(static_cast<DWORD_PTR>(last)), 300 - 6);
    EXPECT_EQ(HIWORD(static_cast<DWORD_PTR>(last)), 150 - 6 - 18);
    SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(GetWindowLong(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowPos(h, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_FALSE(GetWindowLong(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

}  // namespace
