#include "grid/SpreadModel.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

class Model : public ::testing::Test {
protected:
    void SetUp() override {
        m.setMaxColumns(5);
        m.setMaxRows(6);
    }
    std::string data(int c, int r) {
        std::string t;
        m.text(c, r, TextKind::Data, t);
        return t;
    }
    SpreadModel m;
};

TEST_F(Model, CellsOutsideTheSizeAreRefusedAndTheHeaderIndexIsRowZero) {
    EXPECT_TRUE(m.isCell(5, 6));
    EXPECT_FALSE(m.isCell(6, 1));
    EXPECT_FALSE(m.isCell(1, 7));
    EXPECT_FALSE(m.isCell(-1, 1));
    EXPECT_TRUE(m.isCell(kHeaderIndex, kHeaderIndex));
    EXPECT_FALSE(m.setData(6, 1, "x"));
    EXPECT_FALSE(m.setFormula(0, 1, "=1", true));  // no formulas in the header band
    std::string t;
    EXPECT_FALSE(m.text(1, 7, TextKind::Data, t));
    // Growing the sheet again shows what was written before it shrank.
    m.setData(5, 6, "corner");
    m.setMaxRows(2);
    EXPECT_FALSE(m.text(5, 6, TextKind::Data, t));
    m.setMaxRows(6);
    EXPECT_EQ(data(5, 6), "corner");
}

TEST_F(Model, RangesClipToTheSheetAndMinusOneMeansAll) {
    ASSERT_TRUE(m.setLock(-1, 2, -1, 2, true));  // all of row 2, header column included
    EXPECT_TRUE(m.isLocked(0, 2));
    EXPECT_TRUE(m.isLocked(5, 2));
    EXPECT_FALSE(m.isLocked(1, 3));
    ASSERT_TRUE(m.setColors(4, 5, 99, 99, 1, 2));  // clipped, not refused
    std::uint32_t back, fore;
    ASSERT_TRUE(m.colors(5, 6, back, fore));
    EXPECT_EQ(back, 1u);
    EXPECT_FALSE(m.setColors(9, 9, 12, 12, 1, 2));  // nothing of it inside
    // Corners in either order.
    ASSERT_TRUE(m.setBorder(3, 3, 2, 2, BorderSpec{1, 2, 3}));
    EXPECT_EQ(m.border(2, 3).style, 2);
}

TEST_F(Model, TypesAndFontsAreSharedNotCopiedPerCell) {
    CellType number = makeNumberType(0, 2, 0, 10, false);
    m.setType(1, 1, 5, 6, number);
    m.setType(2, 2, 2, 2, number);
    EXPECT_EQ(m.types().size(), 2u);  // the general type and this one
    FontSpec f;
    f.weight = 700;
    m.setFont(1, 1, 5, 6, f);
    m.setFont(3, 3, 3, 3, f);
    EXPECT_EQ(m.fonts().size(), 2u);
    EXPECT_EQ(m.font(3, 3).weight, 700);
    EXPECT_EQ(m.font(0, 0).weight, 400);
}

TEST_F(Model, SpansReplaceWhatTheyOverlapAndAreFoundFromAnyCell) {
    ASSERT_TRUE(m.addSpan(1, 1, 2, 2));
    Span s;
    ASSERT_TRUE(m.spanAt(2, 2, s));
    EXPECT_EQ(s.column, 1);
    EXPECT_FALSE(m.spanAt(3, 1, s));
    ASSERT_TRUE(m.addSpan(2, 2, 3, 1));  // overlaps the first: it goes
    EXPECT_FALSE(m.spanAt(1, 1, s));
    ASSERT_TRUE(m.spanAt(4, 2, s));
    EXPECT_FALSE(m.addSpan(1, 1, 1, 1));
    EXPECT_FALSE(m.addSpan(1, 1, 0, 3));
    EXPECT_FALSE(m.removeSpan(3, 2));  // not an anchor
    EXPECT_TRUE(m.removeSpan(2, 2));
    EXPECT_TRUE(m.spans().empty());
}

TEST_F(Model, StructureChangesTakeFormatsSpansAndSizesAlong) {
    m.setData(1, 3, "row three");
    m.setTag(1, 3, "tag3");
    m.setLock(2, 3, 2, 3, true);
    m.addSpan(1, 4, 2, 1);
    m.setRowHeight(3, 33);
    m.setFormula(3, 1, "=LEN(A3)", true);
    ASSERT_TRUE(m.insertRows(2, 1));
    EXPECT_EQ(data(1, 4), "row three");
    EXPECT_EQ(m.tag(1, 4), "tag3");
    EXPECT_TRUE(m.isLocked(2, 4));
    EXPECT_FALSE(m.isLocked(2, 3));
    Span s;
    ASSERT_TRUE(m.spanAt(2, 5, s));
    EXPECT_EQ(m.rowHeight(4), 33);
    EXPECT_EQ(m.rowHeight(3), kDefaultRowHeight);
    EXPECT_EQ(data(3, 1), "9");
    std::string f;
    m.text(3, 1, TextKind::Formula, f);
    EXPECT_EQ(f, "=LEN(A4)");
    ASSERT_TRUE(m.deleteRows(4, 1));
    EXPECT_EQ(m.tag(1, 4), "");
    EXPECT_FALSE(m.isLocked(2, 4));
    ASSERT_TRUE(m.spanAt(1, 4, s));  // the span moved up into row 4
    EXPECT_EQ(data(3, 1), "#REF!");
    EXPECT_FALSE(m.insertRows(7, 1));
    EXPECT_FALSE(m.deleteColumns(0, 1));
}

TEST_F(Model, ASpanGrowsWhenRowsAreInsertedInsideIt) {
    m.addSpan(1, 2, 1, 3);  // rows 2..4
    ASSERT_TRUE(m.insertRows(3, 1));
    Span s;
    ASSERT_TRUE(m.spanAt(1, 5, s));
    EXPECT_EQ(s.rows, 4);
    ASSERT_TRUE(m.deleteRows(2, 3));
    ASSERT_FALSE(m.spanAt(1, 2, s));  // one row left: no span any more
}

TEST_F(Model, CopyAndMoveCarryFormats) {
    m.setType(1, 1, 1, 1, makeCheckBoxType(0x300, ""));
    m.setData(1, 1, "1");
    m.setTag(1, 1, "src");
    ASSERT_TRUE(m.copyRange(1, 1, 1, 1, 3, 3));
    EXPECT_EQ(m.typeCode(3, 3), kTypeCheckBox);
    EXPECT_EQ(m.tag(3, 3), "src");
    EXPECT_EQ(data(3, 3), "1");
    ASSERT_TRUE(m.moveRange(1, 1, 1, 1, 5, 6));
    EXPECT_EQ(m.typeCode(1, 1), kTypeGeneral);
    EXPECT_EQ(m.typeCode(5, 6), kTypeCheckBox);
    EXPECT_EQ(m.tag(1, 1), "");
    EXPECT_EQ(data(5, 6), "1");
    EXPECT_FALSE(m.moveRange(1, 1, 2, 2, 0, 1));
}

TEST_F(Model, EveryChangeSetsTheChangedOption) {
    m.setOption(kOptionChanged, false);
    m.setData(1, 1, "x");
    EXPECT_TRUE(m.option(kOptionChanged));
    m.setOption(kOptionChanged, false);
    m.setType(1, 1, 1, 1, makeEditType(0, 10));
    EXPECT_TRUE(m.option(kOptionChanged));
    m.setOption(kOptionChanged, false);
    std::string t;
    m.text(1, 1, TextKind::Data, t);  // reading changes nothing
    EXPECT_FALSE(m.option(kOptionChanged));
}

TEST_F(Model, OptionSevenSwitchesAutomaticCalculation) {
    m.setData(1, 1, "2");
    m.setFormula(2, 1, "=A1*2", true);
    m.setOption(kOptionAutoCalc, false);
    m.setData(1, 1, "5");
    EXPECT_EQ(data(2, 1), "4");
    m.setOption(kOptionAutoCalc, true);
    EXPECT_EQ(data(2, 1), "10");
}

TEST_F(Model, ResetKeepsCustomFunctionsOnly) {
    m.sheet().addCustomFunction("ONE", 0, 0, [](void*, CustomCall& call) {
        call.result.setNumber(1);
        return true;
    }, nullptr, 0);
    m.setData(1, 1, "x");
    m.reset();
    EXPECT_EQ(m.maxRows(), 0);
    m.setMaxRows(1);
    m.setMaxColumns(1);
    EXPECT_EQ(data(1, 1), "");
    ASSERT_TRUE(m.setFormula(1, 1, "=ONE()+1", true));
    EXPECT_EQ(data(1, 1), "2");
}

TEST_F(Model, PasteNeedsACopyFirst) {
    EXPECT_FALSE(m.pasteAtActiveCell());
    m.selection().activeColumn = 0;  // no block and no active cell
    EXPECT_FALSE(m.copySelection());
    m.selection().activeColumn = 1;
    m.selection().activeRow = 1;
    m.setData(1, 1, "v");
    ASSERT_TRUE(m.copySelection());
    m.selection().activeRow = 5;
    ASSERT_TRUE(m.pasteAtActiveCell());
    EXPECT_EQ(data(1, 5), "v");
}

}  // namespace
}  // namespace grid

namespace grid {
namespace {

TEST(ModelCopy, ABlockStartingInTheHeaderBandCarriesItsHeaderCells) {
    SpreadModel m;
    m.setMaxColumns(3);
    m.setMaxRows(4);
    m.setData(0, 2, "Row two");
    m.setData(1, 2, "a");
    m.setData(3, 2, "c");
    m.setColors(0, 2, 0, 2, 0x112233, kNoColor);
    ASSERT_TRUE(m.copyRange(kHeaderIndex, 2, 3, 2, kHeaderIndex, 4));
    std::string t;
    m.text(0, 4, TextKind::Data, t);
    EXPECT_EQ(t, "Row two");
    m.text(3, 4, TextKind::Data, t);
    EXPECT_EQ(t, "c");
    std::uint32_t back = 0, fore = 0;
    m.colors(0, 4, back, fore);
    EXPECT_EQ(back, 0x112233u);

    // A column: its header cell to the target column's header.
    m.setData(2, 0, "Grade");
    m.setData(2, 3, "8.8");
    ASSERT_TRUE(m.copyRange(2, kHeaderIndex, 2, 4, 1, kHeaderIndex));
    m.text(1, 0, TextKind::Data, t);
    EXPECT_EQ(t, "Grade");
    m.text(1, 3, TextKind::Data, t);
    EXPECT_EQ(t, "8.8");

    // A header band may only land on the header band.
    EXPECT_FALSE(m.copyRange(kHeaderIndex, 2, 3, 2, 1, 4));
    EXPECT_FALSE(m.copyRange(1, 2, 3, 2, kHeaderIndex, 4));
}

}  // namespace
}  // namespace grid
