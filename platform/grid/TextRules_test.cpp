#include "grid/TextRules.h"

#include <gtest/gtest.h>

#include "grid/SheetFileSyntax.h"

namespace grid {
namespace {

TEST(TextRules, NumbersReadOnlyWhenTheWholeTextIsOne) {
    double v = -1;
    EXPECT_TRUE(parseNumber(" 12.5\t", v));
    EXPECT_EQ(v, 12.5);
    EXPECT_TRUE(parseNumber("+3", v));
    EXPECT_TRUE(parseNumber("-.5", v));
    EXPECT_EQ(v, -0.5);
    EXPECT_TRUE(parseNumber("1e3", v));
    EXPECT_EQ(v, 1000);
    for (const char* bad : {"", " ", "+", "-", "1e", "12x", "x12", "inf", "nan", "-inf",
                            "1e999", "1,5", "0x10", "--1", "+-1"})
        EXPECT_FALSE(parseNumber(bad, v)) << bad;
}

TEST(TextRules, GeneralNumberTexts) {
    EXPECT_EQ(formatNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatNumber(105170.91), "105170.91");
    EXPECT_EQ(formatNumber(-0.0), "0");
    EXPECT_EQ(formatNumber(1e20), "1e+20");
    EXPECT_EQ(formatNumber(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatNumber(-2.5), "-2.5");
    EXPECT_EQ(formatNumber(1.0 / 3), "0.333333333333333");
    std::string exact;
    appendExactNumber(exact, 0.1 + 0.2);
    double back;
    ASSERT_TRUE(parseNumber(exact, back));
    EXPECT_EQ(back, 0.1 + 0.2);
}

TEST(TextRules, ColumnLetters) {
    EXPECT_EQ(columnLetters(1), "A");
    EXPECT_EQ(columnLetters(26), "Z");
    EXPECT_EQ(columnLetters(27), "AA");
    EXPECT_EQ(columnLetters(702), "ZZ");
    EXPECT_EQ(columnLetters(703), "AAA");
    EXPECT_EQ(columnLetters(16384), "XFD");
}

TEST(TextRules, LetterCaseComparisons) {
    EXPECT_TRUE(equalsIgnoreCase("Bolt", "bOLT"));
    EXPECT_FALSE(equalsIgnoreCase("Bolt", "Bolts"));
    EXPECT_LT(compareIgnoreCase("abc", "ABD"), 0);
    EXPECT_GT(compareIgnoreCase("b", "A"), 0);
    EXPECT_LT(compareIgnoreCase("ab", "abc"), 0);
    // Bytes above 0x7F compare as themselves and do not change case.
    EXPECT_FALSE(equalsIgnoreCase("\xE9", "\xC9"));
    EXPECT_GT(compareIgnoreCase("\xE9", "z"), 0);
}

TEST(SheetFileSyntax, QuotedTextsKeepEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::string line = "x ";
    appendQuoted(line, all);
    line += " 7";
    EXPECT_EQ(line.find('\n'), std::string::npos);
    LineReader in(line);
    std::string word, text;
    int n;
    ASSERT_TRUE(in.word(word));
    ASSERT_TRUE(in.text(text));
    ASSERT_TRUE(in.integer(n));
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(text, all);
    EXPECT_EQ(n, 7);
}

TEST(SheetFileSyntax, MalformedFieldsAreRefused) {
    std::string s;
    int i;
    double d;
    EXPECT_FALSE(LineReader("\"no end").text(s));
    EXPECT_FALSE(LineReader("\"a\"b").text(s));  // a text runs to a blank
    EXPECT_FALSE(LineReader("\"\\q\"").text(s));
    EXPECT_FALSE(LineReader("\"\\x4\"").text(s));
    EXPECT_FALSE(LineReader("\"\\xZZ\"").text(s));
    EXPECT_FALSE(LineReader("12a").integer(i));
    EXPECT_FALSE(LineReader("99999999999").integer(i));
    EXPECT_FALSE(LineReader("2").flag(i));
    EXPECT_FALSE(LineReader("nan").number(d));
    EXPECT_FALSE(LineReader("1e999").number(d));
    EXPECT_FALSE(LineReader("\"text\"").integer(i));
    EXPECT_TRUE(LineReader("-12").integer(i));
    EXPECT_EQ(i, -12);
}

TEST(SheetFileSyntax, LinesEndWithOrWithoutCarriageReturns) {
    LineSplitter lines("a\r\nb\n\nc");
    std::string_view l;
    std::vector<std::string> got;
    while (lines.next(l)) got.emplace_back(l);
    EXPECT_EQ(got, (std::vector<std::string>{"a", "b", "", "c"}));
}

}  // namespace
}  // namespace grid
