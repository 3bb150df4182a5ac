#include "core/RecordFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/StringHelpers.h"
#include "win/FilePaths.h"

namespace {

namespace fs = std::filesystem;

class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("mdx_records_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "prof");
        win::setDriveRoot('R', root);
    }
    void TearDown() override { fs::remove_all(root); }
    void putRaw(const std::string& name, const std::string& bytes) {
        std::ofstream(root / "prof" / name, std::ios::binary) << bytes;
    }
    fs::path root;
};

TEST_F(RecordFileTest, RoundTripKeepsEveryField) {
    Mdx_Array<Mdx_StringArray> records;
    records.append(stringArr({"4"}));
    records.append(stringArr({"SysName", "I/O", "English", "h"}));
    records.append(Mdx_StringArray());  // a record without fields
    records.append(stringArr({""}));    // one empty field is not the same
    records.append(stringArr({"tab\there", "back\\slash\\t", "line\r\nbreak", "\xBF\x83"}));
    ASSERT_TRUE(writeFile("R:\\prof\\HEA.pr", records));

    Mdx_String name;
    Mdx_Array<Mdx_StringArray> back;
    ASSERT_TRUE(readFile("R:\\PROF\\hea.pr", name, back));
    EXPECT_EQ(back, records);
    EXPECT_EQ(name, Mdx_String("hea"));  // the name is the one asked for, as the caller wrote it
}

TEST_F(RecordFileTest, MalformedFilesFailAndChangeNothing) {
    const Mdx_Array<Mdx_StringArray> original{stringArr({"keep"})};
    for (const std::string& bytes :
         {std::string(""), std::string("garbage\n"), std::string("MDX-RECORDS 2\n0\n"),
          std::string("MDX-RECORDS 1\n2\tonly one\n"), std::string("MDX-RECORDS 1\nx\ta\n"),
          std::string("MDX-RECORDS 1\n1\tbad\\q\n"), std::string("MDX-RECORDS 1\n1\tend\\\n"),
          std::string("MDX-RECORDS 1\n99999999999\ta\n"), std::string("\xFF\xFE\0\0", 4)}) {
        putRaw("bad.pr", bytes);
        Mdx_String name("untouched");
        Mdx_Array<Mdx_StringArray> records = original;
        EXPECT_FALSE(readFile("R:\\prof\\bad.pr", name, records)) << bytes;
        EXPECT_EQ(name, Mdx_String("untouched"));
        EXPECT_EQ(records, original);
    }
    Mdx_String name;
    Mdx_Array<Mdx_StringArray> records;
    EXPECT_FALSE(readFile("R:\\prof\\missing.pr", name, records));
}

TEST_F(RecordFileTest, HeaderOnlyIsAnEmptyTableAndLfIsAccepted) {
    putRaw("empty.pr", "MDX-RECORDS 1\n");
    Mdx_String name;
    Mdx_Array<Mdx_StringArray> records{stringArr({"old"})};
    ASSERT_TRUE(readFile("R:\\prof\\empty.pr", name, records));
    EXPECT_TRUE(records.isEmpty());
    putRaw("lf.pr", "MDX-RECORDS 1\n2\ta\tb\n0\n");
    ASSERT_TRUE(readFile("R:\\prof\\lf.pr", name, records));
    ASSERT_EQ(records.length(), 2);
    EXPECT_EQ(records[0], stringArr({"a", "b"}));
    EXPECT_TRUE(records[1].isEmpty());
}

}  // namespace

namespace {

TEST(RecordBytes, FormatThenParseGivesTheRecordsBack) {
    Mdx_Array<Mdx_StringArray> records;
    records.append(stringArr({"a\\b", "", "\t"}));
    records.append(Mdx_StringArray());
    const Mdx_String bytes = formatRecords(records);
    EXPECT_EQ(bytes, Mdx_String("MDX-RECORDS 1\r\n3\ta\\\\b\t\t\\t\r\n0\r\n"));
    Mdx_Array<Mdx_StringArray> back;
    ASSERT_TRUE(parseRecords(bytes, back));
    EXPECT_EQ(back, records);
}

}  // namespace
