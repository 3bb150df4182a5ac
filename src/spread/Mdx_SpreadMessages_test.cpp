#include "core/Texts.h"
#include "grid/CellType.h"
#include "spread/FindReplaceDialog.h"
#include "spread/SheetTestSupport.h"
#include "win/CMenu.h"

namespace {

class SheetMenu : public spread_testing::SheetTest {
protected:
    void rightClick() { SendMessage(sheetWindow(), WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10)); }
};

TEST_F(SheetMenu, ItemsAreNumberedWithoutTheSeparators) {
    attach(2, 2);
    sheet->setContextMenuEntries(AcArray<int>{2, 1, 4, 1, 1, 8, 9});
    win::user::dismissMenu();
    rightClick();
    ASSERT_EQ(win::user::menus().size(), 1u);
    const auto& entries = win::user::menus()[0].entries;
    ASSERT_EQ(entries.size(), 7u);
    const UINT_PTR ids[] = {32811, 0, 32812, 0, 0, 32816, 32817};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const bool separator = (entries[i].flags & MF_SEPARATOR) != 0;
        EXPECT_EQ(separator, ids[i] == 0) << i;
        if (!separator) {
            EXPECT_EQ(entries[i].id, ids[i]) << i;
        }
    }
    EXPECT_EQ(entries[2].text, dialString(774).str());
    EXPECT_EQ(entries[6].text, dialString(1401).str());
}

TEST_F(SheetMenu, AChosenEntryRunsItsOwnCommand) {
    attach(2, 3);
    ASSERT_TRUE(sheet->setCheckBoxColumn(1, false, false));
    sheet->setContextMenuEntries(AcArray<int>{1, 5, 1, 8});
    sheet->SetActiveCell(1, 2);
    win::user::chooseMenuItem(32812);  // the second item: check all
    rightClick();
    EXPECT_EQ(value(1, 2), "1");
    EXPECT_EQ(sheet->getMaxRows(), 3) << "the first item, delete row, did not run";
    sheet->runContextCommand(0);
    EXPECT_EQ(sheet->getMaxRows(), 2);
    sheet->runContextCommand(2);  // outside the list
    sheet->runContextCommand(-1);
    EXPECT_EQ(sheet->getMaxRows(), 2);
    EXPECT_TRUE(win::user::failures().empty());
}

TEST_F(SheetMenu, NoMenuWithoutEntries) {
    attach(2, 2);
    rightClick();
    sheet->setContextMenuEntries(AcArray<int>{});
    rightClick();
    EXPECT_TRUE(win::user::menus().empty());
}

TEST_F(SheetMenu, InsertColumnAsksForItsHeader) {
    attach(2, 2);
    sheet->setContextMenuEntries(AcArray<int>{6, 7});
    sheet->SetActiveCell(2, 1);
    win::user::typeText(8003, "Added", {8069, ""});
    win::user::click(IDOK, {8069, ""});
    sheet->runContextCommand(0);
    EXPECT_EQ(sheet->getMaxCols(), 3);
    EXPECT_EQ(value(2, SS_HEADER), "Added");
    sheet->runContextCommand(1);
    EXPECT_EQ(sheet->getMaxCols(), 2);
}

class SheetKeys : public spread_testing::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        attach(3, 3);
        sheet->SetFocus();
    }
    void press(int key) { win::act::pressKey(host->m_hWnd, key); }
};

TEST_F(SheetKeys, F8TogglesOptionThirteenUnlessSwitchedOff) {
    const BOOL before = sheet->GetBool(13);
    press(VK_F8);
    EXPECT_NE(sheet->GetBool(13), before);
    press(VK_F8);
    EXPECT_EQ(sheet->GetBool(13), before);
    sheet->setF8Toggle(false);
    press(VK_F8);
    EXPECT_EQ(sheet->GetBool(13), before);
}

TEST_F(SheetKeys, FirstFindKeyOnlyOpensTheDialog) {
    put(2, 2, "needle");
    EXPECT_EQ(sheet->findReplaceDialog(), nullptr);
    press(VK_F3);
    FindReplaceDialog* dialog = sheet->findReplaceDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->IsWindowVisible());
    EXPECT_EQ(dialog->sheetWindow(), sheetWindow());
    EXPECT_FALSE(sheet->isEditing()) << "nothing was searched";

    win::act::typeText(dialog->m_hWnd, 1207, "needle");
    sheet->SetFocus();
    press(VK_F3);
    int col = 0, row = 0;
    sheet->getActiveCell(col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
    EXPECT_TRUE(sheet->isEditing());
    EXPECT_EQ(sheet->findReplaceDialog(), dialog) << "the same dialog stays open";
}

TEST_F(SheetKeys, ClosingTheDialogLetsTheNextKeyOpenANewOne) {
    press(VK_F5);
    FindReplaceDialog* dialog = sheet->findReplaceDialog();
    ASSERT_NE(dialog, nullptr);
    win::act::click(dialog->m_hWnd, IDCANCEL);
    EXPECT_EQ(sheet->findReplaceDialog(), nullptr);
    sheet->SetFocus();
    press(VK_F5);
    EXPECT_NE(sheet->findReplaceDialog(), nullptr);
    EXPECT_TRUE(win::user::failures().empty());
}

}  // namespace
