#include "host/AcArray.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AcArrayGrowth, GrowsByTheGrowthLengthAndByHalfWhenLong) {
    AcArray<int> a(0, 8);
    EXPECT_EQ(a.physicalLength(), 0);
    for (int i = 0; i < 8; ++i) a.append(i);
    EXPECT_EQ(a.physicalLength(), 8);
    a.append(8);
    EXPECT_EQ(a.physicalLength(), 16);

    AcArray<int> longOne(0, 2);
    int reallocations = 0;
    const int* storage = nullptr;
    for (int i = 0; i < 100000; ++i) {
        longOne.append(i);
        if (longOne.asArrayPtr() != storage) ++reallocations;
        storage = longOne.asArrayPtr();
    }
    EXPECT_LT(reallocations, 40);  // growth by 2 alone would reallocate 50000 times
    EXPECT_EQ(longOne.length(), 100000);
    EXPECT_EQ(longOne[99999], 99999);
}

TEST(AcArrayGrowth, GrowthLengthBelowOneBecomesOne) {
    AcArray<int> a(0, 0);
    EXPECT_EQ(a.growLength(), 1);
    a.setGrowLength(-5);
    EXPECT_EQ(a.growLength(), 1);
    a.append(1);
    EXPECT_EQ(a.physicalLength(), 1);
}

TEST(AcArrayGrowth, LogicalLengthFillsWithZeroNeverWithOldValues) {
    AcArray<int> a{5, 6, 7};
    a.setLogicalLength(1);
    a.setLogicalLength(4);
    EXPECT_EQ(a, (AcArray<int>{5, 0, 0, 0}));
    a.setLogicalLength(-1);
    EXPECT_TRUE(a.isEmpty());
}

TEST(AcArrayGrowth, PhysicalLengthBelowLogicalDropsTheTail) {
    AcArray<int> a{1, 2, 3, 4};
    a.setPhysicalLength(2);
    EXPECT_EQ(a, (AcArray<int>{1, 2}));
    a.removeAll();
    EXPECT_EQ(a.physicalLength(), 2);
    EXPECT_EQ(a.length(), 0);
}

TEST(AcArrayAliasing, AppendingOwnElementWhileGrowingCopiesTheValue) {
    AcArray<std::string> a(1, 1);
    a.append("first");
    a.append(a[0]);  // the storage moves during this append
    a.insertAt(0, a[1]);
    EXPECT_EQ(a, (AcArray<std::string>{"first", "first", "first"}));
    a.append(a);
    EXPECT_EQ(a.length(), 6);
    EXPECT_EQ(a.last(), "first");
}

TEST(AcArrayEditing, InsertAtAcceptsZeroToLengthOnly) {
    AcArray<int> a{1, 3};
    a.insertAt(1, 2).insertAt(0, 0).insertAt(4, 4);
    EXPECT_EQ(a, (AcArray<int>{0, 1, 2, 3, 4}));
    a.insertAt(6, 9).insertAt(-1, 9);
    EXPECT_EQ(a, (AcArray<int>{0, 1, 2, 3, 4}));
}

TEST(AcArrayEditing, RemoveOutsideTheArrayChangesNothing) {
    AcArray<int> a{1, 2, 3};
    a.removeAt(3).removeAt(-1);
    EXPECT_EQ(a, (AcArray<int>{1, 2, 3}));
    a.removeAt(1);
    EXPECT_EQ(a, (AcArray<int>{1, 3}));
    a.removeFirst().removeLast().removeLast();
    EXPECT_TRUE(a.isEmpty());
    a.setAt(0, 7).swap(0, 1);
    EXPECT_TRUE(a.isEmpty());
}

TEST(AcArrayEditing, RemoveValueTakesTheFirstMatchFromStart) {
    AcArray<int> a{4, 5, 4, 5};
    EXPECT_TRUE(a.remove(5, 2));
    EXPECT_EQ(a, (AcArray<int>{4, 5, 4}));
    EXPECT_FALSE(a.remove(9));
}

TEST(AcArraySearch, FindHonoursTheStartIndex) {
    AcArray<int> a{7, 8, 7};
    int at = -5;
    EXPECT_TRUE(a.find(7, at, 1));
    EXPECT_EQ(at, 2);
    at = -5;
    EXPECT_FALSE(a.find(8, at, 2));
    EXPECT_EQ(at, -5);
    EXPECT_EQ(a.find(8), 1);
    EXPECT_EQ(a.find(9), -1);
    EXPECT_TRUE(a.contains(7, -3));
    EXPECT_FALSE(AcArray<int>().contains(0));
}

TEST(AcArrayValues, CopiesAreDeepAndMovesEmptyTheSource) {
    AcArray<double> a{1.5, 2.5};
    AcArray<double> b = a;
    b[0] = 9;
    EXPECT_EQ(a[0], 1.5);
    AcArray<double> c = std::move(a);
    EXPECT_EQ(c.length(), 2);
    EXPECT_EQ(a.length(), 0);  // NOLINT(bugprone-use-after-move): moved-from is empty
    a.append(3);
    EXPECT_EQ(a.length(), 1);
    b = c;
    EXPECT_EQ(b, c);
    AcArray<double>& alias = b;
    b = alias;  // assigning an array to itself keeps it
    EXPECT_EQ(b, c);
}

TEST(AcArrayValues, BoolElementsAreRealReferences) {
    AcArray<bool> flags;
    flags.setLogicalLength(3);
    bool& middle = flags.at(1);
    middle = true;
    EXPECT_EQ(flags, (AcArray<bool>{false, true, false}));
    flags.reverse();
    EXPECT_EQ(flags, (AcArray<bool>{false, true, false}));
    flags.setAll(true);
    EXPECT_EQ(flags.find(false), -1);
}

TEST(AcArrayDeathTest, AccessOutsideTheArrayStopsTheProgram) {
    AcArray<int> a{1};
    EXPECT_DEATH(a[1], "index 1 outside an array of length 1");
    EXPECT_DEATH(a.at(-1), "index -1");
    EXPECT_DEATH(AcArray<int>().last(), "length 0");
}

}  // namespace
