#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>

namespace {

TEST(NumberText, LeadingDoubleReadsLikeAtof) {
    EXPECT_DOUBLE_EQ(leadingDouble("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(leadingDouble("  -3.25mm"), -3.25);
    EXPECT_DOUBLE_EQ(leadingDouble("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(leadingDouble("1e3x"), 1000.0);
    EXPECT_DOUBLE_EQ(leadingDouble("2e"), 2.0);  // an exponent without digits is not part of it
    EXPECT_DOUBLE_EQ(leadingDouble("7.e-1"), 0.7);
    EXPECT_DOUBLE_EQ(leadingDouble("120x10"), 120.0);
}

TEST(NumberText, NoLeadingNumberGivesZero) {
    EXPECT_EQ(leadingDouble(""), 0.0);
    EXPECT_EQ(leadingDouble("abc"), 0.0);
    EXPECT_EQ(leadingDouble("-"), 0.0);
    EXPECT_EQ(leadingDouble("."), 0.0);
    EXPECT_EQ(leadingDouble("x12"), 0.0);
    EXPECT_EQ(leadingInt("x12"), 0);
}

TEST(NumberText, HugeAndTinyMagnitudes) {
    EXPECT_TRUE(std::isinf(leadingDouble("1e999")));
    EXPECT_LT(leadingDouble("-1e999"), 0.0);
    EXPECT_EQ(leadingDouble("1e-999"), 0.0);
}

TEST(NumberText, LeadingIntClampsInsteadOfOverflowing) {
    EXPECT_EQ(leadingInt(" 42abc"), 42);
    EXPECT_EQ(leadingInt("-17.9"), -17);
    EXPECT_EQ(leadingInt("99999999999999999999"), INT_MAX);
    EXPECT_EQ(leadingInt("-99999999999999999999"), INT_MIN);
    EXPECT_EQ(leadingInt("-2147483648"), INT_MIN);
}

TEST(NumberText, IsNumberWantsTheWholeText) {
    for (const char* yes : {"0", "-3", "+4.5", "12.", ".5", "1e5", "1.5E-3", " 7 ", "\t8"})
        EXPECT_TRUE(isNumberText(yes)) << yes;
    for (const char* no : {"", " ", "-", ".", "1e", "1.2.3", "12a", "a12", "1,5", "0x10", "inf",
                           "nan", "1 2", "--1", "e5"})
        EXPECT_FALSE(isNumberText(no)) << no;
}

TEST(NumberText, FormatWithPrecision) {
    EXPECT_EQ(formatNumber(12.5, 2, true), "12.50");
    EXPECT_EQ(formatNumber(12.5, 6, false), "12.5");
    EXPECT_EQ(formatNumber(100.0, 8, false), "100");
    EXPECT_EQ(formatNumber(2.0 / 3.0, 6, false), "0.666667");
    EXPECT_EQ(formatNumber(1234.5678, 0, false), "1235");
    EXPECT_EQ(formatNumber(0.1 + 0.2, 8, false), "0.3");
    EXPECT_EQ(formatNumber(-1.005e-9, 6, false), "0");
    EXPECT_EQ(formatNumber(-0.0, 2, true), "0.00");
    EXPECT_EQ(formatNumber(-2.5, 1, true), "-2.5");
    EXPECT_EQ(formatNumber(1e20, 2, false), "100000000000000000000");
}

TEST(NumberText, FormatClampsPrecisionAndNamesNonFinite) {
    EXPECT_EQ(formatNumber(1.5, -3, true), "2");
    EXPECT_EQ(formatNumber(1.0, 40, true).size(), std::string("1.").size() + 17);
    EXPECT_EQ(formatNumber(NAN, 2, false), "nan");
    EXPECT_EQ(formatNumber(-INFINITY, 2, false), "-inf");
}

TEST(NumberText, DecimalPointDoesNotDependOnTheLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    // Not every machine has a comma locale; the test is only meaningful where one exists.
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE locale";
    EXPECT_EQ(formatNumber(2.5, 1, true), "2.5");
    EXPECT_DOUBLE_EQ(leadingDouble("2.5"), 2.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
