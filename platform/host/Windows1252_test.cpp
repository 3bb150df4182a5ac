#include "host/Windows1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Windows1252, EveryByteSurvivesTheTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::string back;
    std::size_t bad = 0;
    ASSERT_TRUE(host::utf8ToWindows1252(host::windows1252ToUtf8(all), back, bad));
    EXPECT_EQ(back, all);
}

TEST(Windows1252, HighBytesMapToTheirCharacters) {
    EXPECT_EQ(host::windows1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(host::windows1252ToUtf8("\x95"), "\xE2\x80\xA2");  // bullet
    EXPECT_EQ(host::windows1252ToUtf8("\xBF"), "\xC2\xBF");
    std::string out;
    std::size_t bad = 0;
    ASSERT_TRUE(
        host::utf8ToWindows1252("\xE2\x80\x9C"
                                "a\xC3\xA9",
                                out, bad));
    EXPECT_EQ(out,
              "\x93"
              "a\xE9");
}

TEST(Windows1252, RefusesWhatHasNoByteAndSaysWhere) {
    struct Case {
        const char* utf8;
        std::size_t offset;
    };
    for (Case c : {Case{"ab\xE4\xB8\xAD", 2},       // a CJK character
                   Case{"\xC0\xAF", 0},             // overlong slash
                   Case{"x\xED\xA0\x80", 1},        // surrogate
                   Case{"xy\xC3", 2},               // truncated
                   Case{"\x80", 0},                 // stray continuation byte
                   Case{"\xF4\x90\x80\x80", 0}}) {  // beyond the last code point
        std::string out;
        std::size_t bad = 99;
        EXPECT_FALSE(host::utf8ToWindows1252(c.utf8, out, bad)) << c.utf8;
        EXPECT_EQ(bad, c.offset) << c.utf8;
    }
}

}  // namespace
