#include "core/Mdx_String.h"

#include <gtest/gtest.h>

namespace {

const Mdx_String kEAcuteUpper("\xC9");
const Mdx_String kEAcuteLower("\xE9");

TEST(Mdx_String, EqualWithTheCaseFlag) {
    EXPECT_TRUE(Mdx_String("Length").equal("LENGTH", false));
    EXPECT_FALSE(Mdx_String("Length").equal("LENGTH", true));
    EXPECT_TRUE(Mdx_String("Length").equal("Length", true));
    EXPECT_TRUE((Mdx_String("R") + kEAcuteUpper + "sum")
                    .equal(Mdx_String("r") + kEAcuteLower + "SUM", false));
    EXPECT_FALSE(Mdx_String("Len").equal("Length", false));
    EXPECT_FALSE(Mdx_String("\xD7").equal("\xF7", false));
}

TEST(Mdx_String, EmbeddedZeroBytesArePartOfTheText) {
    const Mdx_String a(std::string("a\0b", 3));
    const Mdx_String b(std::string("a\0c", 3));
    EXPECT_EQ(a.length(), 3);
    EXPECT_FALSE(a.equal(b, false));
    EXPECT_EQ(a.find(Mdx_String("b"), true), 2);
}

TEST(Mdx_String, CompareAndAffixes) {
    EXPECT_EQ(Mdx_String("abc").compare("ABC", false), 0);
    EXPECT_GT(Mdx_String("abc").compare("ABC", true), 0);
    EXPECT_LT(Mdx_String("ab").compare("abc", true), 0);
    EXPECT_TRUE(Mdx_String("C:\\Lib\\x.kvs").startsWith("c:\\lib\\", false));
    EXPECT_FALSE(Mdx_String("C:\\Lib\\x.kvs").startsWith("c:\\lib\\", true));
    EXPECT_FALSE(Mdx_String("ab").startsWith("abc", false));
    EXPECT_TRUE(Mdx_String("x.KVS").endsWith(".kvs", false));
    EXPECT_TRUE(Mdx_String("anything").startsWith("", true));
}

TEST(Mdx_String, FindFromAPosition) {
    const Mdx_String s("Width*width+WIDTH");
    EXPECT_EQ(s.find("width", true), 6);
    EXPECT_EQ(s.find("width", false), 0);
    EXPECT_EQ(s.findFirstFrom("width", 1, false), 6);
    EXPECT_EQ(s.findFirstFrom("width", 7, false), 12);
    EXPECT_EQ(s.findFirstFrom("width", 13, false), -1);
    EXPECT_EQ(s.findFirstFrom("width", -5, false), 0);
    EXPECT_EQ(s.findFirstFrom("", s.length(), true), s.length());
    EXPECT_EQ(s.findFirstFrom("", s.length() + 1, true), -1);
    EXPECT_EQ(s.findFirstFrom("x", 1000, true), -1);
    EXPECT_EQ(s.findLast("WIDTH", false), 12);
    EXPECT_EQ(s.findLast("Width", true), 0);
    EXPECT_EQ(s.findLast("zz", false), -1);
    EXPECT_TRUE(s.hasASubstr("H*W", false));
    EXPECT_FALSE(s.hasASubstr("H*W", true));
}

TEST(Mdx_String, ReplaceCountsAndDoesNotRescanInsertedText) {
    Mdx_String s("aXa");
    EXPECT_EQ(s.replace("a", "aa", true), 2);
    EXPECT_EQ(s, Mdx_String("aaXaa"));

    Mdx_String t("Bolt bolt BOLT");
    EXPECT_EQ(t.replace("bolt", "nut", false), 3);
    EXPECT_EQ(t, Mdx_String("nut nut nut"));

    Mdx_String u("Bolt bolt");
    EXPECT_EQ(u.replace("bolt", "nut", true), 1);
    EXPECT_EQ(u, Mdx_String("Bolt nut"));

    Mdx_String overlapping("aaaa");
    EXPECT_EQ(overlapping.replace("aa", "b", true), 2);
    EXPECT_EQ(overlapping, Mdx_String("bb"));

    Mdx_String unchanged("abc");
    EXPECT_EQ(unchanged.replace("", "x", true), 0);
    EXPECT_EQ(unchanged.replace("zz", "x", true), 0);
    EXPECT_EQ(unchanged, Mdx_String("abc"));

    Mdx_String removal("a, b, c");
    EXPECT_EQ(removal.replace(", ", "", true), 2);
    EXPECT_EQ(removal, Mdx_String("abc"));
}

TEST(Mdx_String, PartsClampOutOfRangeArguments) {
    const Mdx_String s("abcdef");
    EXPECT_EQ(s.left(2), Mdx_String("ab"));
    EXPECT_EQ(s.left(99), s);
    EXPECT_EQ(s.left(-1), Mdx_String());
    EXPECT_EQ(s.right(2), Mdx_String("ef"));
    EXPECT_EQ(s.right(99), s);
    EXPECT_EQ(s.mid(4), Mdx_String("ef"));
    EXPECT_EQ(s.mid(1, 2), Mdx_String("bc"));
    EXPECT_EQ(s.mid(10, 2), Mdx_String());
    EXPECT_EQ(s.mid(-3, 2), Mdx_String("ab"));
    EXPECT_EQ(s.at(6), '\0');
    EXPECT_EQ(s.at(-1), '\0');
}

TEST(Mdx_String, EditingInPlace) {
    Mdx_String s("abef");
    s.insert(2, "cd");
    EXPECT_EQ(s, Mdx_String("abcdef"));
    s.remove(1, 2);
    EXPECT_EQ(s, Mdx_String("adef"));
    s.remove(-1, 2);  // the part before the start counts against the count
    EXPECT_EQ(s, Mdx_String("def"));
    s.remove(2, 100);
    EXPECT_EQ(s, Mdx_String("de"));
    s.insert(100, "!");
    EXPECT_EQ(s, Mdx_String("de!"));
    s.setAt(0, 'D');
    s.setAt(9, 'x');
    EXPECT_EQ(s, Mdx_String("De!"));
}

TEST(Mdx_String, AppendNumbersAndTexts) {
    Mdx_String s("Nut ");
    s.append(2).append(' ').append(2.5, 3).append("mm");
    EXPECT_EQ(s, Mdx_String("Nut 2 2.5mm"));
    EXPECT_EQ(Mdx_String("a") + "b" + 'c' + Mdx_String("d"), Mdx_String("abcd"));
    EXPECT_EQ("x" + Mdx_String("y"), Mdx_String("xy"));
}

TEST(Mdx_String, SplitAtFirstKeepsFurtherSymbolsInTheTail) {
    Mdx_String name, expression;
    EXPECT_TRUE(Mdx_String("h = IF(a=b;1;2)").splitAtFirst("=", name, expression, true));
    EXPECT_EQ(name, Mdx_String("h "));
    EXPECT_EQ(expression, Mdx_String(" IF(a=b;1;2)"));

    EXPECT_FALSE(Mdx_String("no symbol").splitAtFirst("=", name, expression, true));
    EXPECT_EQ(name, Mdx_String("no symbol"));
    EXPECT_TRUE(expression.isEmpty());

    Mdx_String self("key=value");
    Mdx_String rest;
    EXPECT_TRUE(self.splitAtFirst("=", self, rest, true));  // the output may be the input
    EXPECT_EQ(self, Mdx_String("key"));
    EXPECT_EQ(rest, Mdx_String("value"));

    Mdx_String before, after;
    EXPECT_TRUE(Mdx_String("aANDb").splitAtFirst("and", before, after, false));
    EXPECT_EQ(before, Mdx_String("a"));
    EXPECT_FALSE(Mdx_String("aANDb").splitAtFirst("and", before, after, true));
}

TEST(Mdx_String, TrimAndCase) {
    Mdx_String s(" \t x y \r\n");
    EXPECT_EQ(s.trim(), Mdx_String("x y"));
    Mdx_String word = Mdx_String("stra") + "\xDF" + "e " + kEAcuteLower;
    word.makeUpper();
    EXPECT_EQ(word, Mdx_String("STRA") + "\xDF" + "E " + kEAcuteUpper);
    word.makeLower();
    EXPECT_EQ(word, Mdx_String("stra") + "\xDF" + "e " + kEAcuteLower);
}

TEST(Mdx_String, NumberConversions) {
    EXPECT_EQ(Mdx_String("42 bolts").toInt(), 42);
    EXPECT_EQ(Mdx_String("bolts").toInt(), 0);
    EXPECT_DOUBLE_EQ(Mdx_String(" -12.75").toDouble(), -12.75);
    EXPECT_TRUE(Mdx_String("-12.75").isNumber());
    EXPECT_FALSE(Mdx_String("12.75mm").isNumber());
    EXPECT_EQ(Mdx_String(3.14159265, 6, false), Mdx_String("3.141593"));
    EXPECT_EQ(Mdx_String(250.0, 8, false), Mdx_String("250"));
    EXPECT_EQ(Mdx_String(250.0, 2, true), Mdx_String("250.00"));
    EXPECT_EQ(Mdx_String::fromInt(-7), Mdx_String("-7"));
    EXPECT_EQ(Mdx_String::format("%s-%03d", "HEA", 7), Mdx_String("HEA-007"));
}

TEST(Mdx_String, Utf8AtTheEdges) {
    const Mdx_String s = Mdx_String("Gr") + "\xF6" + "\xDF" + "e " + "\x80";
    EXPECT_EQ(s.toUtf8(),
              "Gr\xC3\xB6\xC3\x9F"
              "e \xE2\x82\xAC");
    EXPECT_EQ(Mdx_String::fromUtf8(s.toUtf8()), s);
}

}  // namespace
