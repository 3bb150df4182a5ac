#include "frame/KvGenVarsDlg.h"

#include <functional>

#include "frame/FrameTestSupport.h"
#include "frame/GenVarsLaunch.h"
#include "win/ScriptedUser.h"

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
