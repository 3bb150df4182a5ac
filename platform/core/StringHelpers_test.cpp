#include "core/StringHelpers.h"

#include <gtest/gtest.h>

namespace {

Mdx_StringArray arr(std::initializer_list<Mdx_String> items) {
    return stringArr(items);
}

TEST(StringHelpers, StrToArrKeepsEmptyItems) {
    EXPECT_EQ(strToArr("a;;b;"), arr({"a", "", "b", ""}));
    EXPECT_EQ(strToArr(";"), arr({"", ""}));
    EXPECT_EQ(strToArr("single"), arr({"single"}));
    EXPECT_TRUE(strToArr("").isEmpty());
    EXPECT_EQ(strToArr("a\xBF"
                       "b",
                       "\xBF"),
              arr({"a", "b"}));
    EXPECT_EQ(strToArr("a<>b<>c", "<>"), arr({"a", "b", "c"}));
    EXPECT_EQ(strToArr("a;b", ""), arr({"a;b"}));
}

TEST(StringHelpers, ArrToStrIsTheInverseOfStrToArr) {
    for (const char* text : {"a;b;c", "a;;b;", ";", ";x", "x"})
        EXPECT_EQ(arrToStr(strToArr(text)), Mdx_String(text)) << text;
    EXPECT_EQ(arrToStr(Mdx_StringArray()), Mdx_String());
    Mdx_String out("old");
    arrToStr(arr({"1", "2"}), out, ", ");
    EXPECT_EQ(out, Mdx_String("1, 2"));
}

TEST(StringHelpers, AppStrsJoinsWithoutSeparator) {
    EXPECT_EQ(appStrs({"These settings", " apply", "\n"}), Mdx_String("These settings apply\n"));
    EXPECT_EQ(appStrs({}), Mdx_String());
}

TEST(StringHelpers, SplitAtSymbolBothForms) {
    Mdx_String name, expression;
    EXPECT_TRUE(splitStringAtSymbol("x=a=b", "=", name, expression, true));
    EXPECT_EQ(name, Mdx_String("x"));
    EXPECT_EQ(expression, Mdx_String("a=b"));

    Mdx_StringArray parts;
    splitStringAtSymbol("\"file\",  a,b", ",", parts, true);
    EXPECT_EQ(parts, arr({"\"file\"", "  a", "b"}));

    splitStringAtSymbol("1x2X3", "x", parts, false);
    EXPECT_EQ(parts, arr({"1", "2", "3"}));
    splitStringAtSymbol("1x2X3", "x", parts, true);
    EXPECT_EQ(parts, arr({"1", "2X3"}));
}

TEST(StringHelpers, ListSearchAndAffixes) {
    int which = 99;
    EXPECT_TRUE(hasASubstr("=callchild(\"x\")", arr({"Max", "CallChild"}), false, &which));
    EXPECT_EQ(which, 1);
    EXPECT_FALSE(hasASubstr("=callchild(\"x\")", arr({"CallChild"}), true, &which));
    EXPECT_EQ(which, -1);
    EXPECT_FALSE(hasASubstr("anything", Mdx_StringArray(), false));
    EXPECT_TRUE(startsWith("C:\\LIB\\a", "c:\\lib", false));
}

TEST(StringHelpers, StringArrayFindWithTheCaseFlag) {
    const Mdx_StringArray keys = arr({"abcDEF", "ABCdef", "x"});
    EXPECT_EQ(keys.find("ABCdef", true), 1);
    EXPECT_EQ(keys.find("ABCdef", false), 0);
    EXPECT_EQ(keys.find("abc", false), -1);
    int index = 5;
    EXPECT_FALSE(keys.find("y", index, false));
    EXPECT_EQ(index, -1);
    EXPECT_TRUE(keys.find("X", index, false));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(keys.findContaining("Cde", false), 0);
    EXPECT_EQ(keys.find(Mdx_String("x")), 2);  // plain equality of the generic array
}

TEST(StringHelpers, RecordsFromLinesAndBack) {
    const Mdx_StringArray lines =
        arr({"a\xBF"
             "b\xBF",
             "c"});
    Mdx_Array<Mdx_StringArray> records;
    arrToArrArr(lines, records, "\xBF");
    ASSERT_EQ(records.length(), 2);
    EXPECT_EQ(records[0], arr({"a", "b", ""}));
    EXPECT_EQ(records[1], arr({"c"}));
    Mdx_StringArray back;
    arrArrToArr(records, back, "\xBF");
    EXPECT_EQ(back, lines);
}

TEST(StringHelpers, Comments) {
    Mdx_String line("Key\tValue // note // more");
    removeLineComment(line);
    EXPECT_EQ(line, Mdx_String("Key\tValue "));

    Mdx_StringArray lines = arr({"100x10 /* old", "still comment", "end */ 120x12 // c",
                                 "/*a*/140/*b*/x/*c*/14", "http:// x", "/* open"});
    removeComments(lines);
    EXPECT_EQ(lines, arr({"100x10 ", "", " 120x12 ", "140x14", "http:", ""}));
}

TEST(StringHelpers, FindNonExistingStringCountsUp) {
    EXPECT_EQ(findNonExistingString(arr({"A", "B"}), "Table"), Mdx_String("Table"));
    EXPECT_EQ(findNonExistingString(arr({"table", "Table1", "TABLE2"}), "Table"),
              Mdx_String("Table3"));
    EXPECT_EQ(findNonExistingString(Mdx_StringArray(), ""), Mdx_String(""));
    EXPECT_EQ(findNonExistingString(arr({""}), ""), Mdx_String("1"));
}

TEST(StringHelpers, SortArrayIgnoresCaseButIsDeterministic) {
    Mdx_StringArray names = arr({"beta", "Alpha", "alpha", "Gamma", "\xC9t", "delta"});
    sortArray(names);
    EXPECT_EQ(names, arr({"Alpha", "alpha", "beta", "delta", "Gamma", "\xC9t"}));
}

TEST(StringHelpers, NameChecks) {
    EXPECT_TRUE(hasOnlyLettersNumbers("Plate_2"));
    EXPECT_FALSE(hasOnlyLettersNumbers("Plate 2"));
    EXPECT_FALSE(hasOnlyLettersNumbers("L\xE4nge"));
    EXPECT_FALSE(hasOnlyLettersNumbers(""));
    EXPECT_TRUE(startsWithNumber("2nd"));
    EXPECT_FALSE(startsWithNumber("x2"));
    EXPECT_FALSE(startsWithNumber(""));
}

}  // namespace

namespace {

TEST(StringHelpersLines, EveryLineEndingAndNoPhantomLastLine) {
    Mdx_StringArray lines;
    splitLines("a\r\nb\nc\rd", lines);
    EXPECT_EQ(lines, stringArr({"a", "b", "c", "d"}));
    splitLines("a\n\nb\r\n", lines);
    EXPECT_EQ(lines, stringArr({"a", "", "b"}));
    splitLines("\r\r\n", lines);  // a lone CR, then CR LF: two empty lines
    EXPECT_EQ(lines, stringArr({"", ""}));
    splitLines("", lines);
    EXPECT_TRUE(lines.isEmpty());
}

}  // namespace
