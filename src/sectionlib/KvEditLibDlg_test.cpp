#include "sectionlib/KvEditLibDlg.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "MdxBuildPaths.h"

#include "core/Mdx_Settings.h"
#include "frame/FrameTestSupport.h"
#include "resources/sectionlib_ids.h"
#include "resources/spread_ids.h"
#include "sectionlib/SectionLibraryLaunch.h"
#include "win/FilePaths.h"
#include "win/MessageBox.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"

namespace {

namespace fs = std::filesystem;
using Tables = SectionTablesPage;

class LibraryEditor : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        library = folder / "library";
        fs::create_directories(library / "prof");
        for (const char* name : {"HEA.pr", "IPE.pr"})
            fs::copy_file(fs::path(MDX_SOURCE_DIR) / "examples" / "prof" / name,
                          library / "prof" / name);
        gSettings.setLibraryFolder(library.string());
    }
    void TearDown() override {
        win::setWriteFaultHook({});
        gSettings.reset();
        FrameTest::TearDown();
    }
    static DlgEditLibData libraryData() {
        DlgEditLibData data;
        data.tableNames = {"HEA", "IPE"};
        return data;
    }
    static HWND tablesPage() { return win::findDialog(Tables::kTemplateId); }
    static std::string gridText(int col, int row) {
        char text[64] = {};
        SSGetData(GetDlgItem(tablesPage(), Tables::kGrid), col, row, text, sizeof text);
        return text;
    }
    static win::DialogRef page() { return win::DialogRef{Tables::kTemplateId, ""}; }
    std::string file(const char* name) const {
        return mdx_read(library / "prof" / name);
    }
    static std::string mdx_read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fs::path library;
};

TEST_F(LibraryEditor, OpensOnTheTablesPageAtTheGivenSize) {
    DlgEditLibData data = libraryData();
    int activeRow = 0, rows = 0;
    std::string firstSize;
    int picture = -1;
    bool tablesShown = false, groupsShown = true;
    win::user::act([&] {
        tablesShown = IsWindowVisible(tablesPage());
        groupsShown = IsWindowVisible(win::findDialog(8138));
        rows = SSGetMaxRows(GetDlgItem(tablesPage(), Tables::kGrid));
        int col = 0;
        SSGetActiveCell(GetDlgItem(tablesPage(), Tables::kGrid), &col, &activeRow);
        picture = static_cast<int>(
            SendMessage(GetDlgItem(tablesPage(), Tables::kPicture), CB_GETCURSEL, 0, 0));
        firstSize = gridText(1, 1);
    });
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgEditLibSections(data, "IPE-300"));
    EXPECT_TRUE(win::user::failures().empty());
    EXPECT_TRUE(tablesShown);
    EXPECT_FALSE(groupsShown);
    EXPECT_EQ(rows, 18);
    EXPECT_EQ(firstSize, "80");
    EXPECT_EQ(activeRow, 11) << "IPE 300 is the eleventh size";
    EXPECT_EQ(picture, 0) << "<I section>, built-in type 1";
    EXPECT_EQ(data.currentTable, 1);
    EXPECT_TRUE(win::user::messageBoxes().empty()) << "nothing changed, nothing asked";
}

TEST_F(LibraryEditor, ChangedTableIsSavedDiscardedOrKeptAsTheUserSays) {
    DlgEditLibData data = libraryData();
    const std::string hea = file("HEA.pr");
    int columnsAfterCut = 0;
    win::user::select(Tables::kPicture, 9, page());  // <Rectangular tube>
    win::user::answerMessageBox(IDYES);              // cut the surplus columns
    win::user::act([&] { columnsAfterCut = SSGetMaxCols(GetDlgItem(tablesPage(), Tables::kGrid)); });
    win::user::select(Tables::kTables, 1, page());
    win::user::answerMessageBox(IDCANCEL);  // stay on HEA
    win::user::select(Tables::kTables, 1, page());
    win::user::answerMessageBox(IDYES);  // save HEA, go to IPE
    win::user::select(Tables::kPicture, 1, page());  // <Angle>: four dimensions
    win::user::answerMessageBox(IDNO);               // keep IPE's six value columns
    win::user::select(Tables::kTables, 0, page());
    win::user::answerMessageBox(IDNO);  // IPE's change is dropped
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgEditLibSections(data, "HEA-100"));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(columnsAfterCut, 10);
    ASSERT_EQ(win::user::messageBoxes().size(), 5u);
    EXPECT_EQ(win::user::messageBoxes()[1].text,
              "The table <HEA> has been changed. Save the changes?");
    EXPECT_NE(file("HEA.pr"), hea);
    Mdx_ProfValuesTable saved;
    ASSERT_TRUE(saved.readFromFile("HEA"));
    EXPECT_EQ(saved.pictureName, Mdx_String("10"));
    EXPECT_EQ(saved.columnNames.length(), 10);
    EXPECT_EQ(saved.columnNames[9], Mdx_String("r"));
    EXPECT_EQ(saved.rows.length(), 15);
    Mdx_ProfValuesTable ipe;
    ASSERT_TRUE(ipe.readFromFile("IPE"));
    EXPECT_EQ(ipe.pictureName, Mdx_String("1"));
}

TEST_F(LibraryEditor, NewRenameAndDeleteKeepFilesSafe) {
    DlgEditLibData data = libraryData();
    win::user::click(Tables::kNewTable, page());
    win::user::click(Tables::kRenameTable, page());
    win::user::typeText(IDC_VALUE_EDIT, "HEA");
    win::user::click(IDOK);  // taken: refused
    win::user::click(Tables::kRenameTable, page());
    win::user::typeText(IDC_VALUE_EDIT, "..\\Outside");
    win::user::click(IDOK);  // no table name: refused
    win::user::click(Tables::kRenameTable, page());
    win::user::typeText(IDC_VALUE_EDIT, "Tubes");
    win::user::click(IDOK);
    win::user::select(Tables::kTables, 0, page());
    win::user::click(Tables::kDeleteTable, page());
    win::user::answerMessageBox(IDYES);
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgEditLibSections(data, "HEA-100"));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(data.tableNames, (Mdx_StringArray{"IPE", "Tubes"}));
    EXPECT_FALSE(fs::exists(library / "prof" / "HEA.pr"));
    EXPECT_FALSE(fs::exists(library / "Outside.pr"));
    Mdx_ProfValuesTable tubes;
    ASSERT_TRUE(tubes.readFromFile("Tubes"));
    EXPECT_EQ(tubes.columnNames,
              (Mdx_StringArray{"SysName", "I/O", "English", "German", "French", "Nederlands",
                               "Value1", "Value2"}));
    ASSERT_EQ(tubes.rows.length(), 1);
    EXPECT_EQ(tubes.rows[0][1], Mdx_String("1"));
    EXPECT_EQ(tubes.rows[0][7], Mdx_String("0"));
}

TEST_F(LibraryEditor, FailedRenameLeavesTheOldTableReadable) {
    DlgEditLibData data = libraryData();
    const std::string hea = file("HEA.pr");
    win::user::act([] { win::setWriteFaultHook([](win::WriteStage) { return true; }); });
    win::user::click(Tables::kRenameTable, page());
    win::user::typeText(IDC_VALUE_EDIT, "Wide");
    win::user::click(IDOK);
    win::user::act([] { win::setWriteFaultHook({}); });
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgEditLibSections(data, "HEA-100"));
    ASSERT_EQ(win::user::messageBoxes().size(), 1u);
    EXPECT_EQ(win::user::messageBoxes()[0].text,
              "Wide could not be written; the previous file is kept.");
    EXPECT_EQ(data.tableNames, (Mdx_StringArray{"HEA", "IPE"}));
    EXPECT_EQ(file("HEA.pr"), hea);
    EXPECT_FALSE(fs::exists(library / "prof" / "Wide.pr"));
}

TEST_F(LibraryEditor, UnreadableTableShowsEmptyAndIsLeftAlone) {
    std::ofstream(library / "prof" / "Broken.pr", std::ios::binary) << "not a table";
    DlgEditLibData data;
    data.tableNames = {"Broken", "HEA"};
    int rows = -1, cols = -1;
    win::user::act([&] {
        rows = SSGetMaxRows(GetDlgItem(tablesPage(), Tables::kGrid));
        cols = SSGetMaxCols(GetDlgItem(tablesPage(), Tables::kGrid));
    });
    win::user::select(Tables::kTables, 1, page());
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgEditLibSections(data, "Broken-1"));
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(cols, 0);
    EXPECT_TRUE(win::user::messageBoxes().empty());
    EXPECT_EQ(file("Broken.pr"), "not a table");
}

TEST_F(LibraryEditor, GroupsAreAddedEditedMovedAndRemoved) {
    DlgEditLibData data = libraryData();
    data.groups.appendNewGrp("Hot rolled", 4);
    const win::DialogRef groups{8138, ""};
    win::user::click(LibraryListPage::kAdd, groups);
    win::user::act([] {
        SSSetData(GetDlgItem(win::findDialog(8138), LibraryListPage::kNames), 1, 2, "Rohre");
    });
    win::user::typeText(LibraryListPage::kImage, "tubes.bmp", groups);
    win::user::check(LibraryListPage::kEnabled, BST_UNCHECKED, groups);
    win::user::click(LibraryListPage::kUp, groups);
    win::user::click(LibraryListPage::kAdd, groups);
    win::user::click(LibraryListPage::kRemove, groups);
    win::user::select(8097, 1);  // the types page; leaving stores the groups page
    win::user::click(LibraryListPage::kAdd, win::DialogRef{8139, ""});
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgEditLibSections(data, ""));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    ASSERT_EQ(data.groups.length(), 2);
    EXPECT_EQ(data.groups[0].name, Mdx_String("New group"));
    EXPECT_FALSE(data.groups[0].enabled);
    EXPECT_EQ(data.groups[0].imageName, Mdx_String("tubes.bmp"));
    EXPECT_EQ(data.groups[0].names[1], Mdx_String("Rohre"));
    EXPECT_EQ(data.groups[1].name, Mdx_String("Hot rolled"));
    ASSERT_EQ(data.types.length(), 1);
    EXPECT_EQ(data.types[0].names, (Mdx_StringArray{"New type", "New type", "New type",
                                                    "New type"}));
}

// The groups' check list holds their enabled flags: picking a group shows it with its flag
// switched, and the enabled box of the shown group ticks its item in the list.
TEST_F(LibraryEditor, TheCheckListOfGroupsHoldsTheirEnabledFlags) {
    DlgEditLibData data = libraryData();
    data.groups.appendNewGrp("Hot rolled", 4);
    data.groups.appendNewGrp("Tubes", 4);
    data.groups[1].enabled = false;
    const win::DialogRef groups{8138, ""};
    std::string closedText, afterUntick;
    int shownEnabled = -1;
    auto closed = [](std::string& text) {
        HWND list = GetDlgItem(win::findDialog(8138), LibraryListPage::kList);
        auto* combo = static_cast<CCheckComboBox*>(CWnd::FromHandlePermanent(list));
        text = combo ? combo->GetCheckedText().str() : "no check list";
    };
    win::user::act([&] { closed(closedText); });
    win::user::select(LibraryListPage::kList, 1, groups);  // ticks "Tubes" and shows it
    win::user::act([&] {
        shownEnabled = IsDlgButtonChecked(win::findDialog(8138), LibraryListPage::kEnabled);
    });
    win::user::check(LibraryListPage::kEnabled, BST_UNCHECKED, groups);
    win::user::act([&] { closed(afterUntick); });
    win::user::select(LibraryListPage::kList, 0, groups);  // clears "Hot rolled"
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgEditLibSections(data, ""));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(closedText, "Hot rolled");
    EXPECT_EQ(shownEnabled, BST_CHECKED);
    EXPECT_EQ(afterUntick, "Hot rolled");
    EXPECT_FALSE(data.groups[0].enabled);
    EXPECT_FALSE(data.groups[1].enabled);
}

}  // namespace
