#include "win/CDialog.h"

#include <string>
#include <vector>

#include "win/CComboBox.h"
#include "win/CEdit.h"
#include "win/MessageBox.h"
#include "win/WinTestSupport.h"

namespace {

constexpr const char* kScript = R"(
#define IDD_NAME 300
#define IDC_NAME 1001
#define IDC_KIND 1002
#define IDC_FLAG 1003
#define IDC_APPLY 1004
IDD_NAME DIALOGEX 0, 0, 180, 90
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "Name"
FONT 8, "MS Sans Serif"
BEGIN
    EDITTEXT        IDC_NAME, 7, 7, 100, 14, ES_AUTOHSCROLL
    COMBOBOX        IDC_KIND, 7, 25, 100, 60, CBS_DROPDOWNLIST | WS_VSCROLL
    AUTOCHECKBOX    "Flag", IDC_FLAG, 7, 45, 50, 10
    PUSHBUTTON      "Apply", IDC_APPLY, 120, 25, 50, 14
    DEFPUSHBUTTON   "OK", IDOK, 120, 7, 50, 14
    PUSHBUTTON      "Cancel", IDCANCEL, 120, 45, 50, 14
END
301 DIALOG 0, 0, 100, 40
CAPTION "Inner"
BEGIN
    PUSHBUTTON "OK", IDOK, 5, 5, 40, 14
END
302 DIALOG 0, 0, 100, 40
CAPTION "Broken"
BEGIN
    CONTROL "", 5, "NoSuchClass", WS_CHILD, 0, 0, 10, 10
END
)";

// A dialog as the module writes them: fills its controls at initialisation, reads them back
// on OK, asks before it lets the user go.
class NameDialog : public CDialog {
public:
    NameDialog() : CDialog(300) {}
    std::vector<std::string> events;
    std::string name;
    int kind = -1;
    bool confirmOnOk = false;
    bool refuseCancel = false;
    bool openInnerOnApply = false;
    INT_PTR innerResult = 0;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        events.push_back("init");
        SetDlgItemText(1001, "start");
        auto* combo = static_cast<CComboBox*>(GetDlgItem(1002));
        combo->AddString("Plate");
        combo->AddString("Bolt");
        combo->SetCurSel(0);
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == 1001 && code == EN_CHANGE) events.push_back("change");
        if (id == 1002 && code == CBN_SELCHANGE)
            events.push_back(
                "kind " + std::to_string(static_cast<CComboBox*>(GetDlgItem(1002))->GetCurSel()));
        if (id == 1004 && code == BN_CLICKED) {
            events.push_back("apply");
            if (openInnerOnApply) {
                CDialog inner(301, this);
                innerResult = inner.DoModal();
            }
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
    void OnOK() override {
        if (confirmOnOk &&
            MessageBox("Save the name?", "Name", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        GetDlgItemText(1001, name);
        kind = static_cast<CComboBox*>(GetDlgItem(1002))->GetCurSel();
        events.push_back("ok");
        CDialog::OnOK();
    }
    void OnCancel() override {
        events.push_back("cancel");
        if (!refuseCancel) CDialog::OnCancel();
    }
};

class CDialogTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        module = win::loadResourceModuleFromText(kScript);
        ASSERT_TRUE(win::resourceModule(module)->errors.empty());
        AfxSetResourceHandle(module);
    }
    HINSTANCE module = nullptr;
};

TEST_F(CDialogTest, WithoutAScriptAModalDialogEndsWithCancelRightAfterInitialisation) {
    NameDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"init", "change", "cancel"}));
    EXPECT_EQ(dlg.m_hWnd, nullptr) << "the window is gone after DoModal";
}

TEST_F(CDialogTest, ScriptedUserTypesSelectsChecksAndConfirms) {
    NameDialog dlg;
    win::user::typeText(1001, "IPE");
    win::user::select(1002, 1);
    win::user::check(1003, BST_CHECKED);
    win::user::act([] {
        HWND d = win::activeDialog();
        EXPECT_EQ(IsDlgButtonChecked(d, 1003), static_cast<UINT>(BST_CHECKED));
    });
    win::user::click(IDOK);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.name, "IPE");
    EXPECT_EQ(dlg.kind, 1);
    EXPECT_TRUE(win::user::failures().empty());
    // One change for the initial text, then one per typed character after the selection was
    // typed over.
    const auto changes = std::count(dlg.events.begin(), dlg.events.end(), "change");
    EXPECT_EQ(changes, 1 + 3);
    EXPECT_NE(std::find(dlg.events.begin(), dlg.events.end(), "kind 1"), dlg.events.end());
}

TEST_F(CDialogTest, MessageBoxInsideAHandlerTakesTheScriptsAnswer) {
    NameDialog dlg;
    dlg.confirmOnOk = true;
    win::user::click(IDOK);
    win::user::answerMessageBox(IDNO);  // the dialog stays open
    win::user::typeText(1001, "HEA");
    win::user::click(IDOK);
    win::user::answerMessageBox(IDYES);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.name, "HEA");
    ASSERT_EQ(win::user::messageBoxes().size(), 2u);
    const auto& box = win::user::messageBoxes()[0];
    EXPECT_EQ(box.text, "Save the name?");
    EXPECT_EQ(box.caption, "Name");
    EXPECT_EQ(box.type & MB_TYPEMASK, MB_YESNO);
    EXPECT_EQ(box.type & MB_ICONMASK, MB_ICONQUESTION);
    EXPECT_EQ(box.answer, IDNO);
    EXPECT_TRUE(box.answeredByScript);
}

TEST_F(CDialogTest, EnterPressesTheDefaultButtonAndEscapeCancels) {
    {
        NameDialog dlg;
        win::user::pressKey(VK_RETURN);
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.name, "start");
    }
    {
        NameDialog dlg;
        win::user::pressKey(VK_ESCAPE);
        win::user::act([] { ADD_FAILURE() << "the dialog should be closed by now"; });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
    // The dialog closed before the last step; that step waits for the next dialog.
    EXPECT_EQ(win::user::pendingSteps(), 1u);
}

TEST_F(CDialogTest, TabMovesTheFocusAlongTheTabStops) {
    NameDialog dlg;
    std::vector<int> focused;
    auto record = [&focused] { focused.push_back(GetDlgCtrlID(GetFocus())); };
    win::user::act(record);
    win::user::pressKey(VK_TAB);
    win::user::act(record);
    win::user::pressKey(VK_TAB, {true, false});
    win::user::act(record);
    dlg.DoModal();
    EXPECT_EQ(focused, (std::vector<int>{1001, 1002, 1001}));
}

TEST_F(CDialogTest, NestedModalDialogIsTheActiveOneAndItsOwnerIsDisabled) {
    NameDialog dlg;
    dlg.openInnerOnApply = true;
    win::user::click(1004);
    win::user::act([] {
        HWND inner = win::activeDialog();
        char title[32];
        GetWindowText(inner, title, sizeof title);
        EXPECT_STREQ(title, "Inner");
        EXPECT_FALSE(IsWindowEnabled(win::findDialog(300)));
    });
    win::user::click(IDOK);  // closes the inner dialog
    win::user::act([] { EXPECT_TRUE(IsWindowEnabled(win::findDialog(300))); });
    win::user::click(IDCANCEL, win::DialogRef{300, ""});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.innerResult, IDOK);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

TEST_F(CDialogTest, ClickingDisabledOrMissingControlsIsAScriptFailure) {
    struct Disabling : NameDialog {
        BOOL OnInitDialog() override {
            NameDialog::OnInitDialog();
            GetDlgItem(1004)->EnableWindow(FALSE);
            return TRUE;
        }
    } dlg;
    win::user::click(1004);
    win::user::click(4242);
    win::user::select(1002, 7);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(std::count(dlg.events.begin(), dlg.events.end(), "apply"), 0);
    EXPECT_EQ(win::user::failures().size(), 3u);
}

TEST_F(CDialogTest, ADialogThatRefusesCancelIsEndedByForceAndReported) {
    NameDialog dlg;
    dlg.refuseCancel = true;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(win::user::failures().size(), 1u);
}

TEST_F(CDialogTest, MissingTemplateOrUnknownClassFailsWithMinusOne) {
    CDialog missing(999);
    EXPECT_EQ(missing.DoModal(), -1);
    CDialog broken(302);
    EXPECT_EQ(broken.DoModal(), -1);
    EXPECT_EQ(win::activeDialog(), nullptr);
}

TEST_F(CDialogTest, ModelessDialogIsFoundByTemplateAndTitleAndDrivenDirectly) {
    NameDialog dlg;
    ASSERT_TRUE(dlg.Create(300));
    dlg.ShowWindow(SW_SHOW);
    EXPECT_EQ(win::findDialog(300), dlg.m_hWnd);
    EXPECT_EQ(win::findDialogByTitle("Name"), dlg.m_hWnd);
    EXPECT_TRUE(win::act::typeText(dlg.m_hWnd, 1001, "X"));
    EXPECT_TRUE(win::act::click(dlg.m_hWnd, IDOK));
    EXPECT_EQ(dlg.name, "X");
    EXPECT_TRUE(dlg.hasEnded());
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.DestroyWindow();
    EXPECT_EQ(win::findDialog(300), nullptr);
}

TEST_F(CDialogTest, TemplateUnitsBecomePixelsWithTheDialogFont) {
    NameDialog dlg;
    ASSERT_TRUE(dlg.Create(300));
    RECT client;
    dlg.GetClientRect(&client);
    EXPECT_EQ(client.right, 270);   // 180 * 6 / 4
    EXPECT_EQ(client.bottom, 146);  // 90 * 13 / 8 = 146.25
    RECT edit;
    dlg.GetDlgItem(1001)->GetWindowRect(&edit);
    dlg.ScreenToClient(&edit);
    EXPECT_EQ(edit.left, 11);  // 7 * 1.5 = 10.5, rounded up
    EXPECT_EQ(edit.top, 11);   // 7 * 13 / 8 = 11.375
    EXPECT_EQ(edit.right, 11 + 150);
    EXPECT_EQ(edit.bottom, 11 + 23);  // 14 * 13 / 8 = 22.75
    RECT combo;
    dlg.GetDlgItem(1002)->GetWindowRect(&combo);
    EXPECT_EQ(combo.bottom - combo.top, 21) << "a closed drop-down list is one line high";
}

}  // namespace

namespace {

// The usual modeless dialog: it owns itself and goes away with its window.
class SelfDeletingDialog : public CDialog {
public:
    explicit SelfDeletingDialog(bool* deleted) : CDialog(301), deleted_(deleted) {}
    ~SelfDeletingDialog() override { *deleted_ = true; }
    void OnOK() override { DestroyWindow(); }
    void PostNcDestroy() override { delete this; }

private:
    bool* deleted_;
};

TEST_F(CDialogTest, AModelessDialogMayDeleteItselfWhenItsWindowGoes) {
    bool deleted = false;
    auto* dlg = new SelfDeletingDialog(&deleted);
    ASSERT_TRUE(dlg->Create(301));
    dlg->ShowWindow(SW_SHOW);
    HWND hwnd = dlg->m_hWnd;
    EXPECT_TRUE(win::act::click(hwnd, IDOK));
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
