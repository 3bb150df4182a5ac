#include <gtest/gtest.h>

#include "grid/Sheet.h"

namespace grid {
namespace {

// B1 = 10, B2 = 20, B3 = 30, with formulas in column D that refer to them.
class Structure : public ::testing::Test {
protected:
    void SetUp() override {
        for (int r = 1; r <= 3; ++r) sheet.setNumber(2, r, r * 10);
        sheet.setFormula(4, 1, "=B1+B3");
        sheet.setFormula(4, 2, "=SUM(B1:B3)");
        sheet.setFormula(4, 3, "=$B$2*2");
        sheet.setFormula(4, 4, "=B2");
    }
    std::string f(int c, int r) { return sheet.formulaText(c, r); }
    double v(int c, int r) { return sheet.value(c, r).number; }
    Sheet sheet;
};

TEST_F(Structure, InsertedRowsPushReferencesAndRangesGrow) {
    sheet.insertRows(2, 2);  // B2, B3 move to B4, B5; D2.. move down by two
    EXPECT_EQ(f(4, 1), "=B1+B5");
    EXPECT_EQ(f(4, 4), "=SUM(B1:B5)");
    EXPECT_EQ(f(4, 5), "=$B$4*2");
    EXPECT_EQ(f(4, 6), "=B4");
    EXPECT_EQ(v(4, 4), 60);
    sheet.setNumber(2, 2, 5);  // inside the grown range
    EXPECT_EQ(v(4, 4), 65);
    EXPECT_EQ(v(4, 1), 40);
}

TEST_F(Structure, DeletedRowsShrinkRangesAndBreakSingleReferences) {
    sheet.deleteRows(2, 1);  // B2 goes; B3 becomes B2
    EXPECT_EQ(f(4, 1), "=B1+B2");
    EXPECT_EQ(f(4, 2), "=#REF!*2");
    EXPECT_EQ(sheet.value(4, 2).error, ErrorCode::Ref);
    EXPECT_EQ(f(4, 3), "=#REF!");
    EXPECT_EQ(sheet.value(4, 3).error, ErrorCode::Ref);
    EXPECT_EQ(v(4, 1), 40);
    // The SUM cell itself was on row 2 and is gone; a range losing every row is #REF!.
    sheet.setFormula(5, 1, "=SUM(B2:B2)");
    sheet.deleteRows(2, 1);
    EXPECT_EQ(sheet.value(5, 1).error, ErrorCode::Ref);
}

TEST_F(Structure, RangesLosingSomeRowsShrink) {
    sheet.setFormula(6, 9, "=SUM(B1:B3)");
    sheet.deleteRows(1, 2);
    EXPECT_EQ(f(6, 7), "=SUM(B1:B1)");
    EXPECT_EQ(v(6, 7), 30);
}

TEST_F(Structure, ColumnsBehaveLikeRows) {
    sheet.insertColumns(1, 1);  // B -> C, D -> E
    EXPECT_EQ(f(5, 1), "=C1+C3");
    EXPECT_EQ(f(5, 2), "=SUM(C1:C3)");
    EXPECT_EQ(f(5, 3), "=$C$2*2");
    EXPECT_EQ(v(5, 2), 60);
    sheet.deleteColumns(3, 1);  // the data column goes
    EXPECT_EQ(sheet.value(4, 1).error, ErrorCode::Ref);
    EXPECT_EQ(sheet.value(4, 2).error, ErrorCode::Ref);
}

TEST_F(Structure, CopyShiftsRelativeReferencesOnly) {
    sheet.copyRange(CellRect{4, 1, 4, 4}, 5, 2);  // one column right, one row down
    EXPECT_EQ(f(5, 2), "=C2+C4");
    EXPECT_EQ(f(5, 3), "=SUM(C2:C4)");
    EXPECT_EQ(f(5, 4), "=$B$2*2");
    EXPECT_EQ(v(5, 4), 40);
    // The source is untouched.
    EXPECT_EQ(f(4, 1), "=B1+B3");
    // Copied up past the first row, a relative reference leaves the sheet.
    sheet.copyRange(CellRect{4, 4, 4, 4}, 4, 1);  // =B2 two rows up names row 0
    EXPECT_EQ(f(4, 1), "=#REF!");
    sheet.copyRange(CellRect{4, 3, 4, 3}, 7, 1);
    EXPECT_EQ(f(7, 1), "=$B$2*2");
    sheet.setFormula(8, 5, "=A1");
    sheet.copyRange(CellRect{8, 5, 8, 5}, 8, 1);
    EXPECT_EQ(sheet.value(8, 1).error, ErrorCode::Ref);
}

TEST_F(Structure, CopyOfValuesAndOverlappingBlocks) {
    sheet.copyRange(CellRect{2, 1, 2, 3}, 2, 2);  // overlapping downwards
    EXPECT_EQ(v(2, 1), 10);
    EXPECT_EQ(v(2, 2), 10);
    EXPECT_EQ(v(2, 3), 20);
    EXPECT_EQ(v(2, 4), 30);
    EXPECT_EQ(v(4, 2), 40);  // dependents recalculated
}

TEST_F(Structure, MovedCellsAreFollowedByTheirReferences) {
    sheet.moveRange(CellRect{2, 1, 2, 3}, 6, 11);  // B1:B3 -> F11:F13
    EXPECT_EQ(f(4, 1), "=F11+F13");
    EXPECT_EQ(f(4, 2), "=SUM(F11:F13)");
    EXPECT_EQ(f(4, 3), "=$F$12*2");
    EXPECT_EQ(v(4, 2), 60);
    EXPECT_EQ(sheet.value(2, 1).kind, ValueKind::Empty);
    // A moved formula keeps pointing at the cells it named.
    sheet.moveRange(CellRect{4, 1, 4, 1}, 1, 20);
    EXPECT_EQ(f(1, 20), "=F11+F13");
    EXPECT_EQ(v(1, 20), 40);
    EXPECT_FALSE(sheet.hasFormula(4, 1));
}

TEST_F(Structure, HeaderBandStaysInPlace) {
    sheet.setText(0, 2, "second");
    sheet.setText(2, 0, "B header");
    sheet.insertRows(1, 1);
    EXPECT_EQ(sheet.value(0, 3).text, "second");
    EXPECT_EQ(sheet.value(2, 0).text, "B header");
    sheet.insertColumns(1, 1);
    EXPECT_EQ(sheet.value(3, 0).text, "B header");
}

}  // namespace
}  // namespace grid

namespace grid {
namespace {

TEST(StructureLimits, CopyingAHugeMostlyEmptyBlockCostsOnlyItsCells) {
    Sheet s;
    s.setNumber(1, 1, 5);
    s.setFormula(2, 1, "=A1*2");
    s.setNumber(3, 40, 9);  // inside the target: cleared by the copy
    s.copyRange(CellRect{1, 1, 100, kMaxRows / 2}, 2, 30);
    EXPECT_EQ(s.value(2, 30).number, 5);
    EXPECT_EQ(s.formulaText(3, 30), "=B30*2");
    EXPECT_EQ(s.value(3, 30).number, 10);
    EXPECT_TRUE(s.value(3, 40).isEmpty());
    EXPECT_EQ(s.value(3, 1).kind, ValueKind::Empty);
}

}  // namespace
}  // namespace grid
