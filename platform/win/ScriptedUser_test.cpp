#include "win/ScriptedUser.h"

#include <string>
#include <vector>

#include "win/CDialog.h"
#include "win/CMenu.h"
#include "win/CTabCtrl.h"
#include "win/WinTestSupport.h"

namespace {

constexpr const char* kScript = R"(
40 DIALOG 0, 0, 200, 100
CAPTION "Sheet"
BEGIN
    CONTROL "", 1004, "fpSpread70", WS_TABSTOP, 5, 5, 150, 80
    EDITTEXT 1001, 160, 5, 30, 14
    DEFPUSHBUTTON "OK", IDOK, 160, 80, 30, 14
END
)";

// A sheet window as the grid layer makes it: its own class, a context menu on the right
// button, shortcuts in the pre-translation hook of its object.
class SheetWindow : public CWnd {
public:
    std::vector<std::string> seen;
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == static_cast<WPARAM>(VK_F3)) {
            seen.push_back(std::string("F3") + (GetKeyState(VK_CONTROL) < 0 ? "+ctrl" : "") +
                           (GetKeyState(VK_SHIFT) < 0 ? "+shift" : ""));
            return TRUE;
        }
        return FALSE;
    }
    void OnKeyDown(UINT key, UINT, UINT) override { seen.push_back("down " + std::to_string(key)); }
    void OnRButtonDown(UINT flags, POINT at) override {
        seen.push_back("right " + std::to_string(at.x) + "," + std::to_string(at.y) +
                       ((flags & MK_RBUTTON) ? " R" : ""));
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, 32811, "Insert row");
        menu.AppendMenu(MF_STRING, 32812, "Delete row");
        POINT cursor;
        GetCursorPos(&cursor);
        menu.TrackPopupMenu(TPM_LEFTALIGN, cursor.x, cursor.y, this);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        seen.push_back("command " + std::to_string(LOWORD(wParam)));
        return TRUE;
    }
};

class SheetDialog : public CDialog {
public:
    SheetDialog() : CDialog(40) {}
    SheetWindow sheet;
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        sheet.SubclassDlgItem(1004, this);
        return TRUE;
    }
};

class ScriptedUserTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        WNDCLASS cls;
        cls.lpfnWndProc = DefWindowProc;
        cls.lpszClassName = "fpSpread70";
        RegisterClass(&cls);
        AfxSetResourceHandle(win::loadResourceModuleFromText(kScript));
    }
};

TEST_F(ScriptedUserTest, RightClickOpensTheContextMenuAtTheCursorAndTheChoiceArrives) {
    SheetDialog dlg;
    win::user::rightClick(1004, POINT{30, 40});
    win::user::chooseMenuText("Delete row");
    dlg.DoModal();
    EXPECT_EQ(dlg.sheet.seen, (std::vector<std::string>{"right 30,40 R", "command 32812"}));
    ASSERT_EQ(win::user::menus().size(), 1u);
    POINT expected{30, 40};
    // The menu opened where the cursor was: the click point in screen coordinates.
    EXPECT_GT(win::user::menus()[0].position.x, expected.x);
    EXPECT_TRUE(win::user::failures().empty());
}

TEST_F(ScriptedUserTest, KeysGoToTheFocusedControlThroughThePreTranslationHook) {
    SheetDialog dlg;
    win::user::focus(1004);
    win::user::pressKey(VK_F3, {true, true});
    win::user::pressKey(VK_DOWN);
    win::user::act(
        [] { EXPECT_EQ(GetKeyState(VK_CONTROL), 0) << "modifiers are released after the key"; });
    dlg.DoModal();
    EXPECT_EQ(dlg.sheet.seen, (std::vector<std::string>{"F3+ctrl+shift", "down 40"}));
}

TEST_F(ScriptedUserTest, AStepForAnotherKindOfPromptIsAFailure) {
    SheetDialog dlg;
    win::user::answerMessageBox(IDOK);  // no message box comes
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(win::user::failures().size(), 1u);
    EXPECT_EQ(win::user::pendingSteps(), 0u);
}

TEST_F(ScriptedUserTest, StepsNamingADialogThatIsNotOpenFail) {
    SheetDialog dlg;
    win::user::click(IDOK, win::DialogRef{999, ""});
    win::user::typeText(1001, "x", win::DialogRef{0, "Sheet"});
    win::user::click(IDOK, win::DialogRef{0, "Sheet"});
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(win::user::failures().size(), 1u);
}

}  // namespace

namespace {

constexpr const char* kPages = R"(
41 DIALOG 0, 0, 200, 100
CAPTION "Pages"
BEGIN
    CONTROL "", 8097, "SysTabControl32", 0, 3, 3, 150, 80
    LISTBOX 1100, 160, 5, 35, 40
    LISTBOX 1101, 160, 50, 35, 40, NOT LBS_NOTIFY
END
)";

class PagesDialog : public CDialog {
public:
    PagesDialog() : CDialog(41) {}
    bool lockPages = false;
    std::vector<std::string> seen;
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(8097));
        tabs->InsertItem(0, "Constraints");
        tabs->InsertItem(1, "Objects");
        for (int id : {1100, 1101}) {
            ::SendDlgItemMessage(m_hWnd, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
            ::SendDlgItemMessage(m_hWnd, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("b"));
        }
        return TRUE;
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == TCN_SELCHANGING) {
            seen.push_back("changing");
            *result = lockPages ? TRUE : FALSE;
            return TRUE;
        }
        if (header->code == TCN_SELCHANGE) {
            seen.push_back("page " +
                           std::to_string(static_cast<CTabCtrl*>(GetDlgItem(8097))->GetCurSel()));
            return TRUE;
        }
        return FALSE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) == LBN_SELCHANGE)
            seen.push_back("list " + std::to_string(LOWORD(wParam)));
        if (HIWORD(wParam) == LBN_DBLCLK) seen.push_back("open " + std::to_string(LOWORD(wParam)));
        return CDialog::OnCommand(wParam, lParam);
    }
};

class PagesTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        AfxSetResourceHandle(win::loadResourceModuleFromText(kPages));
    }
};

TEST_F(PagesTest, ChoosingATabAsksFirstAndTheDialogMayRefuse) {
    PagesDialog dlg;
    win::user::selectText(8097, "Objects");
    dlg.DoModal();
    EXPECT_EQ(dlg.seen, (std::vector<std::string>{"changing", "page 1"}));
    PagesDialog locked;
    locked.lockPages = true;
    win::user::select(8097, 1);
    win::user::act(
        [] { EXPECT_EQ(SendDlgItemMessage(win::activeDialog(), 8097, TCM_GETCURSEL, 0, 0), 0); });
    locked.DoModal();
    EXPECT_EQ(locked.seen, (std::vector<std::string>{"changing"}));
    EXPECT_TRUE(win::user::failures().empty());
}

TEST_F(PagesTest, ListNotificationsFollowTheNotifyStyle) {
    PagesDialog dlg;
    win::user::select(1100, 1);
    win::user::select(1101, 1);
    win::user::doubleClick(1100, 0);
    dlg.DoModal();
    EXPECT_EQ(dlg.seen, (std::vector<std::string>{"list 1100", "list 1100", "open 1100"}));
}

}  // namespace
