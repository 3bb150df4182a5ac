#include "win/FilePaths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

class FilePathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("mdx_paths_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
        win::clearDriveRoots();
    }
    void TearDown() override {
        win::setWriteFaultHook({});
        win::clearDriveRoots();
        fs::remove_all(root);
    }
    void touch(const fs::path& p, const std::string& text = "x") {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
    }
    std::string slurp(const fs::path& p) {
        std::string s;
        EXPECT_TRUE(win::readWholeFile(p, s));
        return s;
    }
    fs::path root;
};

TEST_F(FilePathsTest, DriveLetterAndBackslashesMapToTheDriveRoot) {
    touch(root / "Lib" / "prof" / "IPE.pr");
    win::setDriveRoot('c', root);
    EXPECT_EQ(win::mapPath("C:\\Lib\\prof\\IPE.pr"), root / "Lib" / "prof" / "IPE.pr");
    EXPECT_EQ(win::mapPath("c:/Lib\\prof//IPE.pr"), root / "Lib" / "prof" / "IPE.pr");
    // Another drive without a root of its own uses the default root.
    win::setDefaultDriveRoot(root / "Lib");
    EXPECT_EQ(win::mapPath("D:\\prof\\IPE.pr"), root / "Lib" / "prof" / "IPE.pr");
    EXPECT_EQ(win::mapPath("\\prof\\IPE.pr"), root / "Lib" / "prof" / "IPE.pr");
}

TEST_F(FilePathsTest, WrongCaseFindsTheExistingEntryComponentByComponent) {
    touch(root / "Connection Standards" / "Childs" / "Plate.kvs");
    win::setDriveRoot('X', root);
    EXPECT_EQ(win::mapPath("x:\\connection standards\\CHILDS\\plate.KVS"),
              root / "Connection Standards" / "Childs" / "Plate.kvs");
    // A missing tail keeps its spelling below the part that was found.
    EXPECT_EQ(win::mapPath("X:\\CONNECTION STANDARDS\\New\\a.kvs"),
              root / "Connection Standards" / "New" / "a.kvs");
}

TEST_F(FilePathsTest, ExactCaseWinsOverAnotherSpelling) {
    touch(root / "data.txt", "lower");
    touch(root / "DATA.txt", "upper");
    win::setDriveRoot('c', root);
    EXPECT_EQ(slurp(win::mapPath("C:\\DATA.txt")), "upper");
    EXPECT_EQ(slurp(win::mapPath("C:\\data.txt")), "lower");
}

TEST_F(FilePathsTest, RealAbsolutePathsAndDotsSurvive) {
    touch(root / "a" / "b.txt", "b");
    EXPECT_EQ(slurp(win::mapPath((root / "a" / "." / "b.txt").string())), "b");
    EXPECT_EQ(slurp(win::mapPath((root / "a" / ".." / "A" / "B.TXT").string())), "b");
}

TEST_F(FilePathsTest, ReadingMissingOrFolderFails) {
    std::string out = "stale";
    EXPECT_FALSE(win::readWholeFile(root / "missing", out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(win::readWholeFile(root, out));
}

TEST_F(FilePathsTest, AtomicWriteRoundTripsBinaryBytes) {
    std::string bytes("a\0b\r\n\xFF\x95", 7);
    ASSERT_TRUE(win::writeWholeFileAtomic(root / "f.bin", bytes));
    EXPECT_EQ(slurp(root / "f.bin"), bytes);
    ASSERT_TRUE(win::writeWholeFileAtomic(root / "f.bin", ""));
    EXPECT_EQ(slurp(root / "f.bin"), "");
}

TEST_F(FilePathsTest, FailedWriteAtAnyStageLeavesTheOldFileAndNoLeftovers) {
    const fs::path target = root / "settings.kvd";
    ASSERT_TRUE(win::writeWholeFileAtomic(target, "old contents"));
    for (auto stage : {win::WriteStage::Create, win::WriteStage::Write, win::WriteStage::Flush,
                       win::WriteStage::Rename}) {
        win::setWriteFaultHook([stage](win::WriteStage s) { return s == stage; });
        EXPECT_FALSE(win::writeWholeFileAtomic(target, "new contents"));
        EXPECT_EQ(slurp(target), "old contents");
        std::size_t entries = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(root)) ++entries;
        EXPECT_EQ(entries, 1u) << "temporary file left behind";
    }
    win::setWriteFaultHook({});
    EXPECT_TRUE(win::writeWholeFileAtomic(target, "new contents"));
    EXPECT_EQ(slurp(target), "new contents");
}

TEST_F(FilePathsTest, WriteIntoMissingFolderFailsCleanly) {
    EXPECT_FALSE(win::writeWholeFileAtomic(root / "no" / "such" / "f.txt", "x"));
    EXPECT_FALSE(fs::exists(root / "no"));
}

TEST_F(FilePathsTest, RewriteKeepsFilePermissions) {
    const fs::path target = root / "p.txt";
    ASSERT_TRUE(win::writeWholeFileAtomic(target, "1"));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(win::writeWholeFileAtomic(target, "2"));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FilePathsTest, DotDotNeverClimbsAboveTheDriveRoot) {
    touch(root / "drive" / "x.sss", "inside");
    touch(root / "x.sss", "outside");
    win::setDriveRoot('c', root / "drive");
    EXPECT_EQ(win::mapPath("c:\\..\\x.sss"), root / "drive" / "x.sss");
    EXPECT_EQ(win::mapPath("C:\\a\\..\\..\\..\\x.sss"), root / "drive" / "x.sss");
    EXPECT_EQ(slurp(win::mapPath("c:/../../x.sss")), "inside");
    // The default drive and a root-relative name likewise.
    win::setDefaultDriveRoot(root / "drive");
    EXPECT_EQ(win::mapPath("\\..\\x.sss"), root / "drive" / "x.sss");
    EXPECT_EQ(win::mapPath("D:..\\x.sss"), root / "drive" / "x.sss");
    // Going down and up again inside the drive is fine.
    touch(root / "drive" / "sub" / "y.txt");
    EXPECT_EQ(win::mapPath("c:\\sub\\..\\sub\\y.txt"), root / "drive" / "sub" / "y.txt");
}

TEST_F(FilePathsTest, OnlyRegularFilesWithinTheLimitAreRead) {
    std::string out = "stale";
    EXPECT_FALSE(win::readWholeFile("/dev/zero", out));
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(win::lastFileError(), "not a regular file");
    fs::create_symlink("/dev/zero", root / "zero.tsv");
    EXPECT_FALSE(win::readWholeFile(root / "zero.tsv", out));
    // A FIFO without a writer must be refused at once, not waited on.
    ASSERT_EQ(::mkfifo((root / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(win::readWholeFile(root / "pipe", out));
    touch(root / "big", std::string(100, 'x'));
    EXPECT_FALSE(win::readWholeFile(root / "big", out, 99));
    EXPECT_NE(win::lastFileError().find("larger than 99"), std::string::npos);
    EXPECT_TRUE(win::readWholeFile(root / "big", out, 100));
    EXPECT_EQ(out.size(), 100u);
}

TEST_F(FilePathsTest, WritingThroughALinkReplacesItsTargetAndKeepsTheLink) {
    touch(root / "real" / "drawing.json", "old");
    fs::create_directories(root / "links");
    fs::create_symlink(root / "real" / "drawing.json", root / "links" / "drawing.json");
    ASSERT_TRUE(win::writeWholeFileAtomic(root / "links" / "drawing.json", "new"));
    EXPECT_TRUE(fs::is_symlink(root / "links" / "drawing.json"));
    EXPECT_EQ(slurp(root / "real" / "drawing.json"), "new");
}

TEST_F(FilePathsTest, ReadOnlyFilesAreRefusedEvenWhereTheSystemWouldAllow) {
    const fs::path target = root / "drawing.json";
    touch(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(win::writeWholeFileAtomic(target, "new"));
    EXPECT_EQ(win::lastFileError(), "the file is read-only");
    EXPECT_EQ(slurp(target), "old");
}

TEST_F(FilePathsTest, ReplaceIfUnchangedRefusesAFileChangedSinceItWasRead) {
    const fs::path target = root / "drawing.json";
    touch(target, "v1");
    // Two writers read v1; the first wins, the second must not undo its change.
    ASSERT_TRUE(win::replaceWholeFileIfUnchanged(target, "v1", "first"));
    EXPECT_FALSE(win::replaceWholeFileIfUnchanged(target, "v1", "second"));
    EXPECT_NE(win::lastFileError().find("changed"), std::string::npos);
    EXPECT_EQ(slurp(target), "first");
}

TEST_F(FilePathsTest, StaleTemporariesOfADeadWriterAreRemovedOnTheNextWrite) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    const std::string dead = ".f.txt.tmp." + std::to_string(child) + ".AbC123";
    const std::string alive = ".f.txt.tmp." + std::to_string(::getppid()) + ".AbC123";
    touch(root / dead, "half");
    touch(root / alive, "busy");
    touch(root / ".other.txt.tmp.1.AbC123", "not ours");
    ASSERT_TRUE(win::writeWholeFileAtomic(root / "f.txt", "x"));
    EXPECT_FALSE(fs::exists(root / dead));
    EXPECT_TRUE(fs::exists(root / alive));
    EXPECT_TRUE(fs::exists(root / ".other.txt.tmp.1.AbC123"));
}

}  // namespace
