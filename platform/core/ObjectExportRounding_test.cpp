#include "core/ObjectExportRounding.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ObjectExportRounding, RoundToNearestMultiple) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(123.0, 5.0), 125.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(122.4, 5.0), 120.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(122.5, 5.0), 125.0);  // half away from zero
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(-122.5, 5.0), -125.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(7.3, 1.0), 7.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(7.3, -2.0), 8.0);  // sign of step does not matter
}

TEST(ObjectExportRounding, DecimalHalvesSurviveBinaryNoise) {
    // 0.35 / 0.1 is 3.4999999999999996 in binary; as a decimal half it rounds up.
    EXPECT_NEAR(ObjectExportRoundTo(0.35, 0.1), 0.4, 1e-12);
    EXPECT_NEAR(ObjectExportRoundTo(1.15, 0.1), 1.2, 1e-12);
}

TEST(ObjectExportRounding, RoundUpStaysOnMultiples) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(121.0, 5.0, 3.0), 125.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(125.0, 5.0, 3.0), 125.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(-121.0, 5.0, 3.0), -120.0);
    // 0.7 / 0.1 is 6.999999999999999: still a multiple, not rounded up to 0.8.
    EXPECT_NEAR(ObjectExportRoundUp(0.7, 0.1, 0.0), 0.7, 1e-12);
    EXPECT_NEAR(ObjectExportRoundUp(0.7000001, 0.1, 0.0), 0.8, 1e-12);
}

TEST(ObjectExportRounding, StepZeroAndNonFiniteLeaveTheValue) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(12.34, 0.0), 12.34);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(12.34, 0.0, 1.0), 12.34);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(12.34, NAN), 12.34);
    EXPECT_TRUE(std::isinf(ObjectExportRoundTo(INFINITY, 5.0)));
}

}  // namespace
