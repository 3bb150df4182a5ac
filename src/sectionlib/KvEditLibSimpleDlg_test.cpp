#include "sectionlib/KvEditLibSimpleDlg.h"

#include "core/MacroLangs.h"
#include "frame/FrameTestSupport.h"
#include "resources/sectionlib_ids.h"
#include "sectionlib/SectionLibraryLaunch.h"
#include "win/MessageBox.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"

namespace {

constexpr int kDimA = IDC_SIZE_DIM_EDIT0;

class AddSizeDialog : public frame_testing::FrameTest {
protected:
    static Mdx_StringArray rhsRow(const char* name, const char* h, const char* b, const char* t,
                                  const char* r, const char* flag = "1") {
        const Mdx_String user = Mdx_String("RHS ") + name;
        return {name, flag, user, user, user, user, h, b, t, r};
    }
    static Mdx_ProfValuesTable rhsTable() {
        Mdx_ProfValuesTable table;
        table.tableName = "RHS";
        table.pictureName = "10";
        table.columnNames = {"SysName", "I/O", "English", "German", "French", "Dutch",
                             "h",       "b",   "t",       "r"};
        table.rows.append(rhsRow("100x50x4", "100", "50", "4", "8"));
        table.rows.append(rhsRow("100x100x5", "100", "100", "5", "10", "0"));
        table.rows.append(rhsRow("100x100x8", "100", "100", "8", "16"));
        table.rows.append(rhsRow("200x100x8", "200", "100", "8", "16"));
        return table;
    }
    std::string shown(int id) const {
        std::string text;
        if (HWND dialog = win::findDialog(IDD_EDITLIBSIMPLE))
            CWnd::FromHandle(dialog)->GetDlgItemText(id, text);
        return text;
    }
};

TEST_F(AddSizeDialog, NameFollowsTheDimensionsAndTheSizeGoesToItsSortedPlace) {
    Mdx_ProfValuesTable table = rhsTable();
    std::string nameWhileTyping, labelA;
    win::user::typeText(kDimA, "150");
    win::user::typeText(kDimA + 2, "6");
    win::user::typeText(kDimA + 3, "12");
    win::user::act([&] {
        nameWhileTyping = shown(IDC_SIZE_NAME);
        labelA = shown(IDC_SIZE_DIM_LABEL0);
    });
    win::user::click(IDOK);
    int newRow = -1;
    ASSERT_TRUE(StartDlgEditLibSimple("100x50x4", table, newRow));
    EXPECT_TRUE(win::user::failures().empty());
    EXPECT_EQ(nameWhileTyping, "RHS 150x50x6");
    EXPECT_EQ(labelA, "A. h:");
    ASSERT_EQ(table.rows.length(), 5);
    EXPECT_EQ(table.rows[3], rhsRow("150x50x6", "150", "50", "6", "12"));
    EXPECT_EQ(newRow, 2) << "the inactive 100x100x5 before it does not count";
}

TEST_F(AddSizeDialog, SquareSizesGoAmongTheSquareSizes) {
    Mdx_ProfValuesTable table = rhsTable();
    win::user::typeText(kDimA + 2, "6");
    win::user::typeText(kDimA + 3, "12");
    win::user::click(IDOK);
    int newRow = -1;
    ASSERT_TRUE(StartDlgEditLibSimple("100x100x8", table, newRow));
    ASSERT_EQ(table.rows.length(), 5);
    EXPECT_EQ(table.rows[2][0], Mdx_String("100x100x6"));
    EXPECT_EQ(newRow, 1);

    win::user::typeText(kDimA, "50");
    win::user::typeText(kDimA + 1, "50");
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgEditLibSimple("100x100x8", table, newRow));
    EXPECT_EQ(table.rows[1][0], Mdx_String("50x50x8")) << "the smallest square goes first";
}

TEST_F(AddSizeDialog, TubeCornerRadiusMustExceedTheWallOrBeZero) {
    Mdx_ProfValuesTable table = rhsTable();
    win::user::typeText(kDimA + 2, "10");
    win::user::typeText(kDimA + 3, "10");
    win::user::click(IDOK);
    win::user::typeText(kDimA + 3, "0");
    win::user::click(IDOK);
    int newRow = -1;
    ASSERT_TRUE(StartDlgEditLibSimple("200x100x8", table, newRow));
    ASSERT_EQ(win::user::messageBoxes().size(), 1u);
    const win::MessageBoxRecord& box = win::user::messageBoxes()[0];
    EXPECT_EQ(box.text,
              "The fourth dimension must be greater than the third\nor zero.\n\n"
              "Please correct the value.");
    EXPECT_EQ(box.caption, "Invalid input");
    EXPECT_EQ(box.type & 0xF0u, MB_ICONWARNING);
    ASSERT_EQ(table.rows.length(), 5) << "one size, added after the correction";
    EXPECT_EQ(table.rows[4][0], Mdx_String("200x100x10"));
    EXPECT_EQ(table.rows[4][9], Mdx_String("0"));

    Mdx_ProfValuesTable drawingPicture = rhsTable();
    drawingPicture.pictureName = "RHS.dwg";
    win::user::typeText(kDimA + 2, "10");
    win::user::typeText(kDimA + 3, "10");
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgEditLibSimple("200x100x8", drawingPicture, newRow));
    EXPECT_EQ(drawingPicture.rows.length(), 5) << "only the built-in tube is checked";
}

TEST_F(AddSizeDialog, TypedNamesAndRefusals) {
    Mdx_ProfValuesTable table = rhsTable();
    win::user::check(IDC_SIZE_AUTO_NAME, 0);
    win::user::typeText(IDC_SIZE_NAME, "100x50x4");
    win::user::click(IDOK);
    win::user::typeText(IDC_SIZE_NAME, "  ");
    win::user::click(IDOK);
    win::user::typeText(IDC_SIZE_NAME, "Special");
    win::user::click(IDOK);
    int newRow = -1;
    ASSERT_TRUE(StartDlgEditLibSimple("100x50x4", table, newRow));
    EXPECT_TRUE(win::user::failures().empty());
    ASSERT_EQ(win::user::messageBoxes().size(), 2u) << "taken name, then empty name";
    ASSERT_EQ(table.rows.length(), 5);
    const Mdx_StringArray& added = table.rows[4];
    EXPECT_EQ(added[0], Mdx_String("Special"));
    EXPECT_EQ(added[2], Mdx_String("Special"));
    EXPECT_EQ(added[5], Mdx_String("Special"));

    Mdx_ProfValuesTable shortRows = rhsTable();
    shortRows.rows.setEmpty();
    shortRows.rows.append(Mdx_StringArray{"1", "1", "x"});
    newRow = 7;
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditLibSimple("1", shortRows, newRow));
    EXPECT_EQ(newRow, -1);
    EXPECT_EQ(shortRows.rows.length(), 1);
}

TEST_F(AddSizeDialog, OwnValueColumnsAreLabelledInTheCurrentLanguage) {
    Mdx_ProfValuesTable table;
    table.tableName = "PL";
    table.pictureName = "PL.dwg";
    table.columnNames = {"SysName", "I/O", "English", "German", "French", "Nederlands",
                         "Height", "Width"};
    table.rows.append(Mdx_StringArray{"200x10", "1", "PL 200x10", "", "", "Plaat 200x10",
                                      "200", "10"});
    ASSERT_TRUE(gMacroLangs.SetCurLanguage("Nederlands"));
    std::string labelA, name, shownC;
    win::user::typeText(kDimA, "300");
    win::user::act([&] {
        labelA = shown(IDC_SIZE_DIM_LABEL0);
        name = shown(IDC_SIZE_NAME);
        shownC = IsWindowVisible(GetDlgItem(win::findDialog(IDD_EDITLIBSIMPLE), kDimA + 2))
                     ? "shown"
                     : "hidden";
    });
    win::user::click(IDOK);
    int newRow = -1;
    const bool added = StartDlgEditLibSimple("200x10", table, newRow);
    gMacroLangs.SetCurLanguage("English");
    ASSERT_TRUE(added);
    EXPECT_EQ(labelA, "A. Hoogte:");
    EXPECT_EQ(name, "Plaat 300x10") << "the current language's prefix";
    EXPECT_EQ(shownC, "hidden") << "no third value column";
    ASSERT_EQ(table.rows.length(), 2);
    EXPECT_EQ(table.rows[1][2], Mdx_String("PL 300x10"));
    EXPECT_EQ(table.rows[1][5], Mdx_String("Plaat 300x10"));
    EXPECT_EQ(table.rows[1][3], Mdx_String("300x10")) << "no prefix in an empty name";
}

}  // namespace
