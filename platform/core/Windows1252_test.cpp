#include "core/Windows1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = windows1252ToUtf8(all);
    EXPECT_EQ(utf8ToWindows1252(utf8), all);
}

TEST(Windows1252, TheControlRangeHoldsPunctuation) {
    EXPECT_EQ(windows1252ToUtf8("\x95"), "\xE2\x80\xA2");  // bullet
    EXPECT_EQ(windows1252ToUtf8("\x83"), "\xC6\x92");      // florin
    EXPECT_EQ(windows1252ToUtf8("\xBF"), "\xC2\xBF");      // inverted question mark
    EXPECT_EQ(utf8ToWindows1252("\xE2\x80\x9C"
                                "a"
                                "\xE2\x80\x9D"),
              "\x93"
              "a"
              "\x94");
}

TEST(Windows1252, UnmappableAndMalformedInputBecomesQuestionMarks) {
    EXPECT_EQ(utf8ToWindows1252("\xE4\xB8\xAD"), "?");      // a CJK character
    EXPECT_EQ(utf8ToWindows1252("\xF0\x9F\x98\x80"), "?");  // an emoji
    EXPECT_EQ(utf8ToWindows1252("a\xC3"), "a?");            // truncated sequence
    EXPECT_EQ(utf8ToWindows1252("\xC0\x80"), "??");         // overlong zero
    EXPECT_EQ(utf8ToWindows1252("\xED\xA0\x80"), "???");    // surrogate
    EXPECT_EQ(utf8ToWindows1252("\xFF"
                                "b"),
              "?b");
}

}  // namespace
