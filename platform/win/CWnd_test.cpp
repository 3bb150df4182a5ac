#include "win/CWnd.h"

#include <string>
#include <vector>

#include "win/CButton.h"
#include "win/CComboBox.h"
#include "win/CEdit.h"
#include "win/CTabCtrl.h"
#include "win/WinTestSupport.h"

namespace {

class Recorder : public CWnd {
public:
    std::vector<std::string> seen;
    bool callBaseOnSize = true;
    int OnCreate(LPCREATESTRUCT cs) override {
        seen.push_back("create " + std::string(cs->lpszName));
        return CWnd::OnCreate(cs);
    }
    void OnSize(UINT, int cx, int cy) override {
        seen.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy));
        if (callBaseOnSize) CWnd::OnSize(0, cx, cy);
    }
    void OnLButtonDown(UINT flags, POINT p) override {
        seen.push_back("left " + std::to_string(p.x) + "," + std::to_string(p.y) +
                       ((flags & MK_SHIFT) ? " shift" : ""));
    }
    void OnGetMinMaxInfo(MINMAXINFO* info) override { info->ptMinTrackSize = POINT{120, 80}; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == 0x517) {  // a private message, answered here and not passed on
            seen.push_back("private");
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void OnDestroy() override {
        seen.push_back("destroy");
        CWnd::OnDestroy();
    }
};

class CWndTest : public win::testing::WindowSystemTest {
protected:
    HWND frame() {
        return CreateWindowEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                              nullptr, nullptr, nullptr);
    }
    HWND control(HWND parent, const char* cls, int id) {
        return CreateWindowEx(0, cls, "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    }
};

TEST_F(CWndTest, CreatedObjectHearsItsOwnCreationAndMessages) {
    Recorder wnd;
    RECT r{10, 10, 110, 60};
    CWnd parent;
    parent.Attach(frame());
    ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "grid", WS_CHILD | WS_VISIBLE, r, &parent, 1004));
    EXPECT_EQ(wnd.seen, (std::vector<std::string>{"create grid", "size 100x50"}));
    EXPECT_EQ(CWnd::FromHandle(wnd.m_hWnd), &wnd);
    EXPECT_EQ(wnd.GetDlgCtrlID(), 1004);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_SHIFT, MAKELPARAM(static_cast<WORD>(-3), 7));
    EXPECT_EQ(wnd.seen.back(), "left -3,7 shift") << "coordinates are signed";
    EXPECT_EQ(wnd.SendMessage(0x517, 1, 2), 0);
    EXPECT_EQ(wnd.seen.back(), "private");
    MINMAXINFO info{};
    wnd.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 120);
    parent.Detach();
}

TEST_F(CWndTest, DefaultProcessingStillRunsForTheClassWhenTheBaseIsCalled) {
    HWND parent = frame();
    HWND edit = control(parent, "EDIT", 5);
    Recorder wnd;
    ASSERT_TRUE(wnd.SubclassDlgItem(5, CWnd::FromHandle(parent)));
    EXPECT_FALSE(wnd.SubclassWindow(edit)) << "routed once only";
    wnd.SetWindowText("abc");  // reaches the edit's own procedure through Default()
    std::string text;
    wnd.GetWindowText(text);
    EXPECT_EQ(text, "abc");
    wnd.SendMessage(EM_SETSEL, 1, 2);
    DWORD start = 0, end = 0;
    wnd.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 2u);
    DestroyWindow(parent);
    EXPECT_EQ(wnd.m_hWnd, nullptr) << "the object lets go of a window that is gone";
    EXPECT_EQ(wnd.seen.back(), "destroy");
}

TEST_F(CWndTest, HandleWrappersHaveTheKindOfTheirWindow) {
    HWND parent = frame();
    HWND combo = control(parent, "ComboBox", 1);
    HWND tab = control(parent, "SysTabControl32", 2);
    HWND button = control(parent, "button", 3);
    CWnd* wrapper = CWnd::FromHandle(combo);
    EXPECT_NE(dynamic_cast<CComboBox*>(wrapper), nullptr);
    EXPECT_NE(dynamic_cast<CTabCtrl*>(CWnd::FromHandle(tab)), nullptr);
    EXPECT_NE(dynamic_cast<CButton*>(CWnd::FromHandle(button)), nullptr);
    EXPECT_EQ(CWnd::FromHandle(combo), wrapper) << "the same wrapper each time";
    EXPECT_EQ(CWnd::FromHandlePermanent(combo), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    EXPECT_EQ(CWnd::FromHandle(parent)->GetDlgItem(3), CWnd::FromHandle(button));
}

TEST_F(CWndTest, ObjectDestroyedBeforeItsWindowTakesTheWindowAlong) {
    HWND parent = frame();
    HWND child = nullptr;
    {
        Recorder wnd;
        wnd.CreateEx(0, "STATIC", "x", WS_CHILD, 0, 0, 5, 5, parent, nullptr);
        child = wnd.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(GetWindow(parent, GW_CHILD), nullptr);
}

TEST_F(CWndTest, StyleChangesAndCentering) {
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "#32770", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    EXPECT_TRUE(wnd.ModifyStyle(0, WS_DISABLED));
    EXPECT_FALSE(wnd.IsWindowEnabled());
    EXPECT_FALSE(wnd.ModifyStyle(0, WS_DISABLED)) << "no change";
    wnd.ModifyStyleEx(0, WS_EX_TOPMOST);
    EXPECT_TRUE(wnd.GetExStyle() & WS_EX_TOPMOST);
    wnd.CenterWindow();
    RECT r;
    wnd.GetWindowRect(&r);
    EXPECT_EQ(r.left, (1280 - 200) / 2);
    EXPECT_EQ(r.top, (1024 - 100) / 2);
}

}  // namespace
