#include "core/FileDialogs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/StringHelpers.h"
#include "win/CFileDialog.h"
#include "win/FilePaths.h"
#include "win/WinTestSupport.h"

namespace {

namespace fs = std::filesystem;

class FileDialogsTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        root = fs::temp_directory_path() / ("mdx_filedlg_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "Macros");
        for (const char* name : {"a.dwg", "b.dwg", "End plate.txt"})
            std::ofstream(root / "Macros" / name) << "x";
        win::setDriveRoot('Q', root);
    }
    void TearDown() override {
        fs::remove_all(root);
        WindowSystemTest::TearDown();
    }
    fs::path root;
};

TEST_F(FileDialogsTest, OpenReturnsTheChosenFileAndShowsTheRightDialog) {
    win::user::answerFileDialog({"Q:\\Macros\\End plate.txt"});
    Mdx_String path;
    ASSERT_TRUE(DlgOpenSave(true, "txt", "Dialog designs (*.txt)", "Q:\\Macros\\", path, "Open"));
    EXPECT_EQ(path, Mdx_String("Q:\\Macros\\End plate.txt"));
    ASSERT_EQ(win::user::fileDialogs().size(), 1u);
    const win::FileDialogRecord& shown = win::user::fileDialogs()[0];
    EXPECT_TRUE(shown.open);
    EXPECT_EQ(shown.title, "Open");
    EXPECT_EQ(shown.initialFolder, "Q:\\Macros\\");
    EXPECT_EQ(shown.filter, "Dialog designs (*.txt)|*.txt||");
    EXPECT_TRUE(shown.flags & OFN_FILEMUSTEXIST);
}

TEST_F(FileDialogsTest, CancelAndMissingFilesLeaveThePathAlone) {
    Mdx_String path("proposed.txt");
    win::user::cancelFileDialog();
    EXPECT_FALSE(DlgOpenSave(true, "txt", "Designs", "Q:\\", path));
    EXPECT_EQ(path, Mdx_String("proposed.txt"));
    EXPECT_FALSE(DlgOpenSave(true, "txt", "Designs", "Q:\\", path));  // no script: cancelled
    win::user::answerFileDialog({"Q:\\Macros\\missing.txt"});
    EXPECT_FALSE(DlgOpenSave(true, "txt", "Designs", "Q:\\", path));
    EXPECT_EQ(path, Mdx_String("proposed.txt"));
}

TEST_F(FileDialogsTest, SaveAddsTheExtensionAndProposesTheName) {
    win::user::answerFileDialog({"Q:\\Macros\\New design"});
    Mdx_String path("Old design.txt");
    ASSERT_TRUE(DlgOpenSave(false, "txt", "Dialog designs (*.txt)", "Q:\\Macros", path));
    EXPECT_EQ(path, Mdx_String("Q:\\Macros\\New design.txt"));
    const win::FileDialogRecord& shown = win::user::fileDialogs().back();
    EXPECT_FALSE(shown.open);
    EXPECT_EQ(shown.fileName, "Old design.txt");
    EXPECT_TRUE(shown.flags & OFN_OVERWRITEPROMPT);
}

TEST_F(FileDialogsTest, AReadyFilterIsKeptAndNoDescriptionShowsThePattern) {
    Mdx_String path;
    win::user::cancelFileDialog();
    DlgOpenSave(true, "bmp", "Bitmaps|*.bmp|All|*.*||", "", path);
    EXPECT_EQ(win::user::fileDialogs().back().filter, "Bitmaps|*.bmp|All|*.*||");
    win::user::cancelFileDialog();
    DlgOpenSave(true, "bmp", "", "", path);
    EXPECT_EQ(win::user::fileDialogs().back().filter, "*.bmp|*.bmp||");
}

TEST_F(FileDialogsTest, MultiSelectionReturnsEveryFile) {
    win::user::answerFileDialog({"Q:\\Macros\\a.dwg", "Q:\\Macros\\b.dwg"});
    Mdx_StringArray paths = stringArr({"old"});
    ASSERT_TRUE(
        DlgOpenMulti("dwg", "AutoCAD Drawing", "Q:\\Macros\\", "Select the drawings", paths));
    EXPECT_EQ(paths, stringArr({"Q:\\Macros\\a.dwg", "Q:\\Macros\\b.dwg"}));
    EXPECT_TRUE(win::user::fileDialogs().back().flags & OFN_ALLOWMULTISELECT);
    EXPECT_EQ(win::user::fileDialogs().back().filter, "AutoCAD Drawing|*.dwg||");

    win::user::cancelFileDialog();
    EXPECT_FALSE(DlgOpenMulti("dwg", "AutoCAD Drawing", "Q:\\Macros\\", "t", paths));
    EXPECT_EQ(paths.length(), 2);  // kept on Cancel
}

}  // namespace
