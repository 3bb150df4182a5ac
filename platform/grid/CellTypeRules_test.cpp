#include "grid/CellTypeRules.h"

#include <gtest/gtest.h>

#include "grid/SpreadModel.h"

namespace grid {
namespace {

class TypeRules : public ::testing::Test {
protected:
    void SetUp() override {
        model.setMaxColumns(5);
        model.setMaxRows(5);
    }
    std::string read(TextKind kind, int c = 1, int r = 1) {
        std::string t;
        model.text(c, r, kind, t);
        return t;
    }
    SpreadModel model;
};

TEST_F(TypeRules, NumberCellsShowAndReadTheirDecimals) {
    model.setType(1, 1, 1, 1, makeNumberType(0x10100000, 7, -99999999999999, 99999999999999, false));
    ASSERT_TRUE(model.setData(1, 1, "3.25"));
    EXPECT_EQ(read(TextKind::Data), "3.2500000");
    EXPECT_EQ(read(TextKind::Value), "3.2500000");
    model.setType(2, 1, 2, 1, makeNumberType(0, 2, -9999, 9999, true));
    ASSERT_TRUE(model.setData(2, 1, "1,234.567"));
    EXPECT_EQ(read(TextKind::Data, 2), "1,234.57");
    EXPECT_EQ(read(TextKind::Value, 2), "1234.57");
    double v;
    ASSERT_TRUE(model.number(2, 1, v));
    EXPECT_DOUBLE_EQ(v, 1234.57);  // the value is what the cell shows
    ASSERT_TRUE(model.setValue(2, 1, "-0.001"));
    EXPECT_EQ(read(TextKind::Data, 2), "0.00");
}

TEST_F(TypeRules, NumberCellsRefuseTextAndOutOfRangeNumbersKeepingTheirValue) {
    model.setType(1, 1, 1, 1, makeNumberType(0, 2, -9999, 9999, false));
    ASSERT_TRUE(model.setData(1, 1, "12"));
    EXPECT_FALSE(model.setData(1, 1, "twelve"));
    EXPECT_FALSE(model.setData(1, 1, "10000"));
    EXPECT_FALSE(model.setValue(1, 1, "-10000"));
    EXPECT_EQ(read(TextKind::Value), "12.00");
    ASSERT_TRUE(model.setData(1, 1, ""));
    EXPECT_EQ(read(TextKind::Data), "");
}

TEST_F(TypeRules, CheckBoxesReadOneOrZero) {
    model.setType(1, 1, 1, 3, makeCheckBoxType(0x300, ""));
    EXPECT_EQ(read(TextKind::Value), "0");  // never set
    ASSERT_TRUE(model.setData(1, 1, "1"));
    EXPECT_EQ(read(TextKind::Value), "1");
    ASSERT_TRUE(model.setValue(1, 2, "TRUE"));
    EXPECT_EQ(read(TextKind::Data, 1, 2), "1");
    ASSERT_TRUE(model.setValue(1, 3, "7"));
    EXPECT_EQ(read(TextKind::Value, 1, 3), "1");
    EXPECT_FALSE(model.setData(1, 1, "yes"));
    EXPECT_EQ(read(TextKind::Value), "1");
    ASSERT_TRUE(model.setData(1, 1, "0"));
    EXPECT_EQ(read(TextKind::Value), "0");
    EXPECT_EQ(model.typeCode(1, 1), kTypeCheckBox);
}

TEST_F(TypeRules, GeneralCellsTurnNumbersIntoNumbersAndKeepOtherText) {
    ASSERT_TRUE(model.setData(1, 1, "42"));
    ASSERT_TRUE(model.setData(1, 2, "=A1"));  // data text is never a formula
    ASSERT_TRUE(model.setFormula(2, 1, "=A1*2+LEN(A2)", true));
    EXPECT_EQ(read(TextKind::Value, 2, 1), "87");
    EXPECT_EQ(read(TextKind::Formula, 2, 1), "=A1*2+LEN(A2)");
    EXPECT_EQ(read(TextKind::Value, 1, 2), "=A1");
    EXPECT_EQ(read(TextKind::Formula, 1, 2), "");
}

TEST_F(TypeRules, TextCellsKeepNumbersAsText) {
    model.setType(1, 1, 1, 1, makeEditType(0x110000, 5));
    model.setType(2, 1, 2, 1, makeStaticType(140));
    model.setType(3, 1, 3, 1, makeComboType(0x100000, "a\tb"));
    ASSERT_TRUE(model.setData(1, 1, "007 and more"));
    EXPECT_EQ(read(TextKind::Value), "007 and more");  // the limit is the editor's
    ASSERT_TRUE(model.setData(2, 1, "0012"));
    EXPECT_EQ(read(TextKind::Data, 2), "0012");
    ASSERT_TRUE(model.setData(3, 1, "b"));
    EXPECT_EQ(read(TextKind::Value, 3), "b");
    // Formulas still read the numbers in them.
    ASSERT_TRUE(model.setFormula(4, 1, "=B1+1", true));
    EXPECT_EQ(read(TextKind::Value, 4), "13");
}

TEST_F(TypeRules, FormulaResultsAreShownByTheCellType) {
    model.setType(1, 1, 1, 1, makeNumberType(0, 3, -10, 10, false));
    ASSERT_TRUE(model.setFormula(1, 1, "=1/3", true));
    EXPECT_EQ(read(TextKind::Data), "0.333");
    model.setType(2, 1, 2, 1, makeButtonType(0, "Go"));
    EXPECT_EQ(read(TextKind::Data, 2), "Go");
    ASSERT_TRUE(model.setFormula(3, 1, "=1/0", true));
    EXPECT_EQ(read(TextKind::Value, 3), "#DIV/0!");
}

TEST(FixedNumber, SeparatorsAndSigns) {
    EXPECT_EQ(fixedNumber(1234567.891, 2, true), "1,234,567.89");
    EXPECT_EQ(fixedNumber(-1234, 0, true), "-1,234");
    EXPECT_EQ(fixedNumber(123, 1, true), "123.0");
    EXPECT_EQ(fixedNumber(-0.004, 2, false), "0.00");
    EXPECT_EQ(fixedNumber(2.675, 2, false), "2.68");
}

}  // namespace
}  // namespace grid
