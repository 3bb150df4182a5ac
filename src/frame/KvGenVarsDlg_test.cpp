#include "frame/KvGenVarsDlg.h"

#include "MdxBuildPaths.h"
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "frame/FrameTestSupport.h"
#include "frame/GenVarsLaunch.h"
#include "core/Mdx_Settings.h"
#include "grid/GridUserSteps.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/WindowPainter.h"

namespace {

class GeneralVariables : public frame_testing::FrameTest {
protected:
    static KvGenVarsDlg* open() {
        return static_cast<KvGenVarsDlg*>(
            CWnd::FromHandlePermanent(win::findDialog(KvGenVarsDlg::kTemplateId)));
    }
    static void inDialog(std::function<void(KvGenVarsDlg&)> step) {
        win::user::act([step] {
            KvGenVarsDlg* dialog = open();
            ASSERT_NE(dialog, nullptr);
            step(*dialog);
        });
    }
    static std::string cell(Mdx_Spread& sheet, int col, int row) {
        Mdx_String text;
        sheet.getCellText(col, row, text, kTextData);
        return text.c_str();
    }
    static KvAutoStandardsData sample() {
        KvAutoStandardsData data;
        data.dwgGenVars = Mdx_StringArray{"gen_gap", "gen_grade"};
        data.dwgGenValues = Mdx_StringArray{"10", "S355"};
        data.dwgGenFilters = Mdx_StringArray{"Halls;Office\\A.dwg", ""};
        return data;
    }
};

TEST_F(GeneralVariables, TheListsFillTheGridsColumnByColumn) {
    KvAutoStandardsData data = sample();
    inDialog([](KvGenVarsDlg& dialog) {
        EXPECT_EQ(dialog.drawings.sheet.GetMaxCols(), 4);
        EXPECT_EQ(dialog.drawings.sheet.GetMaxRows(), 2);
        EXPECT_EQ(cell(dialog.drawings.sheet, 1, 2), "gen_grade");
        EXPECT_EQ(cell(dialog.drawings.sheet, 3, 1), "Halls;Office\\A.dwg");
        EXPECT_EQ(dialog.standards.sheet.GetMaxCols(), 5);
        EXPECT_EQ(dialog.standards.sheet.GetMaxRows(), 1) << "an empty list shows one row";
    });
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgGenVars(data));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(data.dwgGenVars, sample().dwgGenVars);
    EXPECT_EQ(data.dwgGenFilters, sample().dwgGenFilters);
    EXPECT_TRUE(data.stdGenVars.isEmpty()) << "the empty row is no variable";
    EXPECT_TRUE(data.stdGenOverrides.isEmpty());
}

TEST_F(GeneralVariables, RowsAddedMovedAndRemovedComeBackOnOk) {
    KvAutoStandardsData data = sample();
    inDialog([](KvGenVarsDlg& dialog) {
        dialog.standards.sheet.setCellData(1, 1, "gen_bolt");
        dialog.standards.sheet.setCellData(3, 1, "1");
        dialog.drawings.sheet.SetActiveCell(1, 2);
    });
    win::user::click(1438);  // the drawings' move up: gen_grade first
    win::user::click(1435);  // a new row at the current one
    inDialog([](KvGenVarsDlg& dialog) {
        EXPECT_EQ(dialog.drawings.sheet.GetMaxRows(), 3);
        dialog.drawings.sheet.setCellData(1, dialog.drawings.sheet.getCurrentRow(), "gen_new");
    });
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgGenVars(data));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    ASSERT_EQ(data.dwgGenVars.length(), 3);
    EXPECT_TRUE(data.dwgGenVars.contains("gen_new", true));
    EXPECT_EQ(data.dwgGenVars.find("gen_grade", true) < data.dwgGenVars.find("gen_gap", true),
              true);
    EXPECT_EQ(data.dwgGenVars.length(), data.dwgGenFilters.length()) << "lists stay parallel";
    EXPECT_EQ(data.stdGenVars, (Mdx_StringArray{"gen_bolt"}));
    EXPECT_EQ(data.stdGenOverrides, (Mdx_StringArray{"1"}));
}

TEST_F(GeneralVariables, CancelKeepsTheCallersLists) {
    KvAutoStandardsData data = sample();
    inDialog([](KvGenVarsDlg& dialog) { dialog.drawings.sheet.setCellData(2, 1, "99"); });
    win::user::click(1436);
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgGenVars(data));
    EXPECT_EQ(data.dwgGenValues, sample().dwgGenValues);
    EXPECT_EQ(data.dwgGenVars.length(), 2);
}

}  // namespace

namespace {

// The "..." of a row: drawings under the library's "Macros" folder join the row's filter
// as relative paths, drawings elsewhere are left out, and Cancel changes nothing.
TEST_F(GeneralVariables, TheDotsButtonAddsDrawingsOfTheMacrosFolder) {
    const std::filesystem::path library = folder / "library";
    std::filesystem::create_directories(library / "Macros" / "Halls");
    std::filesystem::create_directories(library / "Elsewhere");
    for (const char* file : {"Macros/Halls/A.dwg", "Macros/B.dwg", "Elsewhere/C.dwg"})
        std::ofstream(library / file) << "drawing";
    gSettings.setLibraryFolder(library.string());
    const Mdx_String macros = gSettings.libDir() + "Macros\\";
    KvAutoStandardsData data = sample();
    grid::user::clickCell(1434, 4, 1);  // the drawings' first row
    win::user::answerFileDialog({(macros + "Halls\\A.dwg").str(),
                                 (gSettings.libDir() + "Elsewhere\\C.dwg").str(),
                                 (macros + "B.dwg").str()});
    grid::user::clickCell(1444, 5, 1);  // the standards' row: cancelled
    win::user::cancelFileDialog();
    win::user::click(IDOK);
    const bool confirmed = StartDlgGenVars(data);
    gSettings.setLibraryFolder("");
    ASSERT_TRUE(confirmed);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    ASSERT_EQ(win::user::fileDialogs().size(), 2u);
    EXPECT_EQ(win::user::fileDialogs()[0].title,
              "Select the drawings and folders that apply to this general variable");
    EXPECT_EQ(data.dwgGenFilters[0], Mdx_String("Halls;Office\\A.dwg;Halls\\A.dwg;B.dwg"));
    EXPECT_EQ(data.dwgGenFilters[1], Mdx_String(""));
    EXPECT_TRUE(data.stdGenFilters.isEmpty());
}

}  // namespace

namespace {

// Made larger, the grids take the room and the buttons keep to the right edge; the picture
// of the larger dialog goes to docs/ on request.
TEST_F(GeneralVariables, ResizingGrowsTheGridsAndThePictureShowsTheData) {
    KvAutoStandardsData data = sample();
    data.stdGenVars = Mdx_StringArray{"gen_bolt"};
    data.stdGenValues = Mdx_StringArray{"M20"};
    data.stdGenOverrides = Mdx_StringArray{"1"};
    data.stdGenFilters = Mdx_StringArray{"Halls\\Frame.dwg"};
    RECT gridBefore{}, gridAfter{}, upBefore{}, upAfter{}, client{};
    std::string png;
    inDialog([&](KvGenVarsDlg& dialog) {
        ::GetWindowRect(dialog.standards.sheet.m_hWnd, &gridBefore);
        ::GetWindowRect(dialog.GetDlgItem(1440)->m_hWnd, &upBefore);
        RECT window;
        dialog.GetWindowRect(&window);
        dialog.MoveWindow(window.left, window.top, window.right - window.left + 120,
                          window.bottom - window.top + 80);
        ::GetWindowRect(dialog.standards.sheet.m_hWnd, &gridAfter);
        ::GetWindowRect(dialog.GetDlgItem(1440)->m_hWnd, &upAfter);
        dialog.GetClientRect(&client);
        ASSERT_TRUE(win::paintWindowToPngData(dialog.m_hWnd, png));
    });
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgGenVars(data));
    EXPECT_EQ(gridAfter.right - gridAfter.left, gridBefore.right - gridBefore.left + 120);
    EXPECT_GT(gridAfter.bottom - gridAfter.top, gridBefore.bottom - gridBefore.top);
    EXPECT_EQ(upAfter.left, upBefore.left + 120);
    EXPECT_EQ(upAfter.bottom - upAfter.top, upBefore.bottom - upBefore.top);
    EXPECT_FALSE(png.empty());
    if (std::getenv("MDX_UPDATE_DOCS")) {
        EXPECT_TRUE(win::writeWholeFileAtomic(
            std::filesystem::path(MDX_SOURCE_DIR) / "docs" / "dialog-general-variables.png", png));
    }
}

}  // namespace
