// The replacer searches only for names that occur as words, and must give what searching
// for every name in order gives.
#include "standards/KvWordReplacer.h"

#include <gtest/gtest.h>

namespace {

std::string replaced(const KvWordReplacer& replacer, const char* text) {
    Mdx_String result = text;
    replacer.replaceIn(result);
    return result.str();
}

TEST(WordReplacer, NamesThatAreNoSingleWordAreFoundToo) {
    const KvWordReplacer replacer({"plate width", "a.b", "x"}, {"B2", "B3", "B4"}, false);
    EXPECT_EQ(replaced(replacer, "plate width * 2 + a.b - x"), "B2 * 2 + B3 - B4");
    EXPECT_EQ(replaced(replacer, "plate widths + a.bc"), "plate widths + a.bc");
}

TEST(WordReplacer, ANameIsReplacedOnlyWhenItsTurnComesInTheOrder) {
    // "C9" comes first, so the C9 that replacing p leaves stays.
    const KvWordReplacer earlier({"C9", "p"}, {"X", "C9"}, false);
    EXPECT_EQ(replaced(earlier, "p + c9"), "C9 + X");
    // Here it comes later and is replaced inside the replacement as well.
    const KvWordReplacer later({"p", "C9"}, {"C9", "X"}, false);
    EXPECT_EQ(replaced(later, "p"), "X");
    // Of two equal names the first one wins.
    const KvWordReplacer twice({"a", "A"}, {"B1", "C1"}, false);
    EXPECT_EQ(replaced(twice, "a*A"), "B1*B1");
}

TEST(WordReplacer, OneReplacerServesManyTexts) {
    const KvWordReplacer replacer({"w", "t", "gen_x"}, {"A5", "A6", "hi"}, true);
    EXPECT_EQ(replaced(replacer, "w + t"), "\"A5\" + \"A6\"");
    EXPECT_EQ(replaced(replacer, "gen_x & \"t\""), "\"hi\" & \"t\"");
    // A quote in a text value stays inside the text it becomes.
    const KvWordReplacer inch({"gen_size", "size"}, {"3/4\" bolt", "B2"}, true);
    EXPECT_EQ(replaced(inch, "gen_size & size"), "\"3/4\"\" bolt\" & \"B2\"");
    Mdx_String none = "nothing here";
    EXPECT_FALSE(replacer.replaceIn(none));
    EXPECT_EQ(none.str(), "nothing here");
}

}  // namespace
