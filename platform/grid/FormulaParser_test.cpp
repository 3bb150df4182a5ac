#include "grid/FormulaParser.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "grid/FormulaPrinter.h"
#include "grid/Sheet.h"

namespace grid {
namespace {

// Formula text in, formula text out, through the sheet so custom names resolve.
std::string roundTrip(const std::string& text, RefStyle in = RefStyle::Default,
                      RefStyle out = RefStyle::A1, int column = 3, int row = 5) {
    Sheet sheet;
    sheet.setRefStyle(in);
    if (!sheet.setFormula(column, row, text)) return "error: " + sheet.lastFormulaError();
    return sheet.formulaText(column, row, out);
}

TEST(FormulaParser, KeepsTheAuthorsFormulaApartFromSpacing) {
    EXPECT_EQ(roundTrip("=A1*1.000001+1"), "=A1*1.000001+1");
    EXPECT_EQ(roundTrip("a1 + $b$2 * (C3 - 4)"), "=A1+$B$2*(C3-4)");
    EXPECT_EQ(roundTrip("=sum(A1:B3, 2)"), "=SUM(A1:B3,2)");
    EXPECT_EQ(roundTrip("=IF(A1>0,\"yes\",\"say \"\"no\"\"\")"),
              "=IF(A1>0,\"yes\",\"say \"\"no\"\"\")");
    EXPECT_EQ(roundTrip("=IF(A1,2)"), "=IF(A1,2)");
    EXPECT_EQ(roundTrip("=-2^2%&\"x\"<>TRUE"), "=-2^2%&\"x\"<>TRUE");
    EXPECT_EQ(roundTrip("=#N/A"), "=#N/A");
    EXPECT_EQ(roundTrip("=LOG10(100)+log(8;2)"), "=LOG10(100)+LOG(8,2)");
    EXPECT_EQ(roundTrip("=MYFN(1,,\"a\")"), "=MYFN(1,,\"a\")");
    EXPECT_EQ(roundTrip("=1.5e3+.25"), "=1500+0.25");
}

TEST(FormulaParser, ReadsBackInEitherReferenceStyle) {
    // At C5: A1 is two columns left and four rows up.
    EXPECT_EQ(roundTrip("=A1+$A$1+A$1+$A1", RefStyle::Default, RefStyle::R1C1),
              "=R[-4]C[-2]+R1C1+R1C[-2]+R[-4]C1");
    EXPECT_EQ(roundTrip("=R[-4]C[-2]+R1C1+RC", RefStyle::R1C1, RefStyle::A1), "=A1+$A$1+C5");
    // The default style reads both forms; R1C1 texts that are no A1 reference are R1C1.
    EXPECT_EQ(roundTrip("=R1C1+R[1]C", RefStyle::Default, RefStyle::A1), "=$A$1+C6");
    // In A1 style "RC1" is column RC, row 1.
    EXPECT_EQ(roundTrip("=RC1", RefStyle::A1, RefStyle::A1), "=RC1");
    EXPECT_EQ(roundTrip("=RC1", RefStyle::R1C1, RefStyle::A1), "=$A5");
}

TEST(FormulaParser, RefusesTextThatIsNoFormula) {
    for (const char* bad : {"=", "=1+", "=(1", "=SUM(1", "=\"open", "=A1:", "=1 2",
                            "=#BOGUS!", "=ROUND()", "=PI(1)", "=$", "=)",
                            "=IF(1)", "=1+*2"}) {
        Sheet sheet;
        EXPECT_FALSE(sheet.setFormula(1, 1, bad)) << bad;
        EXPECT_FALSE(sheet.hasFormula(1, 1)) << bad;
        EXPECT_FALSE(sheet.lastFormulaError().empty()) << bad;
    }
}

TEST(FormulaParser, DeepNestingIsRefusedNotOverflowingTheStack) {
    std::string deep(100000, '(');
    deep += "1";
    deep += std::string(100000, ')');
    Sheet sheet;
    EXPECT_FALSE(sheet.setFormula(1, 1, "=" + deep));
    std::string minus = "=" + std::string(100000, '-') + "1";
    EXPECT_FALSE(sheet.setFormula(1, 1, minus));
    EXPECT_TRUE(sheet.setFormula(1, 1, "=((((((((((1))))))))))"));
}

TEST(FormulaParser, UnknownPlainNamesEvaluateToNameError) {
    Sheet sheet;
    // Texts that look like cells beyond the sheet are names too.
    ASSERT_TRUE(sheet.setFormula(2, 1, "=A0+XFE1"));
    EXPECT_EQ(sheet.value(2, 1).error, ErrorCode::Name);
    ASSERT_TRUE(sheet.setFormula(1, 1, "=width*2"));
    EXPECT_EQ(sheet.formulaText(1, 1), "=width*2");
    EXPECT_EQ(sheet.value(1, 1).error, ErrorCode::Name);
}

}  // namespace
}  // namespace grid

namespace grid {
namespace {

TEST(FormulaParser, NumberLiteralsReadExactlyAsTheirDecimalText) {
    // Short literals take a quicker path than long ones; both must give the nearest double.
    const char* literals[] = {"1.000001", "0.1", "0.3", "2.675", "123456789012345",
                              "0.000000000000001", "999999999999999", "1234567890.12345",
                              "1.0000000000000002", "3.14159265358979", "0.1000000000000001",
                              "12345678901234567890", "7.", ".5", "1e-5", "4.35"};
    for (const char* text : literals) {
        Sheet sheet;
        ASSERT_TRUE(sheet.setFormula(1, 1, std::string("=") + text)) << text;
        EXPECT_EQ(sheet.value(1, 1).number, std::strtod(text, nullptr)) << text;
    }
    std::srand(7);
    for (int i = 0; i < 2000; ++i) {
        std::string text = std::to_string(std::rand() % 100000) + "." +
                           std::to_string(std::rand() % 1000000000);
        Sheet sheet;
        ASSERT_TRUE(sheet.setFormula(1, 1, "=" + text));
        ASSERT_EQ(sheet.value(1, 1).number, std::strtod(text.c_str(), nullptr)) << text;
    }
}

}  // namespace
}  // namespace grid
