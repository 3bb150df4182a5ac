#include "core/Mdx_Array.h"

#include <gtest/gtest.h>

namespace {

TEST(Mdx_Array, EditingWithBadIndicesChangesNothing) {
    Mdx_Array<int> a{1, 2, 3};
    EXPECT_FALSE(a.insertAt(-1, 9));
    EXPECT_FALSE(a.insertAt(4, 9));
    EXPECT_FALSE(a.removeAt(3));
    EXPECT_FALSE(a.removeAt(-1));
    EXPECT_FALSE(a.swap(0, 3));
    EXPECT_EQ(a, (Mdx_Array<int>{1, 2, 3}));
    EXPECT_TRUE(a.insertAt(3, 4));  // at the end appends
    EXPECT_TRUE(a.insertAt(0, 0));
    EXPECT_TRUE(a.removeAt(2));
    EXPECT_TRUE(a.swap(0, 3));
    EXPECT_EQ(a, (Mdx_Array<int>{4, 1, 3, 0}));
}

TEST(Mdx_Array, AppendFindAndLength) {
    Mdx_Array<int> a;
    EXPECT_EQ(a.append(5), 0);
    EXPECT_EQ(a.append(7), 1);
    a.appendAll(Mdx_Array<int>{5, 8});
    EXPECT_EQ(a.find(5), 0);
    EXPECT_EQ(a.find(8), 3);
    EXPECT_EQ(a.find(6), -1);
    a.setLength(6);
    EXPECT_EQ(a.last(), 0);
    a.setLength(-2);
    EXPECT_TRUE(a.isEmpty());
}

TEST(Mdx_ArrayDeathTest, AccessOutsideStopsWithAMessage) {
    Mdx_Array<int> a{1};
    EXPECT_DEATH((void)a[1], "index 1 outside 0..0");
    EXPECT_DEATH((void)a.at(-1), "index -1");
    Mdx_Array<int> empty;
    EXPECT_DEATH((void)empty.last(), "outside");
}

}  // namespace
