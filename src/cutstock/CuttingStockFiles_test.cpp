#include "cutstock/CuttingStockFiles.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/Mdx_Settings.h"
#include "cutstock/CSP2Groups.h"

namespace {

namespace fs = std::filesystem;

class CuttingStockFiles : public ::testing::Test {
protected:
    void SetUp() override {
        library = fs::temp_directory_path() / ("mdx-cutstock-files-" + std::to_string(::getpid()));
        fs::create_directories(library);
        gSettings.setLibraryFolder(library.string());
    }
    void TearDown() override {
        gSettings.reset();
        std::error_code ignored;
        fs::remove_all(library, ignored);
    }
    fs::path stock(const std::string& group) const { return library / "Cutting Stock" / group; }
    void writeAt(const fs::path& file, const std::string& text, int secondsAgo) const {
        std::ofstream(file, std::ios::binary) << text;
        fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::seconds(secondsAgo));
    }
    fs::path library;
};

TEST_F(CuttingStockFiles, GroupNamesNeverLeaveTheStockFolderNorShareOne) {
    Mdx_String folder;
    for (const char* bad : {"..", "..\\up", "a/b", "C:x", "sub\\dir", "", " lead", "trail.",
                            "a..b", "tab\there"}) {
        EXPECT_FALSE(isSafeGroupName(bad)) << bad;
        EXPECT_FALSE(ensureGroupFolder(bad, folder)) << bad;
        EXPECT_TRUE(folder.isEmpty());
    }
    EXPECT_FALSE(fs::exists(library / "up"));
    ASSERT_TRUE(ensureGroupFolder("Columns", folder));
    EXPECT_TRUE(fs::is_directory(stock("Columns")));
    EXPECT_EQ(folder.str(), gSettings.libDir().str() + "Cutting Stock\\Columns\\");

    DlgCSP2Data data;
    addGroup(data, "Columns");
    EXPECT_EQ(checkNewGroupName(data, "COLUMNS"), GroupNameCheck::FolderTaken);
    EXPECT_EQ(checkNewGroupName(data, "..\\Columns"), GroupNameCheck::Unsafe);
    EXPECT_EQ(checkNewGroupName(data, "Beams 2"), GroupNameCheck::Accepted);
}

TEST_F(CuttingStockFiles, TheLatestFileIsChosenByItsTimeAndSavesCountOn) {
    Mdx_String folder;
    ASSERT_TRUE(ensureGroupFolder("Beams", folder));
    writeAt(stock("Beams") / "Stock4.shp", "old", 300);
    writeAt(stock("Beams") / "Stock1.shp", "new", 10);
    writeAt(stock("Beams") / "Zeta.shp", "middle", 100);
    writeAt(stock("Beams") / "Stock9.buy", "other kind", 1);
    Mdx_String latest;
    std::int64_t time = 0;
    ASSERT_TRUE(latestListFile(folder, kShapeExtension, latest, time));
    EXPECT_EQ(latest.str(), folder.str() + "Stock1.shp");
    EXPECT_EQ(nextSaveName(folder, kShapeExtension).str(), folder.str() + "Stock5.shp");
    EXPECT_EQ(nextSaveName(folder, "csv").str(), folder.str() + "Stock1.csv");
    EXPECT_FALSE(latestListFile(folder, "csv", latest, time));
    EXPECT_EQ(withListExtension("a.SHP", "shp").str(), "a.SHP");
    EXPECT_EQ(withListExtension("a", "shp").str(), "a.shp");
}

// A field holding the separator byte would come back as two fields; such a list is refused
// whole and the file on disk stays as it was.
TEST_F(CuttingStockFiles, ListsRoundTripAndCellsThatWouldSplitAreRefused) {
    const Mdx_String path = (library / "list.shp").string();
    const Mdx_Array<Mdx_StringArray> records = {{"HEA200", "6000", "2"}, {"IPE300", "", "1"}};
    ASSERT_EQ(writeListFile(path, records), ListWrite::Written);
    std::ifstream in(library / "list.shp", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(bytes, "HEA200\xBF" "6000\xBF" "2\r\nIPE300\xBF\xBF" "1\r\n");
    Mdx_Array<Mdx_StringArray> read;
    ASSERT_TRUE(readListFile(path, read));
    EXPECT_EQ(read.length(), 2);
    EXPECT_EQ(read[1], (Mdx_StringArray{"IPE300", "", "1"}));

    EXPECT_EQ(writeListFile(path, {{"HEA\xBF" "200", "1"}}), ListWrite::SeparatorInCell);
    EXPECT_EQ(writeListFile(path, {{"two\nlines"}}), ListWrite::LineBreakInCell);
    ASSERT_TRUE(readListFile(path, read));
    EXPECT_EQ(read.length(), 2) << "the previous file stays";
    EXPECT_FALSE(readListFile((library / "missing.shp").string(), read));
    EXPECT_EQ(read.length(), 2) << "a failed read leaves the records";
}

TEST(CSP2Groups, RemovingAGroupTakesItsRecordsFromEveryList) {
    DlgCSP2Data data;
    addGroup(data, "A");
    addGroup(data, "B");
    EXPECT_EQ(data.groupIds[1], 2);
    replaceGroupRecords(data.list2, 1, {{"a1"}, {"a2"}});
    replaceGroupRecords(data.list2, 2, {{"b1"}});
    replaceGroupRecords(data.list3, 1, {{"a-buy"}});
    replaceGroupRecords(data.list2, 1, {{"a3"}});
    EXPECT_EQ(groupRecords(data.list2, 1).length(), 1) << "replaced, not added";
    EXPECT_EQ(data.list2.records.last(), Mdx_StringArray{"a3"}) << "appended at the end";
    ASSERT_TRUE(removeGroup(data, 0));
    EXPECT_EQ(data.list2.records.length(), 1);
    EXPECT_TRUE(data.list3.records.isEmpty());
    EXPECT_EQ(data.groupNames, Mdx_StringArray{"B"});
    EXPECT_EQ(addGroup(data, "C"), 1);
    EXPECT_EQ(data.groupIds[1], 3) << "largest id + 1";
    EXPECT_FALSE(removeGroup(data, 5));
}

}  // namespace
