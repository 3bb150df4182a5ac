#include "spread/SheetTestSupport.h"

namespace {

class SheetTab : public spread_testing::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        attach(3, 2);
        // Locked: (1, 1) and (3, 2); so (2, 1) is the first free cell and (2, 2) the last.
        sheet->setCellLocked(1, 1, true);
        sheet->setCellLocked(3, 2, true);
        sheet->SetFocus();
    }
    void pressTab(int col, int row, bool shift) {
        sheet->SetActiveCell(col, row);
        win::act::pressKey(host->m_hWnd, VK_TAB, win::KeyModifiers{shift, false});
    }
};

TEST_F(SheetTab, ShiftTabOnTheFirstFreeCellLeavesBackwards) {
    pressTab(2, 1, true);
    EXPECT_TRUE(host->lastTabHandled);
    EXPECT_EQ(host->lastExitDirection, 3);
}

TEST_F(SheetTab, TabOnTheLastFreeCellLeavesForwards) {
    pressTab(2, 2, false);
    EXPECT_TRUE(host->lastTabHandled);
    EXPECT_EQ(host->lastExitDirection, 2);
}

TEST_F(SheetTab, AnyOtherCellStaysInTheGrid) {
    pressTab(3, 1, false);
    EXPECT_TRUE(host->lastTabHandled);
    EXPECT_EQ(host->lastExitDirection, 0);
    pressTab(2, 2, true);
    EXPECT_EQ(host->lastExitDirection, 0) << "backwards only the first cell leaves";
    pressTab(2, 1, false);
    EXPECT_EQ(host->lastExitDirection, 0);
}

TEST_F(SheetTab, OnlyTheTabKeyOnAFocusedGridIsHandled) {
    int direction = -1;
    EXPECT_FALSE(sheet->handleTabKey(VK_RETURN, direction));
    EXPECT_EQ(direction, 1);
    host->GetDlgItem(1300)->SetFocus();
    EXPECT_FALSE(sheet->hasGridFocus());
    direction = -1;
    EXPECT_FALSE(sheet->handleTabKey(VK_TAB, direction));
    EXPECT_EQ(direction, 1);
    sheet->SetFocus();
    EXPECT_TRUE(sheet->hasGridFocus());
    sheet->ShowWindow(SW_HIDE);
    EXPECT_FALSE(sheet->handleTabKey(VK_TAB, direction));
}

TEST_F(SheetTab, SpansWithALockedAnchorAreNoFreeCells) {
    sheet->AddCellSpan(1, 1, 2, 1);  // (2, 1) is now covered by the locked (1, 1)
    int col = 0, row = 0;
    ASSERT_TRUE(sheet->findFirstUnlockedCell(col, row));
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 1);
    sheet->setCellLocked(3, 2, false);
    sheet->AddCellSpan(2, 2, 2, 1);  // the last free cell lies in a span anchored at (2, 2)
    ASSERT_TRUE(sheet->findLastUnlockedCell(col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
}

TEST_F(SheetTab, ActivatingTheFirstOrLastFreeCell) {
    host->GetDlgItem(1300)->SetFocus();
    ASSERT_TRUE(sheet->activateFirstOrLastUnlocked(false));
    EXPECT_TRUE(sheet->hasGridFocus());
    int col = 0, row = 0;
    sheet->getActiveCell(col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
    ASSERT_TRUE(sheet->activateFirstOrLastUnlocked(true));
    sheet->getActiveCell(col, row);
    EXPECT_EQ(row, 1);
    sheet->LockRange(1, 1, 3, 2, TRUE);
    EXPECT_FALSE(sheet->activateFirstOrLastUnlocked(true)) << "nothing free";
}

}  // namespace
