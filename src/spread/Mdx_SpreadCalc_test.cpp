#include <filesystem>

#include "grid/CellType.h"
#include "spread/SheetTestSupport.h"

namespace {

class SheetCalc : public spread_testing::SheetTest {};

BOOL twice(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    if (count != 1 || args[0].status != SS_VALUE_OK) return FALSE;
    const double x = args[0].kind == SS_KIND_DOUBLE ? args[0].value.dfValue
                                                    : static_cast<double>(args[0].value.lValue);
    result->status = SS_VALUE_OK;
    result->kind = SS_KIND_DOUBLE;
    result->value.dfValue = 2 * x;
    return TRUE;
}

TEST_F(SheetCalc, CustomFunctionsAreCalledWhileFormulasCalculate) {
    attach(2, 2);
    EXPECT_FALSE(Mdx_Spread().addCustomFunction("TWICE", 1, 1, twice, 0)) << "not attached";
    ASSERT_TRUE(sheet->addCustomFunction("TWICE", 1, 1, twice, 0));
    ASSERT_TRUE(sheet->setInt(1, 1, 21));
    ASSERT_TRUE(sheet->SetFormula(2, 1, "TWICE(A1)", TRUE));
    EXPECT_EQ(value(2, 1), "42");
    ASSERT_TRUE(sheet->setInt(1, 1, 5));
    ASSERT_TRUE(sheet->recalcCell(2, 1));
    EXPECT_EQ(value(2, 1), "10");
    ASSERT_TRUE(sheet->setInt(1, 1, 6));
    ASSERT_TRUE(sheet->recalcAll());
    EXPECT_EQ(value(2, 1), "12");
}

TEST_F(SheetCalc, SavedSheetsLoadBack) {
    attach(2, 2);
    put(1, 2, "kept");
    const std::string file = (profile / "sheet.sss").string();
    EXPECT_EQ(sheet->saveToFile(file.c_str(), 0), 1);
    ASSERT_TRUE(sheet->clearRow(2));
    EXPECT_EQ(sheet->loadFromFile(file.c_str()), 1);
    EXPECT_EQ(value(1, 2), "kept");
    EXPECT_EQ(sheet->loadFromFile((profile / "missing.sss").string().c_str()), 0);
    EXPECT_EQ(value(1, 2), "kept") << "a failed load leaves the sheet";
}

TEST_F(SheetCalc, FontsCarryTheTextTip) {
    attach(2, 2);
    sheet->setFontHeight(13);
    ASSERT_TRUE(sheet->applyFonts(true));
    int status = 0, delay = -1;
    LOGFONT tip;
    COLORREF back = 0, fore = 0;
    ASSERT_TRUE(sheet->GetTextTip(&status, &delay, &tip, &back, &fore));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(delay, 0);
    EXPECT_EQ(tip.lfHeight, 13);
    LOGFONT cell;
    SSGetFont(sheetWindow(), 2, 2, &cell);
    EXPECT_EQ(cell.lfHeight, 13);
    EXPECT_EQ(cell.lfWeight, FW_NORMAL);
    SSGetFont(sheetWindow(), 2, SS_HEADER, &cell);
    EXPECT_EQ(cell.lfWeight, FW_BOLD);
    EXPECT_FALSE(sheet->applyRowFont(3, true)) << "beyond the rows";
}

TEST_F(SheetCalc, ResourcePicturesComeFromTheModule) {
    attach(2, 2);
    ASSERT_TRUE(sheet->setResourceImageCell(1, 1, 8134, false));
    SSCELLTYPE type;
    ASSERT_TRUE(sheet->GetCellType(1, 1, &type));
    EXPECT_EQ(type.code, grid::kTypePicture);
    EXPECT_EQ(type.style, 0x210024u);
    EXPECT_FALSE(sheet->setResourceImageCell(1, 2, 4711, false));
}

}  // namespace
