#include "win/PointerInput.h"

#include <string>
#include <vector>

#include "win/CDialog.h"
#include "win/MessageBox.h"
#include "win/WinTestSupport.h"
#include "win/Window.h"

namespace {

constexpr const char* kScript = R"(
41 DIALOG 0, 0, 200, 100
CAPTION "Pointer"
BEGIN
    EDITTEXT 1001, 10, 10, 60, 14
    AUTOCHECKBOX "Slotted", 1002, 10, 30, 60, 12
    PUSHBUTTON "Ask", 1003, 80, 10, 40, 14
    PUSHBUTTON "Off", 1004, 80, 30, 40, 14, WS_DISABLED
    DEFPUSHBUTTON "OK", IDOK, 150, 80, 40, 14
END
)";

class PointerDialog : public CDialog {
public:
    PointerDialog() : CDialog(41) {}
    int answer = 0;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == 1003 && HIWORD(wParam) == BN_CLICKED) {
            answer = ::MessageBox(m_hWnd, "Keep it?", "Pointer", MB_YESNO);
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
};

class PointerInputTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        AfxSetResourceHandle(win::loadResourceModuleFromText(kScript));
    }
    void TearDown() override {
        win::user::setLiveUser({});
        WindowSystemTest::TearDown();
    }
    // The centre of a control in the dialog's picture, where a person would click it.
    static POINT centreOf(HWND dialog, int id) {
        RECT dialogRect, controlRect;
        GetWindowRect(dialog, &dialogRect);
        GetWindowRect(GetDlgItem(dialog, id), &controlRect);
        return POINT{(controlRect.left + controlRect.right) / 2 - dialogRect.left,
                     (controlRect.top + controlRect.bottom) / 2 - dialogRect.top};
    }
    static void click(HWND dialog, POINT at) {
        win::sendPointer(dialog, at, WM_LBUTTONDOWN);
        win::sendPointer(dialog, at, WM_LBUTTONUP);
    }
};

TEST_F(PointerInputTest, AClickLandsOnTheControlUnderThePointAndDoesWhatItsClassDoes) {
    PointerDialog dlg;
    win::user::act([&] {
        HWND d = dlg.m_hWnd;
        EXPECT_FALSE(win::sendPointer(d, POINT{5000, 5}, WM_LBUTTONDOWN)) << "beside the dialog";
        click(d, centreOf(d, 1001));
        EXPECT_EQ(GetFocus(), GetDlgItem(d, 1001)) << "a click gives the edit the focus";
        click(d, centreOf(d, 1002));
        EXPECT_EQ(SendMessage(GetDlgItem(d, 1002), BM_GETCHECK, 0, 0), BST_CHECKED);
        // A disabled button takes no click, and a release dragged off a button is no click.
        click(d, centreOf(d, 1004));
        win::sendPointer(d, centreOf(d, IDOK), WM_LBUTTONDOWN);
        win::sendPointer(d, POINT{10, 200}, WM_LBUTTONUP);
        EXPECT_TRUE(IsWindow(d));
        EXPECT_EQ(dlg.answer, 0);
        click(d, centreOf(d, IDOK));
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(win::user::failures().empty());
}

// A person instead of a script: asked whenever nothing is queued, answering what the
// program shows as it comes.
TEST_F(PointerInputTest, ALiveUserIsAskedForEveryPromptAndItsStepsRunInOrder) {
    PointerDialog dlg;
    std::vector<std::string> asked;
    win::user::setLiveUser([&](const win::user::UserPrompt& prompt) {
        using Kind = win::user::UserPrompt::Kind;
        if (prompt.kind == Kind::MessageBox) {
            asked.push_back("box " + prompt.messageBox->text);
            win::user::answerMessageBox(IDNO);
            return true;
        }
        asked.push_back("dialog");
        const HWND d = prompt.dialog;
        if (asked.size() == 1) {
            win::user::act([d] { click(d, centreOf(d, 1003)); });
            return true;
        }
        return false;  // the person walks away: Cancel, as a script's silence means
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.answer, IDNO);
    EXPECT_EQ(asked, (std::vector<std::string>{"dialog", "box Keep it?", "dialog"}));
    ASSERT_EQ(win::user::messageBoxes().size(), 1u);
    EXPECT_TRUE(win::user::messageBoxes()[0].answeredByScript);
}

TEST_F(PointerInputTest, QueuedStepsComeBeforeTheLiveUser) {
    PointerDialog dlg;
    int asked = 0;
    win::user::setLiveUser([&](const win::user::UserPrompt&) {
        ++asked;
        return false;
    });
    win::user::click(IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(asked, 0);
}

TEST_F(PointerInputTest, TheVisibleTopLevelWindowsAreListedBottomFirst) {
    PointerDialog first;
    first.Create(41, nullptr);
    PointerDialog second;
    second.Create(41, nullptr);
    first.ShowWindow(SW_SHOW);
    second.ShowWindow(SW_SHOW);
    std::vector<HWND> shown = win::visibleTopLevelWindows();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[shown.size() - 2], first.m_hWnd);
    EXPECT_EQ(shown.back(), second.m_hWnd);
    EXPECT_EQ(win::dialogTemplateId(second.m_hWnd), 41u);
    second.ShowWindow(SW_HIDE);
    EXPECT_EQ(win::visibleTopLevelWindows().back(), first.m_hWnd);
    first.DestroyWindow();
    second.DestroyWindow();
}

}  // namespace
