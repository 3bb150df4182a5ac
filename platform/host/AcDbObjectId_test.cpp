#include "host/AcDbObjectId.h"

#include <gtest/gtest.h>

#include <unordered_set>

namespace {

TEST(AcDbObjectId, DefaultIsTheNullId) {
    AcDbObjectId id;
    EXPECT_TRUE(id.isNull());
    EXPECT_EQ(id, AcDbObjectId::kNull);
    id = AcDbObjectId::fromHandle(5);
    EXPECT_FALSE(id.isNull());
    id.setNull();
    EXPECT_EQ(id, AcDbObjectId::kNull);
}

TEST(AcDbObjectId, TextFormRoundTrips) {
    for (std::uint64_t handle : {0ull, 1ull, 0xABCull, 0xFFFFFFFFFFFFFFFFull}) {
        AcDbObjectId id = AcDbObjectId::fromHandle(handle);
        AcDbObjectId back = AcDbObjectId::fromHandle(77);
        ASSERT_TRUE(AcDbObjectId::fromText(id.toText(), back)) << id.toText();
        EXPECT_EQ(back, id);
    }
    EXPECT_EQ(AcDbObjectId::fromHandle(0x2f).toText(), "2F");
    EXPECT_EQ(AcDbObjectId().toText(), "0");
}

TEST(AcDbObjectId, MalformedTextLeavesTheIdAlone) {
    AcDbObjectId id = AcDbObjectId::fromHandle(9);
    for (const char* bad : {"", "G", "-1", " 1", "1 ", "0x1", "12345678901234567"}) {
        EXPECT_FALSE(AcDbObjectId::fromText(bad, id)) << bad;
        EXPECT_EQ(id.handle(), 9u);
    }
    EXPECT_TRUE(AcDbObjectId::fromText("00000000000000ff", id));
    EXPECT_EQ(id.handle(), 255u);
}

TEST(AcDbObjectId, OrderAndHashFollowTheHandle) {
    EXPECT_LT(AcDbObjectId::fromHandle(2), AcDbObjectId::fromHandle(10));
    std::unordered_set<AcDbObjectId> set;
    for (std::uint64_t h = 0; h < 100; ++h) set.insert(AcDbObjectId::fromHandle(h % 50));
    EXPECT_EQ(set.size(), 50u);
    EXPECT_TRUE(set.count(AcDbObjectId::kNull));
}

}  // namespace
