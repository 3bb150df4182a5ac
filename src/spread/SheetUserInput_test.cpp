// The sheet's own commands meeting the grid's user input: the context menu on the cell that
// was right-clicked, the current row after moves and clicks, a freshly opened sheet, and
// header cells carried by row and column copies.
#include "grid/GridUserSteps.h"
#include "spread/SheetTestSupport.h"

namespace {

class SheetInput : public spread_testing::SheetTest {
protected:
    void fillRows(int rows) {
        for (int r = 1; r <= rows; ++r) put(1, r, ("row " + std::to_string(r)).c_str());
    }
    std::vector<std::string> column1() {
        std::vector<std::string> out;
        for (int r = 1; r <= sheet->getMaxRows(); ++r) out.push_back(value(1, r));
        return out;
    }
};

TEST_F(SheetInput, TheContextMenuActsOnTheRightClickedCell) {
    attach(2, 4);
    fillRows(4);
    sheet->setContextMenuEntries(AcArray<int>{5});  // delete row
    win::user::chooseMenuItem(32811);
    ASSERT_TRUE(grid::act::rightClickCell(host->m_hWnd, spread_testing::kPlaceholder, 2, 3));
    EXPECT_EQ(column1(), (std::vector<std::string>{"row 1", "row 2", "row 4"}));
    EXPECT_TRUE(win::user::failures().empty());
}

TEST_F(SheetInput, AClickAfterMovingRowsMakesTheClickedRowCurrent) {
    attach(2, 4);
    fillRows(4);
    ASSERT_TRUE(sheet->moveRows(1, 1, 2));
    EXPECT_EQ(sheet->getCurrentRow(), 2);
    ASSERT_TRUE(grid::act::clickCell(host->m_hWnd, spread_testing::kPlaceholder, 1, 4));
    EXPECT_EQ(sheet->getCurrentRow(), 4);
    // The program setting the active cell drops the moved row's block as well.
    sheet->SetActiveCell(1, 3);
    ASSERT_TRUE(sheet->deleteCurrentRow());
    EXPECT_EQ(column1(), (std::vector<std::string>{"row 2", "row 1", "row 4"}));
}

TEST_F(SheetInput, AFreshSheetIsOnItsFirstCell) {
    attach(2, 0);
    int col = 0, row = 0;
    ASSERT_TRUE(sheet->GetActiveCell(&col, &row));
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(sheet->getCurrentRow(), 1);
}

TEST_F(SheetInput, RowAndColumnCopiesCarryTheHeaderCell) {
    attach(3, 3);
    sheet->SetData(SS_HEADER, 1, "first");
    sheet->SetData(2, SS_HEADER, "Grade");
    put(1, 1, "a");
    ASSERT_TRUE(sheet->copyRow(1, 3));
    EXPECT_EQ(value(SS_HEADER, 3), "first");
    EXPECT_EQ(value(1, 3), "a");
    ASSERT_TRUE(sheet->copyColumn(2, 3));
    EXPECT_EQ(value(3, SS_HEADER), "Grade");
}

TEST_F(SheetInput, ACheckTickedByTheUserFollowsTheLockLink) {
    attach(3, 2);
    ASSERT_TRUE(sheet->setCheckBoxColumn(1, false, false));
    sheet->setCheck(1, 1, false);
    sheet->setCheck(1, 2, false);
    ASSERT_TRUE(sheet->linkLockToChecks(1, 3));
    EXPECT_TRUE(sheet->isCellLocked(3, 2));
    ASSERT_TRUE(grid::act::tickCell(host->m_hWnd, spread_testing::kPlaceholder, 1, 2, 1));
    EXPECT_EQ(value(1, 2), "1");
    EXPECT_FALSE(sheet->isCellLocked(3, 2)) << "the check's command reached the sheet";
    int col = 0, row = 0;
    sheet->getActiveCell(col, row);
    EXPECT_EQ(col, 3) << "the active cell moves on to the unlocked cell";
    EXPECT_EQ(row, 2);
}

}  // namespace
