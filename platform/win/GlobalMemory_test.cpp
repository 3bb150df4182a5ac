#include "win/GlobalMemory.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(GlobalMemory, TextSurvivesUnlockAndRelockAndIsFreedOnce) {
    const std::size_t before = win::liveGlobalBlocks();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 6);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 6u);
    char* text = static_cast<char*>(GlobalLock(block));
    ASSERT_NE(text, nullptr);
    std::memcpy(text, "IPE20", 6);
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_STREQ(static_cast<char*>(GlobalLock(block)), "IPE20");
    GlobalUnlock(block);
    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_EQ(GlobalFree(block), block) << "a second free is reported";
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalSize(block), 0u);
    EXPECT_EQ(win::liveGlobalBlocks(), before);
}

TEST(GlobalMemory, LocksCountAndBlockResizeWhileLocked) {
    HGLOBAL block = GlobalAlloc(GHND, 4);
    GlobalLock(block);
    GlobalLock(block);
    EXPECT_EQ(GlobalFlags(block), 2u);
    EXPECT_EQ(GlobalReAlloc(block, 100, GMEM_MOVEABLE), nullptr);
    EXPECT_TRUE(GlobalUnlock(block)) << "still locked once";
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_FALSE(GlobalUnlock(block)) << "not locked any more";
    EXPECT_EQ(GlobalReAlloc(block, 100, GMEM_MOVEABLE), block);
    EXPECT_EQ(GlobalSize(block), 100u);
    const char* bytes = static_cast<const char*>(GlobalLock(block));
    EXPECT_EQ(bytes[99], 0) << "new bytes are zero";
    GlobalUnlock(block);
    GlobalFree(block);
}

TEST(GlobalMemory, EmptyAndHugeRequests) {
    HGLOBAL empty = GlobalAlloc(GMEM_MOVEABLE, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(GlobalLock(empty), nullptr);
    GlobalFree(empty);
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, SIZE_T{1} << 40), nullptr);
    EXPECT_EQ(GlobalFlags(nullptr), 0x8000u);
}
