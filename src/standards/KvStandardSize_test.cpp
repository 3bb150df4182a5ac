// Standard sizes within tolerances and the rounding that stands in when none fits.
#include "standards/KvStandardSize.h"

#include <gtest/gtest.h>

namespace {

double choose(const AcArray<double>& sizes, double step, double value, double down, double up) {
    return standardSizeWithTolerance(sizes, step, {value, down, up});
}

TEST(StandardSize, ASizeEqualToTheValueIsTakenFromBelow) {
    EXPECT_EQ(choose({90, 100, 110}, 5, 100, 0, 0), 100);
    EXPECT_EQ(choose({110, 100}, 5, 100, 0, 20), 100);
}

TEST(StandardSize, TheNearestOnEachSideIsFoundInAnyOrder) {
    // Unsorted candidates: the scan keeps the nearer one on each side, whatever the order.
    EXPECT_EQ(choose({130, 101, 120, 99}, 5, 100, 5, 5), 99);
    EXPECT_EQ(choose({130, 102, 97}, 5, 100, 5, 1), 97);  // the nearer one is beyond upTol
    double size = 0;
    EXPECT_FALSE(findNearestStandardSize(AcArray<double>(), {100, 5, 5}, size));
    EXPECT_FALSE(findNearestStandardSize({80, 120}, {100, 5, 5}, size));
}

TEST(StandardSize, RoundingKeepsToTheBand) {
    // Neither multiple of 10 lies within 2 of 104 on its side: the value stays.
    EXPECT_EQ(choose(AcArray<double>(), 10, 104, 2, 2), 104);
    EXPECT_EQ(choose(AcArray<double>(), 10, 104, 4, 2), 100);
    EXPECT_EQ(choose(AcArray<double>(), 10, 104, 2, 6), 110);
    // The sign of the step changes nothing.
    EXPECT_EQ(choose(AcArray<double>(), -10, 104, 4, 2), 100);
    EXPECT_EQ(choose(AcArray<double>(), -10, 104, 2, 6), 110);
    EXPECT_EQ(choose(AcArray<double>(), -5, 104, 2, 2), 105);
}

TEST(StandardSize, ABandTurnedInsideOutStillGivesANumberInsideIt) {
    // downTol -3, upTol 1: low 107 lies above high 105; the value is lifted to low.
    const double result = choose({100, 110}, 5, 104, -3, 1);
    EXPECT_EQ(result, 107);
}

}  // namespace
