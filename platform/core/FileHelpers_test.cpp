#include "core/FileHelpers.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/StringHelpers.h"
#include "win/FilePaths.h"

namespace {

namespace fs = std::filesystem;

// Module paths "T:\..." lead into a fresh temporary folder.
class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("mdx_files_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root);
        win::setDriveRoot('T', root);
    }
    void TearDown() override {
        win::setWriteFaultHook({});
        fs::remove_all(root);
    }
    void putRaw(const fs::path& relative, const std::string& bytes) {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative, std::ios::binary) << bytes;
    }
    std::string getRaw(const fs::path& relative) {
        std::string bytes;
        win::readWholeFile(root / relative, bytes);
        return bytes;
    }
    fs::path root;
};

TEST_F(FilesTest, MissingLineFileFailsAndLeavesNoLines) {
    Mdx_StringArray lines = stringArr({"stale"});
    EXPECT_FALSE(ObjectExportReadFile("T:\\nothing.map", lines));
    EXPECT_TRUE(lines.isEmpty());
    fs::create_directories(root / "folder.map");
    EXPECT_FALSE(ObjectExportReadFile("T:\\folder.map", lines));
}

TEST_F(FilesTest, LineEndingsOfEveryKind) {
    putRaw("mixed.txt", "one\r\ntwo\nthree\rfour\r\n\r\nsix");
    Mdx_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile("T:\\mixed.txt", lines));
    EXPECT_EQ(lines, stringArr({"one", "two", "three", "four", "", "six"}));

    putRaw("final.txt", "a\r\nb\r\n");
    ASSERT_TRUE(ObjectExportReadFile("T:\\final.txt", lines));
    EXPECT_EQ(lines, stringArr({"a", "b"}));

    putRaw("blank.txt", "\n");
    ASSERT_TRUE(ObjectExportReadFile("T:\\blank.txt", lines));
    EXPECT_EQ(lines, stringArr({""}));

    putRaw("empty.txt", "");
    ASSERT_TRUE(ObjectExportReadFile("T:\\empty.txt", lines));
    EXPECT_TRUE(lines.isEmpty());
}

TEST_F(FilesTest, AnyBytesSurviveInLines) {
    const std::string odd("k\0ey\xBFv\x83\x95\xFF", 9);
    putRaw("odd.txt", odd + "\n");
    Mdx_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile("T:\\odd.txt", lines));
    ASSERT_EQ(lines.length(), 1);
    EXPECT_EQ(lines[0].str(), odd);
}

TEST_F(FilesTest, WrittenLinesEndInCrLfAndReadBack) {
    const Mdx_StringArray lines = stringArr({"Mapping version 1.0", "",
                                             "key=a\x83"
                                             "b"});
    ASSERT_TRUE(ObjectExportWriteFile("T:\\x.map", lines));
    EXPECT_EQ(getRaw("x.map"),
              "Mapping version 1.0\r\n\r\nkey=a\x83"
              "b\r\n");
    Mdx_StringArray back;
    ASSERT_TRUE(ObjectExportReadFile("T:\\x.map", back));
    EXPECT_EQ(back, lines);

    ASSERT_TRUE(ObjectExportWriteFile("T:\\none.txt", Mdx_StringArray()));
    EXPECT_EQ(getRaw("none.txt"), "");
}

TEST_F(FilesTest, ALineWithABreakIsRefusedAndTheOldFileStays) {
    putRaw("keep.txt", "old\r\n");
    EXPECT_FALSE(ObjectExportWriteFile("T:\\keep.txt", stringArr({"fine", "two\nlines"})));
    EXPECT_EQ(getRaw("keep.txt"), "old\r\n");
}

TEST_F(FilesTest, FailedWriteLeavesThePreviousFile) {
    putRaw("keep.txt", "old\r\n");
    win::setWriteFaultHook([](win::WriteStage stage) { return stage == win::WriteStage::Rename; });
    EXPECT_FALSE(ObjectExportWriteFile("T:\\keep.txt", stringArr({"new"})));
    EXPECT_FALSE(writeWholeFile("T:\\keep.txt", "new"));
    win::setWriteFaultHook({});
    EXPECT_EQ(getRaw("keep.txt"), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1);
}

TEST_F(FilesTest, NamesAreFoundWhateverTheirCase) {
    putRaw("Connection Standards/Data/Bolts.TXT", "M16\n");
    Mdx_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile("T:\\connection standards\\DATA\\bolts.txt", lines));
    EXPECT_EQ(lines, stringArr({"M16"}));
    EXPECT_TRUE(fileExists("t:\\CONNECTION STANDARDS\\data\\BOLTS.txt"));
    EXPECT_TRUE(folderExists("T:\\connection standards\\"));
    EXPECT_FALSE(fileExists("T:\\connection standards\\"));
    EXPECT_FALSE(folderExists(""));
}

TEST_F(FilesTest, HighBytesInNamesMeetUtf8FileNames) {
    putRaw(
        "Stra\xC3\x9F"
        "e.txt",
        "x\n");  // the name as the operating system holds it
    EXPECT_TRUE(
        fileExists("T:\\Stra\xDF"
                   "e.txt"));
    Mdx_StringArray found;
    ASSERT_TRUE(ObjectExportFindFiles("T:\\", "*.txt", found));
    EXPECT_EQ(found, stringArr({"T:\\Stra\xDF"
                                "e.txt"}));
}

TEST_F(FilesTest, FindFilesByPattern) {
    for (const char* name : {"b.kvs", "A.KVS", "c.kvs.bak", "d.kv", "noext", "e1.kvs", "e22.kvs"})
        putRaw(name, "");
    fs::create_directories(root / "folder.kvs");
    Mdx_StringArray found;
    ASSERT_TRUE(ObjectExportFindFiles("T:", "*.kvs", found));
    EXPECT_EQ(found, stringArr({"T:\\A.KVS", "T:\\b.kvs", "T:\\e1.kvs", "T:\\e22.kvs"}));
    ASSERT_TRUE(ObjectExportFindFiles("T:\\", "e?.kvs", found));
    EXPECT_EQ(found, stringArr({"T:\\e1.kvs"}));
    ASSERT_TRUE(ObjectExportFindFiles("T:\\", "*.*", found));
    EXPECT_EQ(found.length(), 7);  // "noext" too
    ASSERT_TRUE(ObjectExportFindFiles("T:\\", "*.none", found));
    EXPECT_TRUE(found.isEmpty());
    EXPECT_FALSE(ObjectExportFindFiles("T:\\missing", "*", found));
}

TEST_F(FilesTest, FindFilesRecursiveKeepsSubFolders) {
    putRaw("Dialog Design/Base.txt", "");
    putRaw("Dialog Design/Plates/End.txt", "");
    putRaw("Dialog Design/Plates/Deep/Fin.TXT", "");
    putRaw("Dialog Design/Plates/End.bmp", "");
    Mdx_StringArray found;
    ASSERT_TRUE(ObjectExportFindFilesRecursive("T:\\Dialog Design\\", "*.txt", found));
    EXPECT_EQ(found,
              stringArr({"T:\\Dialog Design\\Base.txt", "T:\\Dialog Design\\Plates\\Deep\\Fin.TXT",
                         "T:\\Dialog Design\\Plates\\End.txt"}));
    ASSERT_TRUE(ObjectExportFindFiles("T:\\Dialog Design\\", "*.txt", found));
    EXPECT_EQ(found, stringArr({"T:\\Dialog Design\\Base.txt"}));
}

TEST_F(FilesTest, PatternMatching) {
    EXPECT_TRUE(matchesFilePattern("Splice.KVS", "*.kvs"));
    EXPECT_TRUE(matchesFilePattern("a", "*"));
    EXPECT_TRUE(matchesFilePattern("", "*"));
    EXPECT_FALSE(matchesFilePattern("", "?"));
    EXPECT_TRUE(matchesFilePattern("abcabd", "*ab?"));
    EXPECT_FALSE(matchesFilePattern("abcab", "*ab?"));
    EXPECT_TRUE(matchesFilePattern("x.y.z", "*.*.*"));
    EXPECT_FALSE(matchesFilePattern(std::string(60, 'a'), std::string(30, '*') + "b"));
}

TEST_F(FilesTest, TimesDeleteCopyAndFolders) {
    putRaw("old.bmp", "old");
    putRaw("new.bmp", "new");
    const auto now = fs::file_time_type::clock::now();
    fs::last_write_time(root / "old.bmp", now - std::chrono::hours(2));
    fs::last_write_time(root / "new.bmp", now - std::chrono::hours(1));
    std::int64_t tOld = 0, tNew = 0;
    ASSERT_TRUE(getFileTime("T:\\old.bmp", tOld));
    ASSERT_TRUE(getFileTime("T:\\new.bmp", tNew));
    EXPECT_NEAR(static_cast<double>(tNew - tOld), 3600.0, 1.0);
    EXPECT_GT(tOld, 1600000000);  // seconds since 1970, not some other clock's epoch
    EXPECT_FALSE(getFileTime("T:\\missing.bmp", tOld));
    EXPECT_TRUE(isFileNewer("T:\\new.bmp", "T:\\old.bmp"));
    EXPECT_FALSE(isFileNewer("T:\\old.bmp", "T:\\new.bmp"));
    EXPECT_TRUE(isFileNewer("T:\\old.bmp", "T:\\missing.bmp"));
    EXPECT_FALSE(isFileNewer("T:\\missing.bmp", "T:\\old.bmp"));

    ASSERT_TRUE(ensureFolder("T:\\icons\\sub"));
    ASSERT_TRUE(copyFile("T:\\new.bmp", "T:\\icons\\sub\\copy.bmp"));
    EXPECT_EQ(getRaw("icons/sub/copy.bmp"), "new");
    EXPECT_FALSE(copyFile("T:\\missing.bmp", "T:\\icons\\x.bmp"));
    EXPECT_FALSE(fileExists("T:\\icons\\x.bmp"));

    EXPECT_TRUE(deleteFile("T:\\old.bmp"));
    EXPECT_FALSE(fileExists("T:\\old.bmp"));
    EXPECT_FALSE(deleteFile("T:\\old.bmp"));
    EXPECT_FALSE(deleteFile("T:\\icons"));
    EXPECT_TRUE(folderExists("T:\\icons"));
}

}  // namespace
