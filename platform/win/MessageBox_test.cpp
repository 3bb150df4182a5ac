#include "win/MessageBox.h"

#include "win/CFileDialog.h"
#include "win/CMenu.h"
#include "win/WinTestSupport.h"

namespace {

using win::testing::WindowSystemTest;

TEST_F(WindowSystemTest, MessageBoxWithoutAnAnswerTakesItsDefaultButton) {
    EXPECT_EQ(MessageBox(nullptr, "Delete?", "Q", MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(MessageBox(nullptr, "Delete?", "Q", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "Retry?", nullptr, MB_RETRYCANCEL | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "Note", "N", MB_OK | MB_DEFBUTTON3), IDOK) << "no third button";
    ASSERT_EQ(win::user::messageBoxes().size(), 4u);
    EXPECT_EQ(win::user::messageBoxes()[2].caption, "Error");
    EXPECT_FALSE(win::user::messageBoxes()[0].answeredByScript);
}

TEST_F(WindowSystemTest, AnAnswerTheBoxDoesNotOfferIsAFailureAndTheDefaultAnswers) {
    win::user::answerMessageBox(IDYES);
    EXPECT_EQ(MessageBox(nullptr, "Saved.", "Info", MB_OK | MB_ICONINFORMATION), IDOK);
    ASSERT_EQ(win::user::failures().size(), 1u);
    win::user::answerMessageBox(IDNO);
    EXPECT_EQ(AfxMessageBox("Continue?", MB_YESNO), IDNO);
    EXPECT_EQ(win::user::messageBoxes().back().caption, win::applicationName());
}

TEST_F(WindowSystemTest, PopupMenuIsRecordedAndAnsweredByIdOrText) {
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 32811, "Insert row");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_GRAYED, 32812, "Delete row");
    menu.AppendMenu(MF_STRING | MF_CHECKED, 32813, "Lock");
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 10, 20, nullptr), 0)
        << "dismissed without an answer";
    win::user::chooseMenuText("Lock");
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 10, 20, nullptr), 32813);
    win::user::chooseMenuItem(32812);
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 10, 20, nullptr), 0)
        << "a greyed entry cannot be chosen";
    EXPECT_EQ(win::user::failures().size(), 1u);
    ASSERT_EQ(win::user::menus().size(), 3u);
    const auto& shown = win::user::menus()[1];
    ASSERT_EQ(shown.entries.size(), 4u);
    EXPECT_TRUE(shown.entries[1].flags & MF_SEPARATOR);
    EXPECT_TRUE(shown.entries[3].flags & MF_CHECKED);
    EXPECT_EQ(shown.position.x, 10);
    EXPECT_EQ(menu.GetMenuItemID(0), 32811u);
    EXPECT_EQ(menu.CheckMenuItem(32813, MF_UNCHECKED), MF_CHECKED);
}

TEST_F(WindowSystemTest, ChosenMenuCommandReachesTheOwner) {
    struct Owner : CWnd {
        int command = 0;
        BOOL OnCommand(WPARAM wParam, LPARAM) override {
            command = LOWORD(wParam);
            return TRUE;
        }
    } owner;
    owner.CreateEx(0, "#32770", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 500, "Go");
    win::user::chooseMenuItem(500);
    EXPECT_TRUE(menu.TrackPopupMenu(0, 0, 0, &owner));
    EXPECT_EQ(owner.command, 500);
}

TEST_F(WindowSystemTest, FileDialogsAreAnsweredWithPathsOrCancelled) {
    CFileDialog open(TRUE, "dwg", nullptr, OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY,
                     "AutoCAD Drawing (*.dwg)|*.dwg||");
    open.m_ofn.lpstrTitle = "Select the drawings";
    open.m_ofn.lpstrInitialDir = "C:\\Lib\\Macros\\";
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    win::user::answerFileDialog({"C:\\Lib\\Macros\\a.dwg", "C:\\Lib\\Macros\\b.dwg"});
    EXPECT_EQ(open.DoModal(), IDOK);
    std::vector<std::string> paths;
    for (POSITION pos = open.GetStartPosition(); pos;) paths.push_back(open.GetNextPathName(pos));
    EXPECT_EQ(paths,
              (std::vector<std::string>{"C:\\Lib\\Macros\\a.dwg", "C:\\Lib\\Macros\\b.dwg"}));
    ASSERT_EQ(win::user::fileDialogs().size(), 2u);
    EXPECT_EQ(win::user::fileDialogs()[1].title, "Select the drawings");
    EXPECT_EQ(win::user::fileDialogs()[1].initialFolder, "C:\\Lib\\Macros\\");

    CFileDialog save(FALSE, "shp", "list", OFN_OVERWRITEPROMPT, "Shapes (*.shp)|*.shp||");
    win::user::answerFileDialog({"D:\\out\\list"});
    EXPECT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), "D:\\out\\list.shp");
    EXPECT_EQ(save.GetFileTitle(), "list");
    EXPECT_EQ(save.GetFileExt(), "shp");
    EXPECT_EQ(save.GetFolderPath(), "D:\\out");
}

TEST_F(WindowSystemTest, FileDialogRefusesWhatItsFlagsForbid) {
    CFileDialog single(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST);
    win::user::answerFileDialog({"/a", "/b"});
    EXPECT_EQ(single.DoModal(), IDCANCEL);
    win::user::answerFileDialog({"/no/such/file.buy"});
    EXPECT_EQ(single.DoModal(), IDCANCEL);
    EXPECT_EQ(win::user::failures().size(), 2u);
}

}  // namespace
