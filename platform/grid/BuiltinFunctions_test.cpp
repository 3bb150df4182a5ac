#include "grid/BuiltinFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

#include "MdxBuildPaths.h"
#include "win/FilePaths.h"

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

TEST_F(Functions, CriteriaCountSumAndAverage) {
    EXPECT_EQ(number("=COUNTIF(B2:B4,16)"), 1);
    EXPECT_EQ(number("=COUNTIF(B2:B4,\"<16\")+COUNTIF(B2:B4,\"<=16\")"), 3);
    EXPECT_EQ(number("=COUNTIF(A1:A4,\"nut\")"), 1) << "letter case is ignored";
    EXPECT_EQ(number("=COUNTIF(A1:A4,\"?ut\")+COUNTIF(A1:A4,\"w*r\")"), 2);
    EXPECT_EQ(number("=COUNTIF(A1:A4,\"<>Nut\")"), 3);
    EXPECT_EQ(number("=COUNTIF(A1:C4,\">B\")"), 6) << "texts after B; numbers never";
    // Empty cells: a whole block far beyond what the sheet holds is counted, not visited.
    EXPECT_EQ(number("=COUNTIF(A1:A1000000,\"\")"), 1000000 - 4);
    EXPECT_EQ(number("=COUNTIF(A1:B5,\"<>\")"), 8);
    sheet.setText(1, 6, "a*b");
    sheet.setText(1, 7, "axxb");
    EXPECT_EQ(number("=COUNTIF(A6:A7,\"a~*b\")"), 1) << "~ makes * plain";
    EXPECT_EQ(number("=SUMIF(B2:B4,\">12\")"), 36);
    EXPECT_EQ(number("=SUMIF(A2:A4,\"*t\",C2)"), 2) << "the sum block takes the size of the first";
    EXPECT_EQ(number("=AVERAGEIF(B2:B4,\"<>16\")"), 16);
    EXPECT_EQ(text("=AVERAGEIF(B2:B4,\">100\")"), "#DIV/0!");
    EXPECT_EQ(text("=COUNTIF(B2:B4,1/0)"), "#DIV/0!");
    EXPECT_EQ(text("=COUNTIF(5,5)"), "#VALUE!");
    sheet.setFormula(3, 3, "=1/0");
    EXPECT_EQ(text("=SUMIF(A2:A4,\"Nut\",C2:C4)"), "#DIV/0!") << "an error that is summed";
    EXPECT_EQ(number("=SUMIF(A2:A4,\"Bolt\",C2:C4)"), 1.5) << "an error that is not";
}

TEST_F(Functions, SumProductMultipliesBlocksOfOneSize) {
    EXPECT_EQ(number("=SUMPRODUCT(B2:B4,C2:C4)"), 31);
    EXPECT_EQ(number("=SUMPRODUCT(A1:B4,B1:C4)"), 12 * 1.5 + 16 * 0.5 + 20 * 0.25)
        << "texts count as 0";
    EXPECT_EQ(number("=SUMPRODUCT(B2:B4)"), 48);
    EXPECT_EQ(number("=SUMPRODUCT(3,4)"), 12);
    EXPECT_EQ(text("=SUMPRODUCT(B2:B4,C2:C3)"), "#VALUE!");
    EXPECT_EQ(text("=SUMPRODUCT(B2:B4,2)"), "#VALUE!");
    sheet.setFormula(3, 4, "=NA()");
    EXPECT_EQ(text("=SUMPRODUCT(B2:B4,C2:C4)"), "#N/A");
}

TEST_F(Functions, IfsAndIfErrorPickTheirValue) {
    EXPECT_EQ(text("=IFS(B2>100,\"a\",B2>10,B3,TRUE,\"c\")"), "16");
    EXPECT_EQ(text("=IFS(FALSE,1)"), "#N/A");
    EXPECT_EQ(text("=IFS(TRUE,1,FALSE)"), "#VALUE!") << "a test without its value";
    EXPECT_EQ(text("=IFS(1/0,1,TRUE,2)"), "#DIV/0!");
    EXPECT_EQ(number("=IFS(FALSE,1/0,TRUE,2)"), 2) << "a value not chosen does not matter";
    EXPECT_EQ(text("=IFERROR(A2,\"x\")"), "Bolt");
    EXPECT_EQ(text("=IFERROR(NA(),\"x\")"), "x");
}

TEST_F(Functions, XlookupModes) {
    EXPECT_EQ(number("=XLOOKUP(\"Washer\",A2:A4,B2:B4)"), 20);
    EXPECT_EQ(text("=XLOOKUP(\"Screw\",A2:A4,B2:B4)"), "#N/A");
    EXPECT_EQ(text("=XLOOKUP(17,B2:B4,A2:A4,,1)"), "Washer") << "next larger";
    EXPECT_EQ(text("=XLOOKUP(11,B2:B4,A2:A4,\"-\",-1)"), "-") << "nothing smaller";
    EXPECT_EQ(text("=XLOOKUP(\"*sh*\",A2:A4,B2:B4,,2)"), "20");
    EXPECT_EQ(text("=XLOOKUP(\"*sh*\",A2:A4,B2:B4)"), "#N/A") << "wildcards only in mode 2";
    EXPECT_EQ(text("=XLOOKUP(\"Size\",A1:C1,A3:C3)"), "16") << "along a row";
    EXPECT_EQ(number("=SUM(XLOOKUP(\"Nut\",A2:A4,B2:C4))"), 16.5) << "a whole row found";
    EXPECT_EQ(text("=XLOOKUP(16,B2:B4,A2:A3)"), "#VALUE!");
    EXPECT_EQ(text("=XLOOKUP(16,B2:C4,A2:A4)"), "#VALUE!");
    EXPECT_EQ(text("=XLOOKUP(16,B2:B4,A2:A4,,3)"), "#VALUE!");
    sheet.setText(1, 5, "Nut");
    sheet.setNumber(2, 5, 99);
    EXPECT_EQ(number("=XLOOKUP(\"Nut\",A2:A5,B2:B5)"), 16);
    EXPECT_EQ(number("=XLOOKUP(\"Nut\",A2:A5,B2:B5,,0,-1)"), 99) << "last to first";
    EXPECT_EQ(number("=XLOOKUP(\"Nut\",A1:A1048576,B1:B1048576)"), 16) << "whole columns";
}

TEST_F(Functions, TextFormatsNumbers) {
    EXPECT_EQ(text("=TEXT(2.675,\"0.00\")"), "2.68");
    EXPECT_EQ(text("=TEXT(0.5,\"#.##\")&\"|\"&TEXT(0,\"#\")&\"|\"&TEXT(7,\"000\")"), ".5||007");
    EXPECT_EQ(text("=TEXT(-1234567.891,\"#,##0.0\")"), "-1,234,567.9");
    EXPECT_EQ(text("=TEXT(12345,\"0.00E+00\")"), "1.23E+04");
    EXPECT_EQ(text("=TEXT(0.000999,\"0.0E+0\")"), "1.0E-3");
    EXPECT_EQ(text("=TEXT(9.999,\"0.00E+00\")"), "1.00E+01") << "rounding carries";
    EXPECT_EQ(text("=TEXT(-0.001,\"0.00\")"), "0.00") << "no minus before a zero";
    EXPECT_EQ(text("=TEXT(0,\"0;(0);\"\"zero\"\"\")"), "zero");
    EXPECT_EQ(text("=TEXT(180,\"0 \"\"mm\"\"\")"), "180 mm");
    EXPECT_EQ(text("=TEXT(1/3,\"General\")"), "0.333333333333333");
    EXPECT_EQ(text("=TEXT(\"M20\",\"0.0\")&TEXT(\"M20\",\"0;0;0;\"\"bolt \"\"@\")"), "M20bolt M20");
    EXPECT_EQ(text("=TEXT(\"12\",\"0.0\")"), "12.0") << "a number text is a number";
    EXPECT_EQ(text("=TEXT(1,\"yyyy-mm-dd\")"), "#VALUE!");
    EXPECT_EQ(text("=TEXT(123456,\"000-000\")"), "#VALUE!");
    EXPECT_EQ(text("=TEXT(1,\"0.0000000000000000000000000000000\")"), "#VALUE!") << "31 decimals";
    EXPECT_EQ(text("=TEXT(1E+300,\"0.00\")").size(), 304u);
    EXPECT_EQ(text("=TEXT(NA(),\"0\")"), "#N/A");
}

TEST_F(Functions, NoNegativeZero) {
    EXPECT_NEAR(number("=ATAN2(-1,-0)"), M_PI, 1e-15);
    EXPECT_NEAR(number("=ATAN2(-1,0*-1)"), M_PI, 1e-15);
    sheet.setNumber(4, 9, -0.0);
    EXPECT_NEAR(number("=ATAN2(-1,D9)"), M_PI, 1e-15);
    EXPECT_FALSE(std::signbit(number("=-0")));
}

// The examples of docs/formulas.md, calculated on the table the document shows.
std::vector<std::vector<std::string>> markdownRows(const std::string& doc, const std::string& marker) {
    const size_t begin = doc.find("<!-- " + marker + " begin -->");
    const size_t end = doc.find("<!-- " + marker + " end -->");
    std::vector<std::vector<std::string>> rows;
    if (begin == std::string::npos || end == std::string::npos) return rows;
    std::istringstream in(doc.substr(begin, end - begin));
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("| ", 0) != 0) continue;
        std::vector<std::string> cells;
        std::istringstream fields(line.substr(1));
        for (std::string cell; std::getline(fields, cell, '|');) {
            while (!cell.empty() && (cell.front() == ' ' || cell.front() == '`')) cell.erase(0, 1);
            while (!cell.empty() && (cell.back() == ' ' || cell.back() == '`')) cell.pop_back();
            cells.push_back(cell);
        }
        rows.push_back(cells);
    }
    return rows;
}

TEST(FormulasGuide, EveryExampleGivesTheResultShown) {
    std::string doc;
    ASSERT_TRUE(win::readWholeFile(std::string(MDX_SOURCE_DIR) + "/docs/formulas.md", doc));
    Sheet sheet;
    const auto table = markdownRows(doc, "formulas:table");
    ASSERT_EQ(table.size(), 5u) << "a header and four rows";
    for (size_t r = 1; r < table.size(); ++r)
        for (size_t c = 1; c < table[r].size(); ++c) {
            double value;
            if (parseNumber(table[r][c], value)) sheet.setNumber(static_cast<int>(c), static_cast<int>(r), value);
            else sheet.setText(static_cast<int>(c), static_cast<int>(r), table[r][c]);
        }
    const auto examples = markdownRows(doc, "formulas:examples");
    ASSERT_GE(examples.size(), 12u);
    for (size_t i = 1; i < examples.size(); ++i) {
        const std::string& formula = examples[i][1];
        ASSERT_TRUE(sheet.setFormula(5, 1, formula)) << formula << sheet.lastFormulaError();
        const CellValue v = sheet.value(5, 1);
        std::string shown = v.kind == ValueKind::Number ? formatNumber(v.number)
                            : v.kind == ValueKind::Error ? std::string(errorText(v.error))
                                                         : std::string(v.text);
        EXPECT_EQ(shown, examples[i][2]) << formula;
    }
}

TEST_F(Functions, NamesIgnoreLetterCase) {
    EXPECT_EQ(number("=sum(b2:B3)+Max(1,2)+rOuNd(1.4,0)"), 28 + 2 + 1);
}

}  // namespace
}  // namespace grid
