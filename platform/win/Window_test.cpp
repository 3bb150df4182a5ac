#include "win/Window.h"

#include <string>
#include <vector>

#include "win/WinTestSupport.h"

namespace {

using win::testing::WindowSystemTest;

std::vector<std::string>* g_log = nullptr;

LRESULT loggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_log) {
        switch (message) {
            case WM_CREATE:
                g_log->push_back("create");
                break;
            case WM_SIZE:
                g_log->push_back("size " + std::to_string(LOWORD(static_cast<DWORD_PTR>(lParam))) +
                                 "x" + std::to_string(HIWORD(static_cast<DWORD_PTR>(lParam))));
                break;
            case WM_DESTROY:
                g_log->push_back("destroy " + std::to_string(GetDlgCtrlID(hwnd)));
                break;
            case WM_NCDESTROY:
                g_log->push_back("ncdestroy " + std::to_string(GetDlgCtrlID(hwnd)));
                break;
            case WM_USER + 1:
                g_log->push_back("user " + std::to_string(wParam));
                break;
            default:
                break;
        }
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

LRESULT refusingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) return -1;
    return DefWindowProc(hwnd, message, wParam, lParam);
}

class WindowTest : public WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        g_log = &log;
        WNDCLASS cls;
        cls.lpfnWndProc = loggingProc;
        cls.lpszClassName = "fpSpread70";
        ASSERT_NE(RegisterClass(&cls), 0);
    }
    void TearDown() override {
        g_log = nullptr;
        WindowSystemTest::TearDown();
    }
    HWND frame(DWORD style = WS_POPUP | WS_CAPTION | WS_DLGFRAME) {
        return CreateWindowEx(0, "#32770", "Frame", style, 100, 50, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
    }
    HWND child(HWND parent, const char* cls, int id, int x = 10, int y = 20, int w = 80,
               int h = 30) {
        return CreateWindowEx(0, cls, "", WS_CHILD | WS_VISIBLE, x, y, w, h, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    }
    std::vector<std::string> log;
};

TEST_F(WindowTest, RegisteredClassGetsCreationSizeAndDestructionInOrder) {
    HWND parent = frame();
    HWND grid = child(parent, "FPSPREAD70", 1004);  // class names ignore letter case
    ASSERT_TRUE(IsWindow(grid));
    EXPECT_EQ(log, (std::vector<std::string>{"create", "size 80x30"}));
    log.clear();
    HWND inner = child(grid, "fpSpread70", 7);
    log.clear();
    DestroyWindow(parent);
    // Parents hear of their end before their children; the last word goes to the parent.
    EXPECT_EQ(log, (std::vector<std::string>{"destroy 1004", "destroy 7", "ncdestroy 7",
                                             "ncdestroy 1004"}));
    EXPECT_FALSE(IsWindow(grid));
    EXPECT_FALSE(IsWindow(inner));
    EXPECT_EQ(SendMessage(grid, WM_USER + 1, 5, 0), 0);
}

TEST_F(WindowTest, DuplicateOrIncompleteClassIsRefused) {
    WNDCLASS cls;
    cls.lpfnWndProc = loggingProc;
    cls.lpszClassName = "FpSpread70";
    EXPECT_EQ(RegisterClass(&cls), 0);
    cls.lpszClassName = "Other";
    cls.lpfnWndProc = nullptr;
    EXPECT_EQ(RegisterClass(&cls), 0);
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                             nullptr),
              nullptr);
}

TEST_F(WindowTest, CreationRefusedByTheProcedureLeavesNoWindow) {
    WNDCLASS cls;
    cls.lpfnWndProc = refusingProc;
    cls.lpszClassName = "Refuser";
    RegisterClass(&cls);
    HWND parent = frame();
    EXPECT_EQ(child(parent, "Refuser", 3), nullptr);
    EXPECT_EQ(GetWindow(parent, GW_CHILD), nullptr);
}

TEST_F(WindowTest, ChildrenKeepCreationOrderAndAreFoundById) {
    HWND parent = frame();
    HWND a = child(parent, "STATIC", 1);
    HWND b = child(parent, "EDIT", 2);
    HWND c = child(parent, "BUTTON", 3);
    EXPECT_EQ(GetWindow(parent, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
    EXPECT_EQ(GetDlgItem(parent, 2), b);
    EXPECT_EQ(GetDlgItem(parent, 9), nullptr);
    EXPECT_EQ(GetParent(b), parent);
    EXPECT_TRUE(IsChild(parent, b));
    SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(parent, GW_CHILD), c);
    DestroyWindow(b);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), nullptr);
    char name[32];
    GetClassName(c, name, sizeof name);
    EXPECT_STREQ(name, "BUTTON");
}

TEST_F(WindowTest, RectanglesInScreenAndClientCoordinates) {
    HWND parent = frame();  // caption 18 + dialog frame 3
    RECT client;
    GetClientRect(parent, &client);
    EXPECT_EQ(client.right, 300 - 6);
    EXPECT_EQ(client.bottom, 200 - 6 - 18);
    HWND c = child(parent, "STATIC", 1, 10, 20, 80, 30);
    RECT r;
    GetWindowRect(c, &r);
    EXPECT_EQ(r.left, 100 + 3 + 10);
    EXPECT_EQ(r.top, 50 + 3 + 18 + 20);
    EXPECT_EQ(r.right - r.left, 80);
    POINT p{r.left, r.top};
    ScreenToClient(parent, &p);
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 20);
    MoveWindow(parent, 0, 0, 400, 300, TRUE);
    GetWindowRect(c, &r);
    EXPECT_EQ(r.left, 13);
    EXPECT_EQ(r.top, 41);
}

TEST_F(WindowTest, DeferredBatchMovesEverythingAtCommitOnly) {
    HWND parent = frame();
    HWND a = child(parent, "fpSpread70", 1);
    HWND b = child(parent, "STATIC", 2);
    log.clear();
    HDWP batch = BeginDeferWindowPos(2);
    batch = DeferWindowPos(batch, a, nullptr, 5, 5, 100, 40, SWP_NOZORDER);
    batch = DeferWindowPos(batch, b, nullptr, 50, 60, 10, 10, SWP_NOZORDER);
    ASSERT_NE(batch, nullptr);
    RECT r;
    GetWindowRect(a, &r);
    EXPECT_EQ(r.right - r.left, 80) << "moved before the commit";
    EXPECT_TRUE(EndDeferWindowPos(batch));
    GetWindowRect(a, &r);
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(log, (std::vector<std::string>{"size 100x40"}));
    EXPECT_FALSE(EndDeferWindowPos(batch)) << "a batch commits once";
}

TEST_F(WindowTest, DeferringAStaleWindowAbandonsTheBatch) {
    HWND parent = frame();
    HWND a = child(parent, "STATIC", 1);
    HWND gone = child(parent, "STATIC", 2);
    DestroyWindow(gone);
    HDWP batch = BeginDeferWindowPos(2);
    batch = DeferWindowPos(batch, a, nullptr, 0, 0, 5, 5, SWP_NOZORDER);
    EXPECT_EQ(DeferWindowPos(batch, gone, nullptr, 0, 0, 5, 5, SWP_NOZORDER), nullptr);
    EXPECT_FALSE(EndDeferWindowPos(batch));
    RECT r;
    GetWindowRect(a, &r);
    EXPECT_EQ(r.right - r.left, 80);
}

TEST_F(WindowTest, UserDataStyleAndIdThroughWindowLongs) {
    HWND parent = frame();
    HWND grid = child(parent, "fpSpread70", 1004);
    int state = 42;
    SetWindowLongPtr(grid, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    EXPECT_EQ(reinterpret_cast<int*>(GetWindowLongPtr(grid, GWLP_USERDATA)), &state);
    EXPECT_EQ(GetWindowLong(grid, GWL_ID), 1004);
    EXPECT_TRUE(GetWindowLong(grid, GWL_STYLE) & WS_CHILD);
}

TEST_F(WindowTest, VisibilityFollowsAncestorsAndDisablingDropsFocus) {
    HWND parent = frame(WS_POPUP);
    HWND edit = child(parent, "EDIT", 1);
    EXPECT_FALSE(IsWindowVisible(edit)) << "its parent is hidden";
    ShowWindow(parent, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(edit));
    SetFocus(edit);
    EXPECT_EQ(GetFocus(), edit);
    EnableWindow(edit, FALSE);
    EXPECT_FALSE(IsWindowEnabled(edit));
    EXPECT_EQ(GetFocus(), nullptr);
    DestroyWindow(parent);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowTest, PostedMessagesWaitForThePumpAndSkipDeadWindows) {
    HWND parent = frame();
    HWND a = child(parent, "fpSpread70", 1);
    HWND b = child(parent, "fpSpread70", 2);
    log.clear();
    PostMessage(a, WM_USER + 1, 1, 0);
    PostMessage(b, WM_USER + 1, 2, 0);
    PostMessage(a, WM_USER + 1, 3, 0);
    EXPECT_TRUE(log.empty());
    DestroyWindow(b);
    log.clear();
    EXPECT_EQ(PumpWaitingMessages(), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"user 1", "user 3"}));
    EXPECT_FALSE(PostMessage(b, WM_USER + 1, 4, 0));
}

TEST_F(WindowTest, DialogItemIntegersTranslateStrictly) {
    HWND parent = frame();
    child(parent, "EDIT", 5);
    BOOL ok = FALSE;
    SetDlgItemText(parent, 5, " -42 ");
    EXPECT_EQ(static_cast<int>(GetDlgItemInt(parent, 5, &ok, TRUE)), -42);
    EXPECT_TRUE(ok);
    SetDlgItemText(parent, 5, "12a");
    GetDlgItemInt(parent, 5, &ok, TRUE);
    EXPECT_FALSE(ok);
    SetDlgItemText(parent, 5, "99999999999");
    GetDlgItemInt(parent, 5, &ok, FALSE);
    EXPECT_FALSE(ok) << "overflow";
    SetDlgItemText(parent, 5, "-1");
    GetDlgItemInt(parent, 5, &ok, FALSE);
    EXPECT_FALSE(ok) << "unsigned refuses a sign";
}

}  // namespace
