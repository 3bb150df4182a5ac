#include "grid/BuiltinFunctions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "grid/Sheet.h"
#include "grid/TextRules.h"

namespace grid {
namespace {

// A small table in A1:C4 (header row, then three rows) and the formula in E1.
class Functions : public ::testing::Test {
protected:
    void SetUp() override {
        const char* names[] = {"Name", "Bolt", "Nut", "Washer"};
        for (int r = 0; r < 4; ++r) sheet.setText(1, r + 1, names[r]);
        sheet.setText(2, 1, "Size");
        sheet.setText(3, 1, "Mass");
        double sizes[] = {12, 16, 20}, masses[] = {1.5, 0.5, 0.25};
        for (int r = 0; r < 3; ++r) {
            sheet.setNumber(2, r + 2, sizes[r]);
            sheet.setNumber(3, r + 2, masses[r]);
        }
    }
    CellValue eval(const std::string& formula) {
        EXPECT_TRUE(sheet.setFormula(5, 1, formula)) << formula << sheet.lastFormulaError();
        return sheet.value(5, 1);
    }
    double number(const std::string& formula) {
        CellValue v = eval(formula);
        EXPECT_EQ(v.kind, ValueKind::Number) << formula << " " << errorText(v.error);
        return v.number;
    }
    std::string text(const std::string& formula) {
        CellValue v = eval(formula);
        if (v.kind == ValueKind::Error) return std::string(errorText(v.error));
        if (v.kind == ValueKind::Number) return formatNumber(v.number);
        if (v.kind == ValueKind::Bool) return v.number ? "TRUE" : "FALSE";
        return std::string(v.text);
    }
    Sheet sheet;
};

TEST_F(Functions, AggregatesSkipTextInBlocksButNotInArguments) {
    EXPECT_EQ(number("=SUM(A1:C4)"), 48 + 2.25);
    EXPECT_EQ(number("=COUNT(A1:C4)"), 6);
    EXPECT_EQ(number("=COUNTA(A1:C4)"), 12);
    EXPECT_EQ(number("=AVERAGE(B2:B4)"), 16);
    EXPECT_EQ(number("=MIN(B2:C4, 7)"), 0.25);
    EXPECT_EQ(number("=MAX(B2:C4, 7)"), 20);
    EXPECT_EQ(number("=SUM(\"3\", TRUE, 1)"), 5);
    EXPECT_EQ(text("=SUM(\"three\")"), "#VALUE!");
    EXPECT_EQ(text("=AVERAGE(A1:A4)"), "#DIV/0!");
    EXPECT_EQ(number("=PRODUCT(B2:B3)"), 192);
}

TEST_F(Functions, RoundingFollowsTheDecimalText) {
    EXPECT_EQ(number("=ROUND(2.675,2)"), 2.68);
    EXPECT_EQ(number("=ROUND(-2.5,0)"), -3);
    EXPECT_EQ(number("=ROUND(1234,-2)"), 1200);
    EXPECT_EQ(number("=ROUNDUP(0.1+0.2,1)"), 0.3);
    EXPECT_EQ(number("=ROUNDUP(-1.21,1)"), -1.3);
    EXPECT_EQ(number("=ROUNDDOWN(1.29,1)"), 1.2);
    EXPECT_EQ(number("=TRUNC(-7.9)"), -7);
    EXPECT_EQ(number("=INT(-7.1)"), -8);
    EXPECT_EQ(number("=MOD(-7,3)"), 2);
    EXPECT_EQ(text("=MOD(1,0)"), "#DIV/0!");
    EXPECT_EQ(number("=CEILING(4.1,0.5)"), 4.5);
    EXPECT_EQ(number("=FLOOR(4.9,0.5)"), 4.5);
    EXPECT_EQ(number("=CEILING(0.3,0.1)"), 0.3);
    EXPECT_EQ(text("=CEILING(4,-1)"), "#NUM!");
}

TEST_F(Functions, MathDomainsGiveNumErrors) {
    EXPECT_EQ(number("=SQRT(16)+POWER(2,10)+EXP(0)+LN(1)+LOG10(1000)+LOG(8,2)"), 4 + 1024 + 1 + 0 + 3 + 3);
    EXPECT_EQ(text("=LN(0)"), "#NUM!");
    EXPECT_EQ(text("=ASIN(2)"), "#NUM!");
    EXPECT_EQ(text("=POWER(0,-1)"), "#DIV/0!");
    EXPECT_NEAR(number("=DEGREES(PI())"), 180, 1e-12);
    EXPECT_NEAR(number("=SIN(RADIANS(30))+COS(0)+TAN(0)"), 1.5, 1e-12);
    EXPECT_NEAR(number("=ATAN2(1,1)-ATAN(1)+ACOS(1)"), 0, 1e-12);
    EXPECT_EQ(number("=SIGN(-3)+ABS(-4)"), 3);
}

TEST_F(Functions, LogicAndTests) {
    EXPECT_EQ(text("=AND(1,TRUE,B2>10)"), "TRUE");
    EXPECT_EQ(text("=OR(0,FALSE(),B2>100)"), "FALSE");
    EXPECT_EQ(text("=NOT(TRUE())"), "FALSE");
    EXPECT_EQ(text("=ISBLANK(D9)"), "TRUE");
    EXPECT_EQ(text("=ISBLANK(A1)"), "FALSE");
    EXPECT_EQ(text("=ISNUMBER(B2)"), "TRUE");
    EXPECT_EQ(text("=ISTEXT(B2)"), "FALSE");
    EXPECT_EQ(text("=ISERROR(1/0)"), "TRUE");
    EXPECT_EQ(number("=IFERROR(1/0,7)"), 7);
    EXPECT_EQ(text("=AND(\"x\")"), "#VALUE!");
}

TEST_F(Functions, TextFunctions) {
    EXPECT_EQ(text("=CONCATENATE(A2,\"-\",B2)"), "Bolt-12");
    EXPECT_EQ(text("=LEFT(\"M16x60\",3)&RIGHT(\"M16x60\",2)&MID(\"M16x60\",4,1)"), "M1660x");
    EXPECT_EQ(number("=LEN(\"abc\")"), 3);
    EXPECT_EQ(text("=UPPER(\"abc\")&LOWER(\"DeF\")"), "ABCdef");
    EXPECT_EQ(text("=TRIM(\"  a   b  \")"), "a b");
    EXPECT_EQ(number("=FIND(\"b\",\"abcb\",3)"), 4);
    EXPECT_EQ(text("=FIND(\"B\",\"abc\")"), "#VALUE!");
    EXPECT_EQ(number("=SEARCH(\"B\",\"abc\")"), 2);
    EXPECT_EQ(text("=SUBSTITUTE(\"a-b-c\",\"-\",\"+\")"), "a+b+c");
    EXPECT_EQ(text("=SUBSTITUTE(\"a-b-c\",\"-\",\"+\",2)"), "a-b+c");
    EXPECT_EQ(number("=VALUE(\" 12.5 \")"), 12.5);
    EXPECT_EQ(text("=VALUE(\"12x\")"), "#VALUE!");
    EXPECT_EQ(text("=LEFT(\"abc\",-1)"), "#VALUE!");
}

TEST_F(Functions, LookUps) {
    EXPECT_EQ(number("=VLOOKUP(\"nut\",A2:C4,3,FALSE)"), 0.5);
    EXPECT_EQ(text("=VLOOKUP(\"Screw\",A2:C4,3,FALSE)"), "#N/A");
    EXPECT_EQ(text("=VLOOKUP(\"Nut\",A2:C4,4,FALSE)"), "#REF!");
    EXPECT_EQ(number("=VLOOKUP(17,B2:C4,2)"), 0.5);  // sorted: largest not above
    EXPECT_EQ(text("=HLOOKUP(\"Mass\",A1:C4,3,FALSE)"), "0.5");
    EXPECT_EQ(number("=MATCH(20,B2:B4,0)"), 3);
    EXPECT_EQ(number("=MATCH(19,B2:B4)"), 2);
    EXPECT_EQ(text("=MATCH(5,B2:B4)"), "#N/A");
    EXPECT_EQ(number("=INDEX(B2:C4,2,2)"), 0.5);
    EXPECT_EQ(number("=INDEX(B2:B4,3)"), 20);
    EXPECT_EQ(text("=INDEX(B2:C4,4,1)"), "#REF!");
    EXPECT_EQ(number("=SUM(INDEX(B2:C4,0,1))"), 48);
    EXPECT_EQ(text("=CHOOSE(2,\"a\",\"b\",\"c\")"), "b");
    EXPECT_EQ(text("=CHOOSE(4,\"a\",\"b\",\"c\")"), "#VALUE!");
}

TEST_F(Functions, NamesIgnoreLetterCase) {
    EXPECT_EQ(number("=sum(b2:B3)+Max(1,2)+rOuNd(1.4,0)"), 28 + 2 + 1);
}

}  // namespace
}  // namespace grid
