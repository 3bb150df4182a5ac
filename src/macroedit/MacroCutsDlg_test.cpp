// The macro cuts dialog driven as a person drives it: what an edited cut keeps fixed, how the
// options follow the cut type, and what OK refuses before it accepts.
#include "macroedit/MacroCutsDlg.h"

#include <gtest/gtest.h>

#include "MdxBuildPaths.h"
#include "core/macro/MacroClasses.h"
#include "core/macro/MacroEditPickers.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "frame/FrameTestSupport.h"
#include "macroedit/MacroCutsLaunch.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/WindowPainter.h"

namespace {

class MacroCutsDialog : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        ASSERT_EQ(registerMacroClasses(), Acad::eOk);
        macro_edit_pickers::clear();
        drawing = endplate::build(db);
        data.macroChoice.database = &db;
        data.macroChoice.macroId = drawing.macro;
        data.name = "Notch1";
        data.moduleName = "EndPlate";
        DlgMacroCutsData::GetDefaultValues(data.cutType, data.valueNames, data.values,
                                           data.valueFlags);
    }
    void TearDown() override {
        macro_edit_pickers::clear();
        FrameTest::TearDown();
    }
    static MacroCutsDlg* dialog() {
        return static_cast<MacroCutsDlg*>(
            CWnd::FromHandlePermanent(win::findDialog(MacroCutsDlg::kTemplateId)));
    }
    static void inDialog(std::function<void(MacroCutsDlg&)> step) {
        win::user::act([step] {
            ASSERT_NE(dialog(), nullptr);
            step(*dialog());
        });
    }
    static std::string cell(MacroCutsDlg& d, int col, int row) {
        Mdx_String text;
        d.grid.getCellText(col, row, text, kTextData);
        return text.c_str();
    }
    static bool visible(MacroCutsDlg& d, int id) { return d.GetDlgItem(id)->IsWindowVisible(); }
    void expectNoFailures() {
        EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    }

    AcDbDatabase db;
    endplate::Drawing drawing;
    DlgMacroCutsData data;
    bool escaped = false;
};

// The edited cut's other part is fixed and its controls hidden, so an empty module field
// cannot hold it back.
TEST_F(MacroCutsDialog, AnEditedCutKeepsNameTypeAndOtherPartAndCanBeConfirmed) {
    data.editing = true;
    data.moduleName = "";
    inDialog([](MacroCutsDlg& d) {
        EXPECT_FALSE(d.GetDlgItem(MacroCutsDlg::kName)->IsWindowEnabled());
        EXPECT_FALSE(d.GetDlgItem(MacroCutsDlg::kType)->IsWindowEnabled());
        for (int id : {MacroCutsDlg::kThisMacro, MacroCutsDlg::kOtherMacro,
                       MacroCutsDlg::kPickMacro, MacroCutsDlg::kModule})
            EXPECT_FALSE(visible(d, id)) << id;
        EXPECT_FALSE(visible(d, MacroCutsDlg::kCheck1325));
        d.SetDlgItemText(MacroCutsDlg::kName, "Renamed");
    });
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_EQ(data.name, Mdx_String("Notch1")) << "the name is not read back";
    EXPECT_TRUE(win::user::messageBoxes().empty());
    expectNoFailures();
}

TEST_F(MacroCutsDialog, OptionsAndDefaultValuesFollowTheCutType) {
    data.cutType = Mdx_ConstraintCutType::ProfileVsProfile3Segments;
    data.threeSegments = false;  // option 3
    inDialog([](MacroCutsDlg& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(1290), BST_CHECKED);
        EXPECT_FALSE(visible(d, MacroCutsDlg::kPrefix)) << "no prefix with option 3";
    });
    win::user::select(MacroCutsDlg::kType, 0);  // section against plate
    inDialog([](MacroCutsDlg& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(1289), BST_CHECKED) << "option 3 becomes option 2";
        EXPECT_FALSE(visible(d, 1290));
        EXPECT_TRUE(visible(d, MacroCutsDlg::kChoice));
    });
    win::user::check(MacroCutsDlg::kCheck1325, BST_CHECKED);
    inDialog([](MacroCutsDlg& d) {
        EXPECT_FALSE(d.GetDlgItem(MacroCutsDlg::kCheck1323)->IsWindowEnabled());
        EXPECT_TRUE(d.GetDlgItem(MacroCutsDlg::kCheck1326)->IsWindowEnabled());
    });
    win::user::select(MacroCutsDlg::kType, 2);  // section in section: two of four defaults
    inDialog([](MacroCutsDlg& d) {
        EXPECT_EQ(d.grid.getMaxRows(), 4);
        EXPECT_EQ(cell(d, 1, 1), "Length offset");
        EXPECT_EQ(cell(d, 3, 1), "20");
        EXPECT_EQ(cell(d, 3, 3), "0");
        EXPECT_EQ(cell(d, 3, 4), "0") << "the missing values show 0";
    });
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_EQ(data.cutType, Mdx_ConstraintCutType::ProfileInProfile);
    EXPECT_EQ(data.values, Mdx_StringArray({"20", "0", "0", "0"}));
    expectNoFailures();
}

TEST_F(MacroCutsDialog, OkRefusesAMissingModuleAUsedNameAndBadValueNames) {
    data.otherPartSource = 2;
    data.moduleName = "";
    data.name = "chamfer";  // the end plate has a cut of that name
    win::user::click(IDOK);                // no module
    win::user::answerMessageBox(IDOK);
    win::user::typeText(MacroCutsDlg::kModule, "EndPlate");
    win::user::click(IDOK);                // the name is in use there
    win::user::answerMessageBox(IDOK);
    win::user::typeText(MacroCutsDlg::kName, "Notch1");
    inDialog([](MacroCutsDlg& d) { d.grid.setCellData(3, 1, "gen_gap"); });
    win::user::click(IDOK);                // a general variable's name
    win::user::answerMessageBox(IDOK);
    inDialog([](MacroCutsDlg& d) { d.grid.setCellData(3, 1, "NotchGap"); });
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgMacroCuts(data, escaped));
    ASSERT_EQ(win::user::messageBoxes().size(), 3u);
    EXPECT_EQ(win::user::messageBoxes()[0].caption, "No module");
    EXPECT_EQ(win::user::messageBoxes()[1].caption, "Name in use");
    EXPECT_EQ(win::user::messageBoxes()[2].caption, "Invalid input");
    EXPECT_EQ(data.name, Mdx_String("Notch1"));
    EXPECT_EQ(data.values[0], Mdx_String("NotchGap"));
    EXPECT_EQ(data.moduleName, Mdx_String("EndPlate"));
    expectNoFailures();
}

TEST_F(MacroCutsDialog, AnotherMacroIsPickedInTheDrawing) {
    macro_edit_pickers::queue(macro_edit_pickers::Pick::Macro, drawing.macro.toText().c_str());
    data.macroChoice.macroId = AcDbObjectId();
    win::user::click(MacroCutsDlg::kOtherMacro);
    inDialog([](MacroCutsDlg& d) {
        EXPECT_EQ(d.SendDlgItemMessage(MacroCutsDlg::kModule, CB_GETCOUNT, 0, 0), 4);
        EXPECT_TRUE(d.GetDlgItem(MacroCutsDlg::kPickMacro)->IsWindowEnabled());
    });
    std::string png;
    inDialog([&png](MacroCutsDlg& d) { ASSERT_TRUE(win::paintWindowToPngData(d.m_hWnd, png)); });
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgMacroCuts(data, escaped));
    EXPECT_EQ(CAdUiBaseDialog::editorCommandsBegun(), CAdUiBaseDialog::editorCommandsCompleted());
    EXPECT_GT(png.size(), 1000u);
    if (std::getenv("MDX_UPDATE_DOCS")) {
        EXPECT_TRUE(win::writeWholeFileAtomic(
            std::filesystem::path(MDX_SOURCE_DIR) / "docs" / "dialog-macro-cuts.png", png));
    }
    expectNoFailures();
}

}  // namespace
