#include "grid/Sheet.h"

#include <gtest/gtest.h>

#include <cmath>

namespace grid {
namespace {

double num(Sheet& s, int c, int r) { return s.value(c, r).number; }

TEST(Sheet, OperatorsFollowPrecedence) {
    Sheet s;
    struct Case {
        const char* formula;
        double expected;
    } cases[] = {{"=1+2*3", 7},      {"=(1+2)*3", 9},    {"=-2^2", 4},     {"=2^3^2", 64},
                 {"=10-4-3", 3},     {"=50%*4", 2},      {"=1+2=3", 1},    {"=\"2\"+3", 5},
                 {"=2*-3", -6},      {"=7/2", 3.5},      {"=1<2", 1},      {"=\"a\"<\"B\"", 1}};
    for (const Case& c : cases) {
        ASSERT_TRUE(s.setFormula(1, 1, c.formula)) << c.formula;
        CellValue v = s.value(1, 1);
        EXPECT_DOUBLE_EQ(v.number, c.expected) << c.formula;
    }
    ASSERT_TRUE(s.setFormula(1, 1, "=1&2&\"x\""));
    EXPECT_EQ(s.value(1, 1).text, "12x");
}

TEST(Sheet, ErrorsPropagateThroughDependents) {
    Sheet s;
    s.setNumber(1, 1, 0);
    s.setFormula(2, 1, "=10/A1");
    s.setFormula(3, 1, "=B1+1");
    s.setFormula(4, 1, "=SUM(A1:C1)");
    s.setFormula(5, 1, "=\"x\"&C1");
    EXPECT_EQ(s.value(2, 1).error, ErrorCode::Div0);
    EXPECT_EQ(s.value(3, 1).error, ErrorCode::Div0);
    EXPECT_EQ(s.value(4, 1).error, ErrorCode::Div0);
    EXPECT_EQ(s.value(5, 1).error, ErrorCode::Div0);
    s.setNumber(1, 1, 4);
    EXPECT_DOUBLE_EQ(num(s, 3, 1), 3.5);
    EXPECT_DOUBLE_EQ(num(s, 4, 1), 4 + 2.5 + 3.5);
    s.setText(1, 1, "abc");
    EXPECT_EQ(s.value(3, 1).error, ErrorCode::Value);
    s.setFormula(1, 2, "=SQRT(-1)");
    s.setFormula(2, 2, "=A2*0");
    EXPECT_EQ(s.value(2, 2).error, ErrorCode::Num);
}

TEST(Sheet, IfEvaluatesOnlyTheBranchTaken) {
    Sheet s;
    s.setNumber(1, 1, 0);
    s.setFormula(2, 1, "=IF(A1=0,\"zero\",1/A1)");
    EXPECT_EQ(s.value(2, 1).text, "zero");
    s.setNumber(1, 1, 4);
    EXPECT_DOUBLE_EQ(num(s, 2, 1), 0.25);
    s.setFormula(3, 1, "=IF(1/0,1,2)");
    EXPECT_EQ(s.value(3, 1).error, ErrorCode::Div0);
    s.setFormula(4, 1, "=IF(A1>5,1)");
    EXPECT_EQ(s.value(4, 1).kind, ValueKind::Bool);
    EXPECT_EQ(s.value(4, 1).number, 0);
}

TEST(Sheet, AutomaticCalculationUpdatesDependentsOnlyWhenOn) {
    Sheet s;
    s.setNumber(1, 1, 2);
    s.setFormula(1, 2, "=A1*10", true);
    s.setFormula(1, 3, "=A2+1", true);
    EXPECT_DOUBLE_EQ(num(s, 1, 3), 21);
    s.setAutoCalculate(false);
    s.setNumber(1, 1, 3);
    EXPECT_DOUBLE_EQ(num(s, 1, 3), 21);  // stale until recalculated
    EXPECT_TRUE(s.isOutOfDate(1, 3));
    s.recalculateCell(1, 3);  // brings its out-of-date precedents along
    EXPECT_DOUBLE_EQ(num(s, 1, 3), 31);
    s.setNumber(1, 1, 4);
    s.recalculateAll();
    EXPECT_DOUBLE_EQ(num(s, 1, 2), 40);
    EXPECT_DOUBLE_EQ(num(s, 1, 3), 41);
    s.setAutoCalculate(true);
    s.setNumber(1, 1, 5);
    EXPECT_DOUBLE_EQ(num(s, 1, 3), 51);
}

TEST(Sheet, SetWithRecalculateComputesAtOnceEvenWithCalculationOff) {
    Sheet s;
    s.setAutoCalculate(false);
    s.setNumber(1, 1, 6);
    s.setFormula(2, 1, "=A1*7", true);
    EXPECT_DOUBLE_EQ(s.storedValue(2, 1).number, 42);
    s.setFormula(3, 1, "=A1*8", false);
    EXPECT_EQ(s.value(3, 1).kind, ValueKind::Empty);
}

TEST(Sheet, CyclesGiveAnErrorAndNeverHang) {
    Sheet s;
    s.setFormula(1, 1, "=B1+1");
    s.setFormula(2, 1, "=A1+1");
    EXPECT_EQ(s.value(1, 1).error, ErrorCode::Circular);
    EXPECT_EQ(s.value(2, 1).error, ErrorCode::Circular);
    s.setFormula(3, 1, "=C1");
    EXPECT_EQ(s.value(3, 1).error, ErrorCode::Circular);
    // Breaking the cycle heals both cells.
    s.setNumber(2, 1, 5);
    EXPECT_DOUBLE_EQ(num(s, 1, 1), 6);
    s.setFormula(1, 2, "=SUM(A1:A3)");
    EXPECT_EQ(s.value(1, 2).error, ErrorCode::Circular);
}

TEST(Sheet, LongChainsNeedNoMachineStack) {
    constexpr int n = 100000;
    Sheet s;
    s.setNumber(1, 1, 1);
    for (int i = 2; i <= n; ++i)
        ASSERT_TRUE(s.setFormula(1, i, "=A" + std::to_string(i - 1) + "+1"));
    EXPECT_DOUBLE_EQ(num(s, 1, n), n);
    // A cycle closed at the far end of the chain is found too.
    s.setFormula(1, 1, "=A" + std::to_string(n));
    EXPECT_EQ(s.value(1, n).error, ErrorCode::Circular);
    s.setNumber(1, 1, 0);
    EXPECT_DOUBLE_EQ(num(s, 1, n), n - 1);
}

TEST(Sheet, FilledDownFormulasShareOneCompiledForm) {
    Sheet s;
    for (int i = 1; i <= 100; ++i) s.setNumber(1, i, i);
    for (int i = 1; i <= 100; ++i) s.setFormula(2, i, "=A" + std::to_string(i) + "*2");
    EXPECT_DOUBLE_EQ(num(s, 2, 37), 74);
    EXPECT_EQ(s.formulaText(2, 37), "=A37*2");
    s.setNumber(1, 37, 1);
    EXPECT_DOUBLE_EQ(num(s, 2, 37), 2);
    EXPECT_DOUBLE_EQ(num(s, 2, 38), 76);
}

TEST(Sheet, RangeDependentsSeeChangesInsideTheirBlockOnly) {
    Sheet s;
    for (int i = 1; i <= 10; ++i) s.setNumber(1, i, 1);
    s.setFormula(2, 1, "=SUM(A1:A5)");
    s.setFormula(2, 2, "=SUM(A6:A10)");
    EXPECT_DOUBLE_EQ(num(s, 2, 1), 5);
    EXPECT_DOUBLE_EQ(num(s, 2, 2), 5);
    s.setNumber(1, 3, 10);
    EXPECT_TRUE(s.isOutOfDate(2, 1));
    EXPECT_FALSE(s.isOutOfDate(2, 2));
    EXPECT_DOUBLE_EQ(num(s, 2, 1), 14);
    // Replacing the formula drops its old range node.
    s.setFormula(2, 1, "=SUM(A9:A10)");
    EXPECT_DOUBLE_EQ(num(s, 2, 1), 2);
    s.setNumber(1, 3, 100);
    EXPECT_FALSE(s.isOutOfDate(2, 1));
}

TEST(Sheet, ClearingAFormulaCellMakesDependentsSeeEmpty) {
    Sheet s;
    s.setFormula(1, 1, "=2");
    s.setFormula(1, 2, "=A1*3");
    EXPECT_DOUBLE_EQ(num(s, 1, 2), 6);
    s.clearCell(1, 1);
    EXPECT_DOUBLE_EQ(num(s, 1, 2), 0);
    EXPECT_FALSE(s.hasFormula(1, 1));
    EXPECT_EQ(s.formulaText(1, 1), "");
}

TEST(Sheet, WritesOutsideTheLimitsAreRefused) {
    Sheet s;
    EXPECT_FALSE(s.setNumber(kMaxColumns + 1, 1, 1));
    EXPECT_FALSE(s.setNumber(1, -1, 1));
    EXPECT_FALSE(s.setFormula(0, 1, "=1"));
    EXPECT_TRUE(s.setText(0, 3, "row header"));
    EXPECT_EQ(s.value(0, 3).text, "row header");
}

}  // namespace
}  // namespace grid
