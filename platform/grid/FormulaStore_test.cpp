#include "grid/FormulaStore.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

TEST(FormulaStore, SameCodeIsStoredOnceAndCounted) {
    FormulaStore store;
    std::uint32_t a = store.intern("abc");
    std::uint32_t b = store.intern("abc");
    std::uint32_t c = store.intern("abd");
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
    EXPECT_EQ(store.get(a).uses, 2u);
    EXPECT_EQ(store.liveCount(), 2u);
    store.release(a);
    EXPECT_EQ(store.liveCount(), 2u);
    store.release(a);
    EXPECT_EQ(store.liveCount(), 1u);
    // A released code is stored anew, in a reused slot.
    std::uint32_t again = store.intern("abc");
    EXPECT_EQ(store.get(again).code, "abc");
    EXPECT_EQ(store.get(c).code, "abd");
}

TEST(FormulaStore, ManyInternsAndReleasesKeepFindingEveryLiveCode) {
    FormulaStore store;
    std::vector<std::uint32_t> ids;
    for (int round = 0; round < 5; ++round) {
        ids.clear();
        for (int i = 0; i < 3000; ++i) ids.push_back(store.intern("code" + std::to_string(i)));
        // Release every other one: tombstones between live entries.
        for (int i = 0; i < 3000; i += 2) store.release(ids[static_cast<size_t>(i)]);
        for (int i = 1; i < 3000; i += 2)
            EXPECT_EQ(store.intern("code" + std::to_string(i)), ids[static_cast<size_t>(i)]);
        for (int i = 1; i < 3000; i += 2) {
            store.release(ids[static_cast<size_t>(i)]);
            store.release(ids[static_cast<size_t>(i)]);
        }
        EXPECT_EQ(store.liveCount(), 0u);
    }
}

TEST(FormulaStore, ReferencesAreListedOnce) {
    FormulaStore store;
    std::string code;
    code.push_back(static_cast<char>(Op::CellValue));
    writeCorner(code, CodeCorner{0, -1, 0});
    code.push_back(static_cast<char>(Op::RangeRef));
    writeCorner(code, CodeCorner{kColumnAbsolute | kRowAbsolute, 1, 1});
    writeCorner(code, CodeCorner{kColumnAbsolute | kRowAbsolute, 2, 5});
    code.push_back(static_cast<char>(Op::Add));
    std::uint32_t id = store.intern(code);
    const Formula& f = store.get(id);
    ASSERT_EQ(f.refs.size(), 2u);
    CellRect r;
    ASSERT_TRUE(resolveReference(f.code, f.refs[0], 3, 4, r));
    EXPECT_EQ(r.column1, 2);
    EXPECT_EQ(r.row1, 4);
    ASSERT_TRUE(resolveReference(f.code, f.refs[1], 3, 4, r));
    EXPECT_EQ(r.row2, 5);
    // Seen from column 1, the relative reference leaves the sheet.
    EXPECT_FALSE(resolveReference(f.code, f.refs[0], 1, 4, r));
}

}  // namespace
}  // namespace grid
