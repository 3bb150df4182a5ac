#include "spread/PropStore.h"

#include <gtest/gtest.h>

namespace {

const std::string kSep(1, '\xA4');

std::string join(std::initializer_list<const char*> pieces) {
    std::string out;
    for (const char* piece : pieces) out += std::string(piece) + kSep;
    return out;
}

TEST(PropStore, TextFormIsKeyKindValueSeparatedByTheCurrencyByte) {
    PropStore store;
    store.setInt("marginLeft", 12);
    store.setText("defaultFont", "Tahoma");
    store.setDouble("scale", 2.5);
    EXPECT_EQ(store.toText().str(),
              join({"marginLeft", "2", "12", "defaultFont", "4", "Tahoma", "scale", "1", "2.50"}));

    Mdx_String face;
    EXPECT_TRUE(store.getText("DEFAULTFONT", face)) << "keys ignore letter case";
    EXPECT_EQ(face.str(), "Tahoma");
    store.setText("DefaultFont", "Arial");
    EXPECT_EQ(store.size(), 3) << "an existing key is replaced in place";
    EXPECT_EQ(store.entries()[1].key.str(), "defaultFont");
    int number = 5;
    EXPECT_FALSE(store.getInt("defaultFont", number)) << "another kind";
    EXPECT_EQ(number, 0);
    EXPECT_FALSE(store.set(Mdx_String("bad") + '\xA4', PropValue::ofInt(1)));
}

TEST(PropStore, ReadingDropsAnIncompleteTailAndUnknownKinds) {
    PropStore store;
    ASSERT_TRUE(store.fromText(join({"a", "2", "7", "odd", "7", "x", "b", "4"})));
    ASSERT_EQ(store.size(), 2);
    int a = 0;
    EXPECT_TRUE(store.getInt("a", a));
    EXPECT_EQ(a, 7);
    ASSERT_NE(store.find("odd"), nullptr);
    EXPECT_EQ(store.find("odd")->kind(), PropValue::None);
    EXPECT_TRUE(store.find("odd")->toText().isEmpty());
    EXPECT_EQ(store.find("b"), nullptr) << "key and kind without value";
}

TEST(PropStore, ANumberBeyondADoubleIsRefusedAndTheStoreKept) {
    PropStore store;
    store.setInt("kept", 3);
    // It would be written back as "inf", which reads as another value.
    EXPECT_FALSE(store.fromText(join({"w", "1", "2e999", ""})));
    int kept = 0;
    EXPECT_TRUE(store.getInt("kept", kept));
    EXPECT_EQ(kept, 3);
    ASSERT_TRUE(store.fromText(join({"w", "1", "2e300", ""})));
    PropStore again;
    ASSERT_TRUE(again.fromText(store.toText()));
    EXPECT_EQ(again.toText(), store.toText());
}

TEST(PropStore, ListsStopAtTheFirstGapAndShrinkWhenSetShorter) {
    PropStore store;
    store.setText("varNames0", "first");
    store.setText("varNames2", "third");
    Mdx_StringArray items;
    store.getList("varNames", items);
    ASSERT_EQ(items.length(), 1);
    EXPECT_EQ(items[0].str(), "first");

    store.setList("v", {"a", "b", "c"});
    store.setList("v", {"z"});
    store.getList("v", items);
    ASSERT_EQ(items.length(), 1) << "the old tail would otherwise come back";
    EXPECT_EQ(items[0].str(), "z");
}

// A value holding the separator byte must not cut the entries after it apart, and texts
// without it keep the plain form other readers expect, backslashes and all.
TEST(PropStore, SeparatorBytesInValuesRoundTripWithoutCorruptingLaterEntries) {
    PropStore store;
    store.setText("price", "12 \xA4 each \\ net");
    store.setText("headerFile", "C:\\lib\\head.txt");
    store.setInt("marginTop", 3);
    const Mdx_String text = store.toText();
    EXPECT_NE(text.find(join({"headerFile", "4", "C:\\lib\\head.txt"}), true), -1);

    PropStore back;
    ASSERT_TRUE(back.fromText(text));
    ASSERT_EQ(back.size(), 3);
    Mdx_String value;
    EXPECT_TRUE(back.getText("price", value));
    EXPECT_EQ(value.str(), "12 \xA4 each \\ net");
    EXPECT_TRUE(back.getText("headerFile", value));
    EXPECT_EQ(value.str(), "C:\\lib\\head.txt");
    int top = 0;
    EXPECT_TRUE(back.getInt("marginTop", top));
    EXPECT_EQ(top, 3);

    PropStore kept;
    kept.setInt("keep", 1);
    EXPECT_FALSE(kept.fromText(join({"x", "4e", "broken \\q escape"})));
    EXPECT_EQ(kept.size(), 1) << "a damaged text leaves the store as it was";
}

}  // namespace
