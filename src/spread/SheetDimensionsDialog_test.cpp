#include "spread/SheetDimensionsDialog.h"

#include "grid/CellValue.h"
#include "resources/sheetdims_ids.h"
#include "spread/SheetTestSupport.h"

namespace {

class SheetDimensions : public spread_testing::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        attach(5, 2);
        for (int col = 1; col <= 5; ++col)
            sheet->SetData(col, 0, (std::string("c") + std::to_string(col)).c_str());
        sheet->SetData(0, 1, "first");
        sheet->SetData(0, 2, "second");
        sheet->SetBool(kOptionChanged, FALSE);
    }
    static HWND dialogGrid(int id) {
        return GetDlgItem(win::findDialog(IDD_SHEET_DIMENSIONS), id);
    }
    static void nameCell(int id, int col, int row, const char* text) {
        win::user::act([=] { SSSetData(dialogGrid(id), col, row, text); }, "edit a name");
    }
    std::string header(int col, int row) const {
        Mdx_String text;
        sheet->getCellText(col, row, text, kTextData);
        return text.str();
    }
};

TEST_F(SheetDimensions, DroppedNamesComeBackAndOkShapesTheSheet) {
    int colsWhileLow = -1, colsAgain = -1;
    nameCell(IDC_DIM_NAME_GRID_COLS, 5, 1, "fifth");
    win::user::typeText(IDC_DIM_COLS, "3");
    win::user::act([&] { colsWhileLow = SSGetMaxCols(dialogGrid(IDC_DIM_NAME_GRID_COLS)); });
    win::user::typeText(IDC_DIM_COLS, "6");
    win::user::act([&] { colsAgain = SSGetMaxCols(dialogGrid(IDC_DIM_NAME_GRID_COLS)); });
    nameCell(IDC_DIM_NAME_GRID_ROWS, 1, 2, "renamed");
    win::user::typeText(IDC_DIM_ROWS, "3");
    win::user::typeText(IDC_DIM_HEADER_HEIGHT, "30");
    win::user::typeText(IDC_DIM_HEADER_WIDTH, "90");
    win::user::click(IDOK);
    ASSERT_TRUE(editSheetDimensions(sheet.get()));
    EXPECT_TRUE(win::user::failures().empty());
    EXPECT_EQ(colsWhileLow, 3);
    EXPECT_EQ(colsAgain, 6);
    EXPECT_EQ(sheet->getMaxCols(), 6);
    EXPECT_EQ(sheet->getMaxRows(), 3);
    EXPECT_EQ(header(4, 0), "c4") << "dropped at 3 columns, back at 6";
    EXPECT_EQ(header(5, 0), "fifth");
    EXPECT_EQ(header(6, 0), "F") << "no name: the grid shows the column letter";
    EXPECT_EQ(header(0, 1), "first");
    EXPECT_EQ(header(0, 2), "renamed");
    int pixels = 0;
    sheet->GetRowHeightInPixels(0, &pixels);
    EXPECT_EQ(pixels, 30);
    sheet->GetColWidthInPixels(0, &pixels);
    EXPECT_EQ(pixels, 90);
    EXPECT_TRUE(sheet->GetBool(kOptionChanged));
}

TEST_F(SheetDimensions, CountsAreReadAsNumbersAndHeldToTheGridsLimits) {
    int colsForText = -1;
    win::user::typeText(IDC_DIM_COLS, "abc");
    win::user::act([&] { colsForText = SSGetMaxCols(dialogGrid(IDC_DIM_NAME_GRID_COLS)); });
    win::user::typeText(IDC_DIM_COLS, "99999999");
    win::user::typeText(IDC_DIM_ROWS, "-4");
    win::user::click(IDOK);
    ASSERT_TRUE(editSheetDimensions(sheet.get()));
    EXPECT_EQ(colsForText, 0) << "text that is no number empties the grid";
    EXPECT_EQ(sheet->getMaxCols(), grid::kMaxColumns);
    EXPECT_EQ(sheet->getMaxRows(), 0);
    EXPECT_EQ(header(2, 0), "c2") << "names survive the detour through zero columns";
}

TEST_F(SheetDimensions, CancelLeavesTheSheetAsItWas) {
    win::user::typeText(IDC_DIM_COLS, "2");
    win::user::typeText(IDC_DIM_HEADER_WIDTH, "200");
    win::user::click(IDCANCEL);
    int width = 0;
    sheet->GetColWidthInPixels(0, &width);
    EXPECT_FALSE(editSheetDimensions(sheet.get()));
    EXPECT_EQ(sheet->getMaxCols(), 5);
    EXPECT_EQ(header(5, 0), "c5");
    int after = 0;
    sheet->GetColWidthInPixels(0, &after);
    EXPECT_EQ(after, width);
    EXPECT_FALSE(sheet->GetBool(kOptionChanged));
    Mdx_Spread detached;
    EXPECT_FALSE(editSheetDimensions(&detached));
    EXPECT_FALSE(editSheetDimensions(nullptr));
}

}  // namespace
