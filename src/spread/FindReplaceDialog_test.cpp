#include "spread/FindReplaceDialog.h"

#include "core/DialogSizeStore.h"
#include "core/Texts.h"
#include "spread/SheetTestSupport.h"
#include "win/MessageBox.h"

namespace {

using win::user::messageBoxes;

class FindReplace : public spread_testing::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        attach(3, 3);
        sheet->SetFocus();
        win::act::pressKey(host->m_hWnd, VK_F3);  // opens the dialog
        dialog = sheet->findReplaceDialog();
        ASSERT_NE(dialog, nullptr);
    }
    void search(const char* text, const char* replacement = "") {
        win::act::typeText(dialog->m_hWnd, 1207, text);
        win::act::typeText(dialog->m_hWnd, 1209, replacement);
    }
    void expectSelection(int col, int row, int start, int end) {
        int activeCol = 0, activeRow = 0;
        sheet->getActiveCell(activeCol, activeRow);
        EXPECT_EQ(activeCol, col);
        EXPECT_EQ(activeRow, row);
        int selStart = -1, selEnd = -1;
        ASSERT_TRUE(sheet->getEditSelection(selStart, selEnd));
        EXPECT_EQ(selStart, start);
        EXPECT_EQ(selEnd, end);
    }
    std::string itemText(int id) {
        std::string text;
        dialog->GetDlgItemText(id, text);
        return text;
    }
    FindReplaceDialog* dialog = nullptr;
};

TEST_F(FindReplace, OpensTopmostWithItsTextsAndTheSheetsSelectionOption) {
    std::string title;
    dialog->GetWindowText(title);
    EXPECT_EQ(title, dialString(1136).str());
    EXPECT_EQ(itemText(1206), dialString(1137).str());
    EXPECT_EQ(itemText(1208), dialString(1138).str());
    EXPECT_EQ(itemText(IDOK), dialString(1139).str());
    EXPECT_EQ(itemText(1204), dialString(1140).str());
    EXPECT_EQ(itemText(1205), dialString(1141).str());
    EXPECT_EQ(itemText(IDCANCEL), dialString(285).str());
    EXPECT_FALSE(title.empty());
    EXPECT_NE(dialog->GetExStyle() & WS_EX_TOPMOST, 0u);
    EXPECT_TRUE(sheet->GetBool(13));
    EXPECT_FALSE(sheet->GetBool(20));
}

TEST_F(FindReplace, ClosingRestoresTheOptionAndKeepsTheSize) {
    // The standard layout of selection mode 1 had option 13 on already; start from off.
    win::act::click(dialog->m_hWnd, IDCANCEL);
    sheet->SetBool(13, FALSE);
    sheet->SetFocus();
    win::act::pressKey(host->m_hWnd, VK_F3);
    dialog = sheet->findReplaceDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(sheet->GetBool(13));
    dialog->MoveWindow(40, 50, 420, 160);
    RECT placed;
    dialog->GetWindowRect(&placed);
    win::act::closeDialog(dialog->m_hWnd);
    EXPECT_FALSE(sheet->GetBool(13));
    EXPECT_EQ(sheet->findReplaceDialog(), nullptr);
    DialogRect stored;
    ASSERT_TRUE(DialogSizeStore::current().get("DLG_FINDREPLACE", stored));
    EXPECT_EQ(stored.width(), placed.right - placed.left);

    sheet->SetFocus();
    win::act::pressKey(host->m_hWnd, VK_F5);
    ASSERT_NE(sheet->findReplaceDialog(), nullptr);
    RECT reopened;
    sheet->findReplaceDialog()->GetWindowRect(&reopened);
    EXPECT_EQ(reopened.left, placed.left);
    EXPECT_EQ(reopened.right - reopened.left, placed.right - placed.left);
}

TEST_F(FindReplace, FindsInsideLongerTextsAndWalksOnFromTheSelection) {
    put(2, 1, "a needle and a NEEDLE");
    put(1, 3, "needles");
    search("needle");
    ASSERT_TRUE(dialog->findNextMatch(true));
    expectSelection(2, 1, 2, 8);
    ASSERT_TRUE(dialog->findNextMatch(true));
    expectSelection(2, 1, 15, 21);  // letter case does not matter
    ASSERT_TRUE(dialog->findNextMatch(true));
    expectSelection(1, 3, 0, 6);
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(FindReplace, WithoutWrapTheEndIsJustFalse) {
    put(1, 1, "needle");
    search("needle");
    sheet->SetActiveCell(2, 3);
    EXPECT_FALSE(dialog->findNextMatch(false));
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(FindReplace, WrapQuestionAnsweredYesSearchesFromTheTop) {
    put(1, 1, "needle");
    search("needle");
    sheet->SetActiveCell(2, 3);
    win::user::answerMessageBox(IDYES);
    ASSERT_TRUE(dialog->findNextMatch(true));
    expectSelection(1, 1, 0, 6);
    ASSERT_EQ(messageBoxes().size(), 1u);
    const auto& question = messageBoxes()[0];
    EXPECT_EQ(question.text, (dialString(1142) + "\n" + dialString(1143) + "\n").str());
    EXPECT_EQ(question.caption, dialString(1144).str());
    EXPECT_EQ(question.type & MB_TYPEMASK, MB_YESNO);
    EXPECT_EQ(question.type & MB_ICONMASK, MB_ICONQUESTION);
}

TEST_F(FindReplace, WrapQuestionAnsweredYesWithNothingFoundSaysSo) {
    put(1, 1, "hay");
    search("needle");
    win::user::answerMessageBox(IDYES);
    EXPECT_FALSE(dialog->findNextMatch(true));
    ASSERT_EQ(messageBoxes().size(), 2u);
    EXPECT_EQ(messageBoxes()[1].text, dialString(1145).str());
    EXPECT_EQ(messageBoxes()[1].caption, dialString(1146).str());
    EXPECT_EQ(messageBoxes()[1].type & MB_TYPEMASK, MB_OK);
}

TEST_F(FindReplace, WrapQuestionAnsweredNoStops) {
    put(1, 1, "needle");
    search("needle");
    sheet->SetActiveCell(3, 3);
    win::user::answerMessageBox(IDNO);
    EXPECT_FALSE(dialog->findNextMatch(true));
    EXPECT_EQ(messageBoxes().size(), 1u);
}

TEST_F(FindReplace, ReplaceNextReplacesTheFoundOccurrence) {
    put(2, 2, "old and old");
    search("OLD", "new");
    sheet->SetActiveCell(1, 2);
    ASSERT_TRUE(dialog->replaceNextMatch(false));
    EXPECT_EQ(value(2, 2), "new and old");
    expectSelection(2, 2, 1, 3);
    EXPECT_TRUE(sheet->GetBool(kOptionChanged));
    ASSERT_TRUE(dialog->replaceNextMatch(false));
    EXPECT_EQ(value(2, 2), "new and new");
    EXPECT_FALSE(dialog->replaceNextMatch(false));
    EXPECT_EQ(value(2, 2), "new and new") << "nothing found: the cell stays";
}

TEST_F(FindReplace, ReplaceAllCountsEachCellOnce) {
    put(1, 1, "abab");
    put(3, 2, "xAB");
    put(2, 3, "none");
    search("ab", "-");
    dialog->replaceAllMatches();
    EXPECT_EQ(value(1, 1), "--");
    EXPECT_EQ(value(3, 2), "x-");
    EXPECT_EQ(value(2, 3), "none");
    ASSERT_EQ(messageBoxes().size(), 1u);
    EXPECT_EQ(messageBoxes()[0].text, (dialString(1147) + " 2 " + dialString(1148)).str());
    EXPECT_EQ(messageBoxes()[0].caption, dialString(1149).str());
    EXPECT_TRUE(sheet->GetBool(kOptionChanged));
}

TEST_F(FindReplace, ReplaceAllEndsWhenTheReplacementHoldsTheText) {
    put(1, 1, "a");
    put(1, 2, "banana");
    search("a", "aa");
    win::act::click(dialog->m_hWnd, 1205);
    EXPECT_EQ(value(1, 1), "aa");
    EXPECT_EQ(value(1, 2), "baanaanaa");
    ASSERT_EQ(messageBoxes().size(), 1u);
    EXPECT_NE(messageBoxes()[0].text.find(" 2 "), std::string::npos);
}

TEST_F(FindReplace, AnEmptySearchTextFindsAndReplacesNothing) {
    put(1, 1, "text");
    search("", "x");
    EXPECT_FALSE(dialog->findNextMatch(false));
    dialog->replaceAllMatches();
    EXPECT_EQ(value(1, 1), "text");
    ASSERT_EQ(messageBoxes().size(), 1u);
    EXPECT_NE(messageBoxes()[0].text.find(" 0 "), std::string::npos);
}

TEST_F(FindReplace, TheDialogsButtonsAndKeysDriveTheSearch) {
    put(3, 3, "target");
    search("target", "goal");
    sheet->SetActiveCell(1, 1);
    win::act::click(dialog->m_hWnd, IDOK);
    EXPECT_TRUE(::IsWindow(dialog->m_hWnd)) << "the default button searches, it does not close";
    expectSelection(3, 3, 0, 6);
    sheet->SetActiveCell(1, 1);
    sheet->SetEditMode(FALSE);
    dialog->SetFocus();
    win::act::pressKey(dialog->m_hWnd, VK_F5);
    EXPECT_EQ(value(3, 3), "goal");
}

}  // namespace
