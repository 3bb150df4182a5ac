#include "sectionlib/Mdx_ProfValuesTable.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/Mdx_Settings.h"
#include "core/sections/Mdx_SectionTableManager.h"
#include "sectionlib/SectionLibraryRegistry.h"
#include "sectionlib/SectionTableFiles.h"
#include "spread/SheetTestSupport.h"

namespace {

namespace fs = std::filesystem;

Mdx_ProfValuesTable ipeTable() {
    Mdx_ProfValuesTable table;
    table.tableName = "IPE";
    table.pictureName = "1";
    table.columnNames = {"SysName", "I/O", "English", "German", "French", "Dutch", "h", "b"};
    table.rows.append({"200", "1", "IPE 200", "IPE 200", "IPE 200", "IPE 200", "200", "100"});
    table.rows.append({"300", "1", "IPE 300", "IPE 300", "IPE 300", "IPE 300", "300", "150"});
    return table;
}

class LibraryFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("mdx-prof-test-" + std::to_string(::getpid()));
        fs::create_directories(folder / "prof");
        gSettings.setLibraryFolder(folder.string());
    }
    void TearDown() override {
        gSettings.reset();
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    void writeRaw(const std::string& name, const std::string& bytes) {
        std::ofstream(folder / "prof" / name, std::ios::binary) << bytes;
    }
    fs::path folder;
};

TEST_F(LibraryFolder, TableFileRoundTripKeepsPictureHeaderAndRows) {
    Mdx_ProfValuesTable table = ipeTable();
    table.rows[1][2] = "IPE\t300\\x";  // bytes that need escaping survive
    ASSERT_TRUE(table.writeToFile("IPE"));
    Mdx_ProfValuesTable read;
    ASSERT_TRUE(read.readFromFile("IPE.pr"));
    EXPECT_EQ(read.tableName, Mdx_String("IPE"));
    EXPECT_EQ(read.pictureName, Mdx_String("1"));
    EXPECT_EQ(read.columnNames, table.columnNames);
    EXPECT_EQ(read.rows, table.rows);
}

TEST_F(LibraryFolder, FilesThatAreNoTableChangeNothing) {
    writeRaw("Short.pr", "MDX-RECORDS 1\r\n1\t1\r\n");
    writeRaw("Broken.pr", "MDX-RECORDS 1\r\n1\t1\r\n3\tSysName\r\n");
    Mdx_ProfValuesTable table = ipeTable();
    EXPECT_FALSE(table.readFromFile("Short")) << "a picture without header is no table";
    EXPECT_FALSE(table.readFromFile("Broken"));
    EXPECT_FALSE(table.readFromFile("Missing"));
    EXPECT_EQ(table.tableName, Mdx_String("IPE"));
    EXPECT_EQ(table.rows, ipeTable().rows);
    EXPECT_EQ(table.columnNames, ipeTable().columnNames);
}

TEST_F(LibraryFolder, NamesThatLeaveTheTableFolderAreRefused) {
    std::ofstream(folder / "outside.pr") << "MDX-RECORDS 1\r\n1\t1\r\n1\tSysName\r\n";
    Mdx_ProfValuesTable table = ipeTable();
    for (const char* name : {"..\\outside", "../outside", "C:\\x", "", "..", "a|b"}) {
        EXPECT_FALSE(table.readFromFile(name)) << name;
        EXPECT_FALSE(table.writeToFile(name)) << name;
    }
    EXPECT_EQ(table.tableName, Mdx_String("IPE"));
    EXPECT_FALSE(deleteSectionTableFile("..\\outside"));
    EXPECT_TRUE(fs::exists(folder / "outside.pr"));
}

TEST(ProfValuesTable, LanguageCountDecidesWhereValuesStart) {
    Mdx_ProfValuesTable table = ipeTable();
    EXPECT_EQ(table.getNrLanguages(), 4);
    EXPECT_EQ(table.setValues(0, AcArray<double>{220.0, 110.26}), Acad::eOk);
    EXPECT_EQ(table.rows[0][6], Mdx_String("220"));
    EXPECT_EQ(table.rows[0][7], Mdx_String("110.3"));
    const Mdx_StringArray before = table.rows[0];
    EXPECT_EQ(table.setValues(0, AcArray<double>{1.0}), Acad::eInvalidInput);
    EXPECT_EQ(table.setValues(0, AcArray<double>{1.0, 2.0, 3.0}), Acad::eInvalidInput);
    EXPECT_EQ(table.setValues(5, AcArray<double>{1.0, 2.0}), Acad::eInvalidInput);
    EXPECT_EQ(table.rows[0], before);

    Mdx_ProfValuesTable korean;
    korean.columnNames = {"SysName", "I/O", "English", "German", "French", "Dutch", "Korean", "h"};
    korean.rows.append({"1", "1", "a", "b", "c", "d", "e", "5"});
    EXPECT_EQ(korean.getNrLanguages(), 5);
    EXPECT_EQ(korean.setValues(0, AcArray<double>{7.0}), Acad::eOk);
    EXPECT_EQ(korean.rows[0][7], Mdx_String("7"));
    EXPECT_EQ(korean.setUserNames(0, "x"), Acad::eOk);
    EXPECT_EQ(korean.rows[0][6], Mdx_String("x"));
    korean.columnNames = {"SysName", "I/O", "English", "German", "French", "Dutch"};
    EXPECT_EQ(korean.getNrLanguages(), 4) << "six columns: no Korean column";
}

TEST(ProfValuesTable, InsertedCopiesGetUnusedNamesAndMayFollowTheLastRow) {
    Mdx_ProfValuesTable table = ipeTable();
    ASSERT_TRUE(table.insertRow(1)) << "copying the last size";
    ASSERT_EQ(table.rows.length(), 3);
    EXPECT_EQ(table.rows[2][0], Mdx_String("3001"));
    EXPECT_EQ(table.rows[2][2], Mdx_String("IPE 3001"));
    EXPECT_EQ(table.rows[2][3], Mdx_String("IPE 300")) << "other languages stay copies";
    EXPECT_EQ(table.rows[2][6], Mdx_String("300"));
    ASSERT_TRUE(table.insertRow(-1));
    EXPECT_EQ(table.rows[0][0], Mdx_String("1"));
    EXPECT_EQ(table.rows[0][2], Mdx_String("IPE1")) << "no name to take a prefix from";
    EXPECT_EQ(table.rows[0].length(), table.columnNames.length());
    EXPECT_FALSE(table.insertRow(4));
    EXPECT_FALSE(table.insertRow(-2));
    EXPECT_EQ(table.rows.length(), 4);
}

TEST(ProfValuesTable, NamesGivenOnInsertBelongToTheCopy) {
    Mdx_ProfValuesTable table = ipeTable();
    ASSERT_EQ(table.insertRow(0, "220", "IPE 220"), Acad::eOk);
    EXPECT_EQ(table.rows[0], ipeTable().rows[0]) << "the source row keeps its names";
    EXPECT_EQ(table.rows[1][0], Mdx_String("220"));
    EXPECT_EQ(table.rows[1][5], Mdx_String("IPE 220"));

    Mdx_ProfValuesTable narrow;
    narrow.tableName = "X";
    narrow.columnNames = {"SysName", "I/O", "English"};
    narrow.rows.append({"1", "1", "X 1"});
    EXPECT_EQ(narrow.insertRow(0, "2", "X 2"), Acad::eInvalidInput);
    EXPECT_EQ(narrow.rows.length(), 1) << "a copy that cannot be named is not left behind";
}

TEST(ProfValuesTable, FlagsFilterNamesAndPositions) {
    Mdx_ProfValuesTable table = ipeTable();
    table.rows.append({"330", "", "IPE 330"});
    table.rows.append({"360", "0", "IPE 360"});
    table.rows.append({"400", "1", "IPE 400"});
    Mdx_StringArray names;
    table.getFilteredSysNames(names);
    EXPECT_EQ(names, (Mdx_StringArray{"IPE-200", "IPE-300", "IPE-330", "IPE-400"}));
    EXPECT_EQ(table.getfilteredIdx(4), 2) << "an empty flag counts as inactive here";
    EXPECT_EQ(table.getfilteredIdx(5), -1);
    int row = -1;
    EXPECT_TRUE(table.findSysName("360", row));
    EXPECT_EQ(row, 3);
    table.removeInactiveEntries();
    table.getSysNames(names);
    EXPECT_EQ(names, (Mdx_StringArray{"IPE-200", "IPE-300", "IPE-330", "IPE-400"}));
}

TEST(ProfValuesTable, RegisteredTablesAnswerTheDrawingsSectionNames) {
    Mdx_SectionTableManager registry;
    EXPECT_EQ(ipeTable().setToGlobals(nullptr), Acad::eInvalidInput);
    Mdx_ProfValuesTable table = ipeTable();
    table.pictureName = "IPE.dwg";
    ASSERT_EQ(table.setToGlobals(&registry), Acad::eOk);
    ASSERT_TRUE(registry.hasTable("ipe"));
    EXPECT_EQ(registry.tables()[0].picture, Mdx_String("Prof\\IPE.dwg"));
    EXPECT_EQ(registry.tables()[0].columnNames, (Mdx_StringArray{"h", "b"}));
    Mdx_String text;
    ASSERT_EQ(registry.getValue("IPE300", 1, text), Acad::eOk) << "the drawing's form";
    EXPECT_EQ(text, Mdx_String("150"));
    ASSERT_EQ(registry.getSystemName("IPE 200", text), Acad::eOk);
    EXPECT_EQ(text, Mdx_String("IPE-200"));

    table.pictureName = "3";
    table.rows.removeAt(1);
    ASSERT_EQ(table.setToGlobals(&registry), Acad::eOk);
    EXPECT_EQ(registry.tables().length(), 1) << "registering again replaces";
    EXPECT_EQ(registry.tables()[0].picture, Mdx_String("3"));
    EXPECT_EQ(registry.getValue("IPE-300", 0, text), Acad::eInvalidInput);

    Mdx_ProfValuesTable broken;
    broken.tableName = "IPE";
    broken.columnNames = {"SysName", "I/O"};
    EXPECT_EQ(broken.setToGlobals(&registry), Acad::eInvalidInput);
    EXPECT_EQ(registry.getValue("IPE-200", 0, text), Acad::eOk) << "the old table stays";
}

TEST_F(LibraryFolder, LibraryTablesAreRegisteredAndUnreadableOnesSkipped) {
    ASSERT_TRUE(ipeTable().writeToFile("IPE"));
    writeRaw("Broken.pr", "MDX-RECORDS 1\r\n");
    Mdx_SectionTableManager registry;
    EXPECT_EQ(registerLibrarySectionTables(registry), 1);
    Mdx_String text;
    ASSERT_EQ(registry.getValue("IPE300", 0, text), Acad::eOk) << "a macro's section name";
    EXPECT_EQ(text, Mdx_String("300"));
    EXPECT_FALSE(registry.hasTable("Broken"));
}

class ProfValuesTableSheet : public spread_testing::SheetTest {};

TEST_F(ProfValuesTableSheet, TableMakesTheRoundTripThroughASheet) {
    attach(2, 2);
    Mdx_ProfValuesTable table = ipeTable();
    table.rows[1][1] = "0";
    ASSERT_TRUE(table.setToSS(*sheet));
    EXPECT_EQ(sheet->getMaxRows(), 2);
    EXPECT_EQ(sheet->getMaxCols(), 8);
    EXPECT_FALSE(sheet->GetBool(kOptionChanged));
    EXPECT_EQ(sheet->getCellTypeCode(2, 1), sheet->getCellTypeCode(2, 2));
    EXPECT_NE(sheet->getCellTypeCode(2, 1), sheet->getCellTypeCode(3, 1)) << "flag: check box";
    Mdx_ProfValuesTable back;
    ASSERT_TRUE(back.getFromSS(*sheet));
    EXPECT_EQ(back.tableName, table.tableName);
    EXPECT_EQ(back.columnNames, table.columnNames);
    EXPECT_EQ(back.rows, table.rows);

    Mdx_ProfValuesTable empty = ipeTable();
    empty.rows.setEmpty();
    EXPECT_FALSE(empty.setToSS(*sheet));
    EXPECT_EQ(sheet->getMaxRows(), 0);
    EXPECT_EQ(sheet->getMaxCols(), 0);
    EXPECT_TRUE(sheet->GetBool(kOptionRedraw));
    EXPECT_FALSE(back.getFromSS(*sheet));
    EXPECT_EQ(back.rows, table.rows) << "an empty sheet gives nothing back";
}

}  // namespace
