#include "core/sections/Mdx_SectionTableManager.h"

#include <gtest/gtest.h>

namespace {

Mdx_SectionTable table(const char* name, std::initializer_list<Mdx_SectionRow> rows) {
    Mdx_SectionTable result;
    result.name = name;
    result.columnNames = {"h", "b"};
    for (const Mdx_SectionRow& row : rows) result.rows.append(row);
    return result;
}

TEST(SectionTableManagerTest, FindsSectionsBySystemNameBeforeUserName) {
    Mdx_SectionTableManager tables;
    tables.setTable(table("A", {{"X1", "IPE100", {"1", "2"}}}));
    tables.setTable(table("IPE", {{"IPE100", "IPE 100", {"100", "55"}}}));
    Mdx_String text;
    ASSERT_EQ(tables.getValue("IPE100", 0, text), Acad::eOk);
    EXPECT_EQ(text, Mdx_String("100"));
    ASSERT_EQ(tables.getSystemName("ipe 100", text), Acad::eOk);
    EXPECT_EQ(text, Mdx_String("IPE100"));
    ASSERT_EQ(tables.getUserName("x1", text), Acad::eOk);
    EXPECT_EQ(text, Mdx_String("IPE100"));
    EXPECT_EQ(tables.getSystemName("HEA100", text), Acad::eInvalidInput);
}

TEST(SectionTableManagerTest, ColumnsOutsideTheTableFailAndShortRowsReadEmpty) {
    Mdx_SectionTableManager tables;
    tables.setTable(table("IPE", {{"IPE100", "IPE 100", {"100"}}}));
    Mdx_String text = "stale";
    EXPECT_EQ(tables.getValue("IPE100", 1, text), Acad::eOk);
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(tables.getValue("IPE100", 2, text), Acad::eInvalidInput);
    EXPECT_EQ(tables.getValue("IPE100", -1, text), Acad::eInvalidInput);
    Mdx_StringArray columns;
    ASSERT_EQ(tables.getColumnNames("IPE 100", columns), Acad::eOk);
    EXPECT_EQ(columns, (Mdx_StringArray{"h", "b"}));
}

TEST(SectionTableManagerTest, TableOfTheSameNameReplacesTheOldOne) {
    Mdx_SectionTableManager tables;
    tables.setTable(table("IPE", {{"IPE100", "IPE 100", {"100", "55"}}}));
    tables.setTable(table("ipe", {{"IPE120", "IPE 120", {"120", "64"}}}));
    EXPECT_EQ(tables.tables().length(), 1);
    Mdx_String text;
    EXPECT_EQ(tables.getValue("IPE100", 0, text), Acad::eInvalidInput);
    EXPECT_EQ(tables.getValue("IPE120", 1, text), Acad::eOk);
    EXPECT_EQ(text, Mdx_String("64"));
}

}  // namespace
