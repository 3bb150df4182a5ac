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

TEST(SectionTableManagerTest, LibraryTablesMeetTheDrawingsNames) {
    Mdx_SectionTableManager tables;
    const Mdx_StringArray columns{"SysName", "English", "German", "French", "Dutch", "h", "b"};
    Mdx_Array<Mdx_StringArray> rows;
    rows.append({"300", "HEA 300", "HEA 300", "HEA 300", "HEA 300", "290", "300"});
    rows.append({"A100", "X", "X", "X", "X", "1", "2"});
    ASSERT_EQ(tables.addSectionTable("HEA.pr", "1", columns, rows), Acad::eOk);
    ASSERT_EQ(tables.addSectionTable("HE", "1", columns, rows), Acad::eOk);
    Mdx_String text;
    ASSERT_EQ(tables.getSystemName("hea300", text), Acad::eOk) << "as drawings write it";
    EXPECT_EQ(text, Mdx_String("HEA-300"));
    ASSERT_EQ(tables.getValue("HEA-300", 0, text), Acad::eOk);
    EXPECT_EQ(text, Mdx_String("290"));
    ASSERT_EQ(tables.getSystemName("HE-A100", text), Acad::eOk);
    EXPECT_EQ(text, Mdx_String("HE-A100"));
    ASSERT_EQ(tables.getSystemName("HEA-A100", text), Acad::eOk);
    EXPECT_EQ(text, Mdx_String("HEA-A100")) << "an exact name beats a looser one";
    EXPECT_EQ(tables.getSystemName("HEA30", text), Acad::eInvalidInput);

    EXPECT_EQ(tables.addSectionTable("X.pr", "1", Mdx_StringArray{"SysName", "English"}, rows),
              Acad::eInvalidInput);
    EXPECT_FALSE(tables.hasTable("X"));
    EXPECT_EQ(tables.removeTable("he"), Acad::eOk);
    EXPECT_EQ(tables.removeTable("he"), Acad::eInvalidInput);
    EXPECT_TRUE(tables.hasTable("Hea"));
}

}  // namespace
