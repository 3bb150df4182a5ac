#include "core/GlobalStrings.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(GlobalStrings, ATextSurvivesTheTripThroughABlock) {
    HGLOBAL block = setGlobalStr(Mdx_String("M20 \"8.8\""));
    ASSERT_NE(block, nullptr);
    Mdx_String text;
    EXPECT_TRUE(getGlobalStr(block, text));
    EXPECT_EQ(text.str(), "M20 \"8.8\"");
    GlobalFree(block);
}

TEST(GlobalStrings, ABlockWithoutTerminatorIsReadToItsEndOnly) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 3);
    ASSERT_NE(block, nullptr);
    std::memcpy(GlobalLock(block), "abc", 3);
    GlobalUnlock(block);
    Mdx_String text;
    EXPECT_TRUE(getGlobalStr(block, text));
    EXPECT_EQ(text.str(), "abc");
    GlobalFree(block);
}

TEST(GlobalStrings, ANullBlockIsNoText) {
    Mdx_String text("left over");
    EXPECT_FALSE(getGlobalStr(nullptr, text));
    EXPECT_TRUE(text.isEmpty());
}

}  // namespace
