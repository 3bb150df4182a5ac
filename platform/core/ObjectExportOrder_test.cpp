#include "core/ObjectExportOrder.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/StringHelpers.h"

namespace {

TEST(ObjectExportOrder, SortCarriesIndicesAlongStably) {
    AcArray<double> x{30.0, 10.0, 20.0, 10.0};
    AcArray<int> ids{0, 1, 2, 3};
    ASSERT_TRUE(ObjectExportSort(x, ids));
    EXPECT_EQ(x, (AcArray<double>{10.0, 10.0, 20.0, 30.0}));
    EXPECT_EQ(ids, (AcArray<int>{1, 3, 2, 0}));

    AcArray<int> tooShort{0};
    EXPECT_FALSE(ObjectExportSort(x, tooShort));
}

TEST(ObjectExportOrder, SortSurvivesNotANumber) {
    AcArray<double> x{2.0, NAN, 1.0, NAN, 0.5};
    ObjectExportSort(x);
    EXPECT_DOUBLE_EQ(x[0], 0.5);
    EXPECT_DOUBLE_EQ(x[1], 1.0);
    EXPECT_DOUBLE_EQ(x[2], 2.0);
    EXPECT_TRUE(std::isnan(x[3]) && std::isnan(x[4]));
}

TEST(ObjectExportOrder, NaturalOrderOfSizeNames) {
    EXPECT_LT(compareNatural("100x10", "100x12"), 0);
    EXPECT_LT(compareNatural("100x100x8", "100x100x10"), 0);
    EXPECT_LT(compareNatural("HEA100", "hea1000"), 0);
    EXPECT_LT(compareNatural("HEA 200", "HEB 100"), 0);
    EXPECT_GT(compareNatural("IPE80", "IPE 80"), 0);  // a blank sorts before letters and digits
    EXPECT_GT(compareNatural("x007", "x7"), 0);       // equal value: the shorter run first
    EXPECT_EQ(compareNatural("L50", "L50"), 0);
    EXPECT_NE(compareNatural("l50", "L50"), 0);  // equal ignoring case, still ordered
    EXPECT_LT(compareNatural("a99999999999999999999999", "a100000000000000000000000"), 0);
}

TEST(ObjectExportOrder, AddToSortedFindsTheInsertPosition) {
    const Mdx_StringArray sizes = stringArr({"100x100x8", "100x100x10", "120x120x10"});
    EXPECT_EQ(ObjectExportAddToSorted(sizes, "100x100x9"), 1);
    EXPECT_EQ(ObjectExportAddToSorted(sizes, "90x90x9"), 0);
    EXPECT_EQ(ObjectExportAddToSorted(sizes, "150x150x12"), 3);
    EXPECT_EQ(ObjectExportAddToSorted(sizes, "100x100x10"), 2);  // after its equal
    EXPECT_EQ(ObjectExportAddToSorted(Mdx_StringArray(), "x"), 0);
}

}  // namespace
