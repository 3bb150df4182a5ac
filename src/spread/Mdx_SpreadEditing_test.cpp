#include "grid/CellType.h"
#include "resources/spread_ids.h"
#include "spread/SheetTestSupport.h"

namespace {

using win::user::click;
using win::user::typeText;

class SheetEditing : public spread_testing::SheetTest {
protected:
    bool spanOf(int col, int row, int& anchorRow, int& rows) {
        int anchorCol = 0, cols = 0;
        return sheet->GetCellSpan(col, row, &anchorCol, &anchorRow, &cols, &rows) != FALSE;
    }
};

TEST_F(SheetEditing, InsertingARowShiftsTheRowsAndCopiesTheOneBelow) {
    attach(2, 2);
    put(1, 1, "first");
    put(1, 2, "second");
    ASSERT_TRUE(sheet->insertRowAt(1, false, true));
    EXPECT_EQ(sheet->getMaxRows(), 3);
    EXPECT_EQ(value(1, 2), "first");
    EXPECT_EQ(value(1, 3), "second");
    EXPECT_EQ(value(1, 1), "first") << "the row below is copied into the new one";
    EXPECT_TRUE(sheet->GetBool(kOptionChanged));
}

TEST_F(SheetEditing, InsertingFarBeyondTheEndDoesNothing) {
    attach(2, 2);
    sheet->SetBool(kOptionChanged, FALSE);
    EXPECT_FALSE(sheet->insertRowAt(4, false, false));
    EXPECT_EQ(sheet->getMaxRows(), 2);
    EXPECT_FALSE(sheet->GetBool(kOptionChanged));
    EXPECT_TRUE(sheet->insertRowAt(3, false, true)) << "right after the last row is fine";
    EXPECT_EQ(sheet->getMaxRows(), 3);
}

TEST_F(SheetEditing, AskedHeaderTextNamesTheNewRow) {
    attach(2, 1);
    typeText(IDC_VALUE_EDIT, "Extra", {IDD_VALUE_INPUT, ""});
    click(IDOK, {IDD_VALUE_INPUT, ""});
    ASSERT_TRUE(sheet->insertRowAt(1, true, false));
    EXPECT_EQ(value(SS_HEADER, 1), "Extra");
    EXPECT_TRUE(win::user::failures().empty());
}

TEST_F(SheetEditing, CancelledHeaderQuestionStillInsertsWithTheOfferedText) {
    attach(2, 1);
    click(IDCANCEL, {IDD_VALUE_INPUT, ""});
    ASSERT_TRUE(sheet->insertColAt(2, true, false));
    EXPECT_EQ(sheet->getMaxCols(), 3);
    EXPECT_EQ(value(2, SS_HEADER), "New");
}

TEST_F(SheetEditing, AppendingGivesTheNewRowNumber) {
    attach(2, 2);
    put(2, 2, "template");
    EXPECT_EQ(sheet->appendRow(true), 3);
    EXPECT_EQ(value(2, 3), "template");
    EXPECT_EQ(sheet->appendRow(false), 4);
    EXPECT_EQ(value(2, 4), "");
}

TEST_F(SheetEditing, DeletingTheOnlyRowLeavesNoRows) {
    attach(2, 1);
    put(1, 1, "only");
    sheet->SetActiveCell(1, 1);
    ASSERT_TRUE(sheet->deleteCurrentRow());
    EXPECT_EQ(sheet->getMaxRows(), 0);
    EXPECT_FALSE(sheet->deleteRowAt(1)) << "nothing left to delete";
    EXPECT_EQ(sheet->getMaxRows(), 0);
}

TEST_F(SheetEditing, MovingARowDownSwapsItWithTheNextAndLosesNothing) {
    attach(2, 3);
    put(1, 1, "a");
    put(1, 2, "b");
    put(1, 3, "c");
    put(2, 2, "b2");
    sheet->SetActiveCell(2, 2);
    ASSERT_TRUE(sheet->moveCurrentRowDown());
    EXPECT_EQ(value(1, 1), "a");
    EXPECT_EQ(value(1, 2), "c");
    EXPECT_EQ(value(1, 3), "b");
    EXPECT_EQ(value(2, 3), "b2");
    EXPECT_EQ(sheet->getMaxRows(), 3);
    EXPECT_EQ(sheet->getCurrentRow(), 3) << "the moved row stays selected";
    EXPECT_EQ(sheet->getCurrentCol(), 2);
    ASSERT_TRUE(sheet->moveCurrentRowUp());
    ASSERT_TRUE(sheet->moveCurrentRowUp());
    EXPECT_EQ(value(1, 1), "b");
    EXPECT_EQ(value(1, 2), "a");
    EXPECT_EQ(value(1, 3), "c");
    EXPECT_FALSE(sheet->moveCurrentRowUp()) << "the first row has nowhere to go";
}

TEST_F(SheetEditing, MovingABlockOfRows) {
    attach(1, 5);
    for (int row = 1; row <= 5; ++row) put(1, row, std::to_string(row).c_str());
    ASSERT_TRUE(sheet->moveRows(1, 2, 4));
    EXPECT_EQ(value(1, 1), "3");
    EXPECT_EQ(value(1, 3), "5");
    EXPECT_EQ(value(1, 4), "1");
    EXPECT_EQ(value(1, 5), "2");
    EXPECT_FALSE(sheet->moveRows(1, 2, 5)) << "the block would leave the sheet";
}

TEST_F(SheetEditing, EqualNeighboursMergeButEmptyCellsNever) {
    attach(1, 7);
    put(1, 1, "A");
    put(1, 2, "A");
    put(1, 5, "B");
    put(1, 6, "B");
    put(1, 7, "B");
    ASSERT_TRUE(sheet->mergeEqualCellsInColumn(1));
    int anchor = 0, rows = 0;
    ASSERT_TRUE(spanOf(1, 2, anchor, rows));
    EXPECT_EQ(anchor, 1);
    EXPECT_EQ(rows, 2);
    EXPECT_FALSE(spanOf(1, 3, anchor, rows));
    EXPECT_FALSE(spanOf(1, 4, anchor, rows));
    ASSERT_TRUE(spanOf(1, 7, anchor, rows));
    EXPECT_EQ(anchor, 5);
    EXPECT_EQ(rows, 3);

    // Merging again starts from scratch: changed cells split the old runs.
    put(1, 6, "C");
    ASSERT_TRUE(sheet->mergeEqualCellsInColumn(1));
    EXPECT_FALSE(spanOf(1, 5, anchor, rows));
    EXPECT_FALSE(spanOf(1, 7, anchor, rows));
    EXPECT_TRUE(spanOf(1, 1, anchor, rows));
    EXPECT_FALSE(sheet->mergeEqualCellsInColumn(2));
    EXPECT_FALSE(sheet->mergeEqualCellsInColumn(-1));
    ASSERT_TRUE(sheet->removeAllSpans());
    EXPECT_FALSE(spanOf(1, 1, anchor, rows));
}

TEST_F(SheetEditing, LockLinkFollowsTheCheckColumn) {
    attach(5, 3);
    put(2, 1, "1");
    put(2, 2, "0");
    put(2, 3, "maybe");
    sheet->setCellLocked(5, 1, true);
    sheet->setCellLocked(5, 3, true);
    ASSERT_TRUE(sheet->linkLockToChecks(2, 5));
    EXPECT_FALSE(sheet->isCellLocked(5, 1));
    EXPECT_TRUE(sheet->isCellLocked(5, 2));
    EXPECT_TRUE(sheet->isCellLocked(5, 3)) << "other texts leave the lock";
    sheet->setCellLocked(5, 3, false);
    ASSERT_TRUE(sheet->linkLockToChecks(2, 5));
    EXPECT_FALSE(sheet->isCellLocked(5, 3));

    EXPECT_FALSE(sheet->linkLockToChecks(0, 5));
    EXPECT_FALSE(sheet->linkLockToChecks(2, 6));
}

TEST_F(SheetEditing, CheckNotificationsReapplyTheLinkOnTheActiveRow) {
    attach(5, 2);
    put(2, 1, "1");
    ASSERT_TRUE(sheet->linkLockToChecks(2, 5));
    ASSERT_FALSE(sheet->isCellLocked(5, 1));
    put(2, 1, "0");
    sheet->SetActiveCell(2, 1);
    SendMessage(sheetWindow(), WM_COMMAND, MAKEWPARAM(1196, 59), 0);
    EXPECT_TRUE(sheet->isCellLocked(5, 1));
    int col = 0, row = 0;
    sheet->getActiveCell(col, row);
    EXPECT_EQ(col, 5) << "the active cell moves to the target";
    put(2, 1, "1");
    SendMessage(sheetWindow(), WM_COMMAND, MAKEWPARAM(1196, 60), 0);
    EXPECT_TRUE(sheet->isCellLocked(5, 1)) << "the active cell is no longer in the check column";
    sheet->SetActiveCell(2, 1);
    SendMessage(sheetWindow(), WM_COMMAND, MAKEWPARAM(1196, 61), 0);
    EXPECT_TRUE(sheet->isCellLocked(5, 1)) << "other notifications change nothing";
}

TEST_F(SheetEditing, ChecksInSelectionTouchOnlyCheckBoxes) {
    attach(3, 3);
    ASSERT_TRUE(sheet->setCheckBoxColumn(1, false, false));
    put(2, 2, "text");
    ASSERT_TRUE(sheet->selectRange(1, 1, 2, 3));
    ASSERT_TRUE(sheet->setChecksInSelection(true));
    EXPECT_EQ(value(1, 1), "1");
    EXPECT_EQ(value(1, 3), "1");
    EXPECT_EQ(value(2, 2), "text");
    EXPECT_EQ(value(2, 1), "");
    ASSERT_TRUE(sheet->selectRange(1, 2, 1, 2));
    ASSERT_TRUE(sheet->setChecksInSelection(false));
    EXPECT_EQ(value(1, 2), "0");
    EXPECT_EQ(value(1, 1), "1");
}

TEST_F(SheetEditing, ListRowsAreAddedBelowAndRemovedAtTheActiveCell) {
    attach(2, 2);
    put(1, 1, "one");
    put(1, 2, "two");
    sheet->SetActiveCell(2, 1);
    addRowAfterActive(sheet.get());
    EXPECT_EQ(sheet->getMaxRows(), 3);
    EXPECT_EQ(value(1, 2), "");
    EXPECT_EQ(value(1, 3), "two");
    int col = 0, row = 0;
    sheet->getActiveCell(col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);

    sheet->SetActiveCell(1, 3);
    deleteActiveRow(sheet.get());
    EXPECT_EQ(sheet->getMaxRows(), 2);
    sheet->getActiveCell(col, row);
    EXPECT_EQ(row, 2) << "the last row is active after deleting the row after it";
    int start = 0, end = 0;
    ASSERT_TRUE(sheet->getEditSelection(start, end));
    EXPECT_EQ(start, 0);

    addRowAfterActive(nullptr);
    deleteActiveRow(nullptr);
}

TEST_F(SheetEditing, ListRowsOnAnEmptySheet) {
    attach(2, 0);
    deleteActiveRow(sheet.get());
    EXPECT_EQ(sheet->getMaxRows(), 0);
    addRowAfterActive(sheet.get());
    EXPECT_EQ(sheet->getMaxRows(), 1);
    int col = 0, row = 0;
    sheet->getActiveCell(col, row);
    EXPECT_EQ(row, 1);
}

}  // namespace
