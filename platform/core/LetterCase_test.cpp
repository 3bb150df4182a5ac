#include "core/LetterCase.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
}

TEST(LetterCase, AsciiLettersFoldAndNothingElseInAscii) {
    EXPECT_TRUE(equalIgnoringCase("Connection Standards", "CONNECTION standards"));
    EXPECT_FALSE(equalIgnoringCase("abc", "abd"));
    EXPECT_FALSE(equalIgnoringCase("abc", "abcd"));
    // '@' (0x40) and '`' (0x60) sit just beside the letters; '[' and '{' differ by 0x20 too.
    EXPECT_FALSE(equalIgnoringCase("@", "`"));
    EXPECT_FALSE(equalIgnoringCase("[", "{"));
    EXPECT_FALSE(equalIgnoringCase("1", "\x11"));
}

TEST(LetterCase, AccentedLettersOfTheUpperHalfFold) {
    // A-grave / a-grave, E-acute / e-acute, U-diaeresis / u-diaeresis, thorn.
    EXPECT_TRUE(
        equalIgnoringCase(bytes({0xC0, 0xC9, 0xDC, 0xDE}), bytes({0xE0, 0xE9, 0xFC, 0xFE})));
    EXPECT_EQ(lowerLetter(static_cast<char>(0xC4)), static_cast<char>(0xE4));
    EXPECT_EQ(upperLetter(static_cast<char>(0xF6)), static_cast<char>(0xD6));
}

TEST(LetterCase, MultiplicationAndDivisionSignsAreNotLetters) {
    EXPECT_FALSE(equalIgnoringCase(bytes({0xD7}), bytes({0xF7})));
    EXPECT_EQ(lowerLetter(static_cast<char>(0xD7)), static_cast<char>(0xD7));
    EXPECT_EQ(upperLetter(static_cast<char>(0xF7)), static_cast<char>(0xF7));
}

TEST(LetterCase, LettersOfTheControlRangeFoldInPairs) {
    EXPECT_TRUE(
        equalIgnoringCase(bytes({0x8A, 0x8C, 0x8E, 0x9F}), bytes({0x9A, 0x9C, 0x9E, 0xFF})));
    EXPECT_EQ(upperLetter(static_cast<char>(0xFF)), static_cast<char>(0x9F));
    // Separators the module's formats rely on stay distinct from everything.
    EXPECT_FALSE(equalIgnoringCase(bytes({0x83}), bytes({0x93})));
    EXPECT_FALSE(equalIgnoringCase(bytes({0x95}), bytes({0xB5})));
    EXPECT_FALSE(equalIgnoringCase(bytes({0xBF}), bytes({0x9F})));
}

TEST(LetterCase, SharpSAndMicroHaveNoCapital) {
    EXPECT_EQ(upperLetter(static_cast<char>(0xDF)), static_cast<char>(0xDF));
    EXPECT_EQ(upperLetter(static_cast<char>(0xB5)), static_cast<char>(0xB5));
    EXPECT_EQ(lowerLetter(static_cast<char>(0xDF)), static_cast<char>(0xDF));
}

TEST(LetterCase, UpperAndLowerAreInverseOnEveryLetter) {
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const char lower = lowerLetter(c);
        if (lower != c) {
            EXPECT_EQ(upperLetter(lower), c) << "byte " << b;
        }
        EXPECT_EQ(lowerLetter(upperLetter(lower)), lower) << "byte " << b;
    }
}

TEST(LetterCase, CompareOrdersByFoldedUnsignedBytes) {
    EXPECT_EQ(compareIgnoringCase("Beam", "bEAM"), 0);
    EXPECT_LT(compareIgnoringCase("apple", "Banana"), 0);
    EXPECT_GT(compareIgnoringCase("Zeta", "alpha"), 0);
    EXPECT_LT(compareIgnoringCase("ab", "abc"), 0);
    // Bytes above 0x7F sort after ASCII, not before (signed char would reverse this).
    EXPECT_LT(compareIgnoringCase("z", bytes({0xE9})), 0);
}

TEST(LetterCase, FindHonoursStartAndBounds) {
    EXPECT_EQ(findIgnoringCase("aXbxc", "X", 0), 1u);
    EXPECT_EQ(findIgnoringCase("aXbxc", "X", 2), 3u);
    EXPECT_EQ(findIgnoringCase("aXbxc", "X", 4), std::string_view::npos);
    EXPECT_EQ(findIgnoringCase("abc", "", 3), 3u);
    EXPECT_EQ(findIgnoringCase("abc", "", 4), std::string_view::npos);
    EXPECT_EQ(findIgnoringCase("ab", "abc", 0), std::string_view::npos);
    EXPECT_EQ(findIgnoringCase(bytes({'x', 0xC9, 'T', 'E'}), bytes({0xE9, 't'}), 0), 1u);
}

}  // namespace
