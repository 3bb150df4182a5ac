#include "host/CAdUiBaseDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "host/CAcUiTabMainDialog.h"
#include "host/MainWindow.h"
#include "win/WinTestSupport.h"

namespace {

static_assert(std::is_base_of_v<CDialog, CAdUiBaseDialog>);
static_assert(std::is_base_of_v<CAdUiBaseDialog, CAcUiDialog>);
static_assert(std::is_base_of_v<CAcUiDialog, CAcUiTabMainDialog>);

constexpr const char* kScript = R"(
#define IDD_PICK 400
#define IDC_PICK 1010
IDD_PICK DIALOG 0, 0, 160, 60
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Pick"
BEGIN
    PUSHBUTTON "Pick", IDC_PICK, 5, 5, 50, 14
    DEFPUSHBUTTON "OK", IDOK, 100, 5, 50, 14
END
)";

// What the drawing work saw of the windows while it ran.
struct Seen {
    bool dialogVisible = true;
    bool mainEnabled = false;
    bool inCommand = false;
};

// Lets the user pick in the drawing the way the module's dialogs do: hide, begin, work,
// complete, show.
class PickDialog : public CAcUiTabMainDialog {
public:
    PickDialog() : CAcUiTabMainDialog(400) {}
    std::vector<Seen> seen;
    BOOL restore = TRUE;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) != 1010) return CAcUiTabMainDialog::OnCommand(wParam, lParam);
        BeginEditorCommand();
        seen.push_back({IsWindowVisible() != FALSE, ::IsWindowEnabled(adsw_acadMainWnd()) != FALSE,
                        isInEditorCommand()});
        CompleteEditorCommand(restore);
        return TRUE;
    }
};

class HostDialogTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        CAdUiBaseDialog::resetEditorCommandCounts();
        AfxSetResourceHandle(win::loadResourceModuleFromText(kScript));
    }
};

TEST_F(HostDialogTest, AModalDialogWithoutParentBelongsToTheMainWindow) {
    PickDialog dlg;
    bool mainEnabledDuringModal = true;
    HWND owner = nullptr;
    win::user::act([&] {
        mainEnabledDuringModal = IsWindowEnabled(adsw_acadMainWnd()) != FALSE;
        owner = GetParent(win::activeDialog());
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(win::user::failures().empty());
    EXPECT_EQ(owner, adsw_acadMainWnd());
    EXPECT_FALSE(mainEnabledDuringModal);
    EXPECT_TRUE(IsWindowEnabled(adsw_acadMainWnd()));
}

TEST_F(HostDialogTest, EditorCommandGetsTheDialogOutOfTheWayAndBack) {
    PickDialog dlg;
    bool visibleAfter = false;
    bool mainEnabledAfter = true;
    win::user::click(1010);
    win::user::act([&] {
        visibleAfter = IsWindowVisible(win::activeDialog()) != FALSE;
        mainEnabledAfter = IsWindowEnabled(adsw_acadMainWnd()) != FALSE;
    });
    win::user::click(IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(win::user::failures().empty());
    ASSERT_EQ(dlg.seen.size(), 1u);
    EXPECT_FALSE(dlg.seen[0].dialogVisible);
    EXPECT_TRUE(dlg.seen[0].mainEnabled);
    EXPECT_TRUE(dlg.seen[0].inCommand);
    EXPECT_TRUE(visibleAfter);
    EXPECT_FALSE(mainEnabledAfter);
    EXPECT_EQ(CAdUiBaseDialog::editorCommandsBegun(), 1);
    EXPECT_EQ(CAdUiBaseDialog::editorCommandsCompleted(), 1);
}

TEST_F(HostDialogTest, CompletingWithoutRestoreLeavesTheDialogHidden) {
    PickDialog dlg;
    dlg.restore = FALSE;
    bool visibleAfter = true;
    win::user::click(1010);
    win::user::act([&] { visibleAfter = IsWindowVisible(dlg.m_hWnd) != FALSE; });
    dlg.DoModal();
    EXPECT_FALSE(visibleAfter);
    EXPECT_FALSE(dlg.isInEditorCommand());
}

TEST_F(HostDialogTest, ModelessDialogsNestNoCommandsAndLeaveTheMainWindowAlone) {
    PickDialog dlg;
    ASSERT_TRUE(dlg.Create(400));
    EXPECT_EQ(GetParent(dlg.m_hWnd), adsw_acadMainWnd());
    dlg.ShowWindow(SW_SHOW);
    dlg.CompleteEditorCommand();  // without a begin: nothing
    EXPECT_EQ(CAdUiBaseDialog::editorCommandsCompleted(), 0);
    dlg.BeginEditorCommand();
    dlg.BeginEditorCommand();
    EXPECT_FALSE(dlg.IsWindowVisible());
    EXPECT_TRUE(IsWindowEnabled(adsw_acadMainWnd()));
    dlg.CompleteEditorCommand(TRUE);
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_TRUE(IsWindowEnabled(adsw_acadMainWnd()));
    EXPECT_EQ(CAdUiBaseDialog::editorCommandsBegun(), 1);
    EXPECT_EQ(CAdUiBaseDialog::editorCommandsCompleted(), 1);
    dlg.DestroyWindow();
}

TEST_F(HostDialogTest, AHiddenModelessDialogStaysHiddenAfterTheCommand) {
    PickDialog dlg;
    ASSERT_TRUE(dlg.Create(400));
    dlg.ShowWindow(SW_HIDE);
    dlg.BeginEditorCommand();
    dlg.CompleteEditorCommand(TRUE);
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.DestroyWindow();
}

}  // namespace
