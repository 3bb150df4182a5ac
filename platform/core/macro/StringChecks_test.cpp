#include "core/macro/StringChecks.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(DuplicatesTest, ReportsEveryLaterOccurrenceSoThatOneOfEachStays) {
    Mdx_StringArray names{"a", "B", "A", "c", "b", "a"};
    AcArray<int> positions;
    getDuplicates(names, positions, false);
    EXPECT_EQ(positions, (AcArray<int>{2, 4, 5}));
    getDuplicates(names, positions, true);
    EXPECT_EQ(positions, (AcArray<int>{5}));
}

TEST(DuplicatesTest, NamesEachDuplicatedNameOnceAsFirstWritten) {
    Mdx_StringArray duplicates{"stale"};
    EXPECT_TRUE(
        hasDuplicates({"width", "Depth", "WIDTH", "depth", "width", "x"}, duplicates, false));
    EXPECT_EQ(duplicates, (Mdx_StringArray{"width", "Depth"}));
    EXPECT_FALSE(hasDuplicates({"width", "Width"}, duplicates, true));
    EXPECT_TRUE(duplicates.isEmpty());
}

TEST(DuplicatesTest, AccentedCapitalsCountAsTheSameLetter) {
    AcArray<int> positions;
    getDuplicates({"H\xC9IGHT", "h\xE9ight"}, positions, false);
    EXPECT_EQ(positions, (AcArray<int>{1}));
}

TEST(RandomStringTest, KeysHaveTheLengthAndOnlyLettersAndDigits) {
    std::set<std::string> seen;
    for (int i = 0; i < 50; ++i) {
        Mdx_String key;
        ASSERT_TRUE(generateRandomString(24, key, true));
        ASSERT_EQ(key.length(), 24);
        for (char c : key.str()) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << c;
        seen.insert(key.str());
    }
    EXPECT_EQ(seen.size(), 50u);
}

TEST(RandomStringTest, WiderAlphabetStaysUsableInKeysAndFileNames) {
    for (int i = 0; i < 50; ++i) {
        Mdx_String text;
        ASSERT_TRUE(generateRandomString(40, text, false));
        EXPECT_EQ(text.find("=", true), -1);
        for (char c : std::string_view("<>:\"/\\|?* ")) EXPECT_EQ(text.findChar(c), -1);
    }
    Mdx_String untouched = "keep";
    EXPECT_FALSE(generateRandomString(-1, untouched, true));
    EXPECT_EQ(untouched, Mdx_String("keep"));
}

}  // namespace
