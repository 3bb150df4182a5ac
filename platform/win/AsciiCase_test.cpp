#include "win/AsciiCase.h"

#include <gtest/gtest.h>

namespace win {
namespace {

TEST(AsciiCase, FoldsAsciiLettersOnlyAndSortsMarksBeforeLetters) {
    EXPECT_TRUE(equalsIgnoringAsciiCase("MS Shell Dlg", "ms shell DLG"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("Bolt", "Bolts"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("\xC9t\xE9", "\xE9T\xE9")) << "not a Windows-1252 fold";
    EXPECT_TRUE(startsWithIgnoringAsciiCase("Washer", "wASH"));
    EXPECT_FALSE(startsWithIgnoringAsciiCase("Wa", "Wash"));
    EXPECT_LT(compareIgnoringAsciiCase("abc", "ABD"), 0);
    EXPECT_LT(compareIgnoringAsciiCase("ab", "ABC"), 0);
    EXPECT_EQ(compareIgnoringAsciiCase("Nut", "nUT"), 0);
    EXPECT_LT(compareIgnoringAsciiCase("_x", "A"), 0) << "'_' before letters, in either case";
    EXPECT_GT(compareIgnoringAsciiCase("\xE9", "z"), 0) << "bytes above 0x7F after ASCII";
}

}  // namespace
}  // namespace win
