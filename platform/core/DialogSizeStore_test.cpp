#include "core/DialogSizeStore.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "win/FilePaths.h"
#include "win/Profile.h"

namespace {

namespace fs = std::filesystem;

class DialogSizeStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("mdx_sizes_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        file = (folder / "sizes.txt").string();
    }
    void TearDown() override {
        win::setWriteFaultHook({});
        win::setProfileFolder({});
        fs::remove_all(folder);
    }
    std::string raw() {
        std::string bytes;
        win::readWholeFile(file, bytes);
        return bytes;
    }
    void putRaw(const std::string& bytes) {
        fs::create_directories(folder);
        std::ofstream(file, std::ios::binary) << bytes;
    }
    fs::path folder;
    std::string file;
};

TEST_F(DialogSizeStoreTest, SizesSurviveARestart) {
    {
        DialogSizeStore store(file);
        ASSERT_TRUE(store.put("DLG_EDIT_MACRO", {10, 20, 610, 420}));
        ASSERT_TRUE(store.put("DLG_GENVARS", {0, 0, 300, 200}));
        ASSERT_TRUE(store.put("dlg_edit_macro", {15, 25, 715, 525}));  // same key, other case
    }
    DialogSizeStore reopened(file);
    DialogRect rect;
    ASSERT_TRUE(reopened.get("DLG_EDIT_MACRO", rect));
    EXPECT_EQ(rect, (DialogRect{15, 25, 715, 525}));
    EXPECT_EQ(rect.width(), 700);
    ASSERT_TRUE(reopened.get("DLG_GENVARS", rect));
    EXPECT_EQ(rect.height(), 200);
    EXPECT_FALSE(reopened.get("DLG_OTHER", rect));
    // The spelling of the key last written is kept.
    EXPECT_EQ(raw(),
              "MDX-DIALOG-SIZES 1\r\ndlg_edit_macro\t15\t25\t715\t525\r\n"
              "DLG_GENVARS\t0\t0\t300\t200\r\n");
}

TEST_F(DialogSizeStoreTest, AnotherSessionsKeysAreKept) {
    DialogSizeStore first(file), second(file);
    ASSERT_TRUE(first.put("A", {0, 0, 10, 10}));
    ASSERT_TRUE(second.put("B", {0, 0, 20, 20}));
    DialogRect rect;
    EXPECT_TRUE(first.get("B", rect));
    EXPECT_TRUE(second.get("A", rect));
}

TEST_F(DialogSizeStoreTest, BadKeysAndEmptyRectanglesAreRefused) {
    DialogSizeStore store(file);
    EXPECT_FALSE(store.put("", {0, 0, 10, 10}));
    EXPECT_FALSE(store.put("A\tB", {0, 0, 10, 10}));
    EXPECT_FALSE(store.put("A\nB", {0, 0, 10, 10}));
    EXPECT_FALSE(store.put("A", {0, 0, 0, 10}));
    EXPECT_FALSE(store.put("A", {10, 0, 5, 10}));
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(DialogSizeStoreTest, DamagedLinesAreSkippedButKept) {
    putRaw(
        "MDX-DIALOG-SIZES 1\nGOOD\t1\t2\t101\t202\ngarbage\nBAD\t1\tx\t3\t4\n"
        "FLAT\t0\t0\t0\t0\nFRACTION\t0\t0\t1.5\t9\n\xFF\x00\n");
    DialogSizeStore store(file);
    DialogRect rect;
    EXPECT_TRUE(store.get("good", rect));
    EXPECT_EQ(rect, (DialogRect{1, 2, 101, 202}));
    EXPECT_FALSE(store.get("BAD", rect));
    EXPECT_FALSE(store.get("FLAT", rect));
    EXPECT_FALSE(store.get("FRACTION", rect));
    ASSERT_TRUE(store.put("NEW", {0, 0, 5, 5}));
    EXPECT_NE(raw().find("garbage\r\n"), std::string::npos);
    EXPECT_NE(raw().find("BAD\t1\tx\t3\t4\r\n"), std::string::npos);
}

TEST_F(DialogSizeStoreTest, AFileOfAnotherFormatIsNeverOverwritten) {
    putRaw("MDX-DIALOG-SIZES 2\nA\t0\t0\t9\t9\n");
    DialogSizeStore store(file);
    DialogRect rect;
    EXPECT_FALSE(store.get("A", rect));
    EXPECT_FALSE(store.put("A", {0, 0, 5, 5}));
    EXPECT_EQ(raw(), "MDX-DIALOG-SIZES 2\nA\t0\t0\t9\t9\n");
}

TEST_F(DialogSizeStoreTest, FailedWriteKeepsTheOldSizes) {
    DialogSizeStore store(file);
    ASSERT_TRUE(store.put("A", {0, 0, 10, 10}));
    win::setWriteFaultHook([](win::WriteStage s) { return s == win::WriteStage::Write; });
    EXPECT_FALSE(store.put("A", {0, 0, 99, 99}));
    win::setWriteFaultHook({});
    DialogRect rect;
    ASSERT_TRUE(store.get("A", rect));
    EXPECT_EQ(rect.width(), 10);
}

TEST_F(DialogSizeStoreTest, CurrentStoreFollowsTheProfileFolder) {
    win::setProfileFolder(folder / "p1");
    ASSERT_TRUE(DialogSizeStore::current().put("K", {0, 0, 1, 1}));
    EXPECT_TRUE(fs::exists(folder / "p1" / "dialog-sizes.txt"));
    win::setProfileFolder(folder / "p2");
    DialogRect rect;
    EXPECT_FALSE(DialogSizeStore::current().get("K", rect));
    win::setProfileFolder(folder / "p1");
    EXPECT_TRUE(DialogSizeStore::current().get("K", rect));
}

}  // namespace
