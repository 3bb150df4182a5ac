#include "grid/CellType.h"
#include "spread/SheetTestSupport.h"
#include "win/Bitmap.h"
#include "win/Gdi.h"

namespace {

class SheetContent : public spread_testing::SheetTest {};

TEST_F(SheetContent, CellTextIsEmptyAndFailsBeyondTheSheet) {
    attach(2, 2);
    put(2, 2, "inside");
    Mdx_String text = "stale";
    EXPECT_FALSE(sheet->getCellText(3, 1, text, kTextValue));
    EXPECT_TRUE(text.isEmpty()) << "cleared before the check";
    EXPECT_FALSE(sheet->getCellText(1, 3, text, kTextData));
    EXPECT_TRUE(sheet->getCellText(2, 2, text, kTextData));
    EXPECT_EQ(text.str(), "inside");
    ASSERT_TRUE(sheet->SetCellTag(1, 1, "tagged"));
    EXPECT_TRUE(sheet->getCellText(1, 1, text, kTextTag));
    EXPECT_EQ(text.str(), "tagged");
    ASSERT_TRUE(sheet->SetFormula(1, 2, "1+2", TRUE));
    EXPECT_TRUE(sheet->getCellText(1, 2, text, kTextFormula));
    EXPECT_NE(text.find("1+2", true), -1);
    EXPECT_EQ(value(1, 2), "3");
}

TEST_F(SheetContent, ChecksReadOnlyOneAndZero) {
    attach(1, 4);
    bool on = false;
    ASSERT_TRUE(sheet->setCheck(1, 1, true));
    EXPECT_TRUE(sheet->getCheck(1, 1, on));
    EXPECT_TRUE(on);
    ASSERT_TRUE(sheet->setCheck(1, 2, false));
    EXPECT_TRUE(sheet->getCheck(1, 2, on));
    EXPECT_FALSE(on);
    put(1, 3, "yes");
    on = true;
    EXPECT_FALSE(sheet->getCheck(1, 3, on));
    EXPECT_TRUE(on) << "a refused read leaves the value";
    EXPECT_FALSE(sheet->getCheck(1, 4, on)) << "an empty cell is no check";
    EXPECT_FALSE(sheet->getCheck(1, 5, on)) << "beyond the rows";
}

TEST_F(SheetContent, NumbersConvertTheLeadingNumberAndRealsKeepTwoDecimals) {
    attach(2, 3);
    ASSERT_TRUE(sheet->setInt(1, 1, -42));
    int number = 0;
    ASSERT_TRUE(sheet->getInt(1, 1, number));
    EXPECT_EQ(number, -42);
    put(1, 2, "12 pieces");
    ASSERT_TRUE(sheet->getInt(1, 2, number));
    EXPECT_EQ(number, 12);
    put(1, 3, "none");
    ASSERT_TRUE(sheet->getInt(1, 3, number));
    EXPECT_EQ(number, 0);

    ASSERT_TRUE(sheet->setEditCell(2, 1));  // an edit cell shows the text as written
    ASSERT_TRUE(sheet->setDouble(2, 1, 2.5));
    Mdx_String data;
    sheet->getCellText(2, 1, data, kTextData);
    EXPECT_EQ(data.str(), "2.50");
    ASSERT_TRUE(sheet->setDouble(2, 2, 1.0 / 3.0));
    double real = 0;
    ASSERT_TRUE(sheet->getDouble(2, 2, real));
    EXPECT_DOUBLE_EQ(real, 0.33);
}

TEST_F(SheetContent, ColumnTextsStopAtTheLastRowAndFailBeyondTheColumns) {
    attach(2, 3);
    Mdx_StringArray texts{"a", "b", "c", "d", "e"};
    EXPECT_TRUE(sheet->setColumnTexts(2, texts, false));
    EXPECT_EQ(value(2, 1), "a");
    EXPECT_EQ(value(2, 3), "c");
    EXPECT_EQ(sheet->getMaxRows(), 3);
    EXPECT_FALSE(sheet->setColumnTexts(3, texts, true));
    Mdx_StringArray back;
    ASSERT_TRUE(sheet->getColumnValues(2, back));
    ASSERT_EQ(back.length(), 3);
    EXPECT_EQ(back[1].str(), "b");
}

TEST_F(SheetContent, RowIndicesOutsideTheRowsBecomeZero) {
    attach(1, 4);
    EXPECT_TRUE(sheet->setColumnRowIndices(1, AcArray<int>{-1, 4, 5, 2}));
    EXPECT_EQ(value(1, 1), "0");
    EXPECT_EQ(value(1, 2), "4");
    EXPECT_EQ(value(1, 3), "0");
    EXPECT_EQ(value(1, 4), "2");
}

TEST_F(SheetContent, TypedColumnsRoundTrip) {
    attach(3, 3);
    ASSERT_TRUE(sheet->setColumnInts(1, AcArray<int>{7, -3, 0}));
    ASSERT_TRUE(sheet->setColumnDoubles(2, AcArray<double>{1.234, 5.0, -0.5}));
    ASSERT_TRUE(sheet->setColumnBools(3, AcArray<bool>{true, false, true}));
    AcArray<int> ints;
    ASSERT_TRUE(sheet->getColumnInts(1, ints));
    ASSERT_EQ(ints.length(), 3);
    EXPECT_EQ(ints[1], -3);
    AcArray<double> reals;
    ASSERT_TRUE(sheet->getColumnDoubles(2, reals));
    EXPECT_DOUBLE_EQ(reals[0], 1.23);
    put(3, 2, "true");
    AcArray<bool> bools;
    ASSERT_TRUE(sheet->getColumnBools(3, bools));
    EXPECT_TRUE(bools[0]);
    EXPECT_FALSE(bools[1]) << "only \"1\" is true";
    EXPECT_TRUE(bools[2]);
}

TEST_F(SheetContent, HeadersStopAtTheBound) {
    attach(2, 2);
    ASSERT_TRUE(sheet->setColumnHeaders(Mdx_StringArray{"Name", "Value", "Extra"}));
    ASSERT_TRUE(sheet->setRowHeaders(Mdx_StringArray{"first", "second", "third"}));
    Mdx_StringArray headers;
    ASSERT_TRUE(sheet->getColumnHeaders(headers));
    ASSERT_EQ(headers.length(), 2);
    EXPECT_EQ(headers[0].str(), "Name");
    EXPECT_EQ(headers[1].str(), "Value");
    EXPECT_EQ(value(SS_HEADER, 2), "second");
    EXPECT_EQ(sheet->getMaxCols(), 2);
}

TEST_F(SheetContent, RowsTransferAndClear) {
    attach(3, 3);
    ASSERT_TRUE(sheet->setRowTexts(2, Mdx_StringArray{"x", "y", "z", "beyond"}, true));
    EXPECT_FALSE(sheet->setRowTexts(4, Mdx_StringArray{"x"}, true));
    Mdx_StringArray row;
    ASSERT_TRUE(sheet->getRowValues(2, row));
    ASSERT_EQ(row.length(), 3);
    EXPECT_EQ(row[2].str(), "z");
    Mdx_Array<Mdx_StringArray> all;
    ASSERT_TRUE(sheet->getAllRows(all));
    ASSERT_EQ(all.length(), 3);
    EXPECT_EQ(all[1][0].str(), "x");
    EXPECT_TRUE(all[0][0].isEmpty());
    ASSERT_TRUE(sheet->clearRow(2));
    EXPECT_EQ(value(2, 2), "");
    EXPECT_FALSE(sheet->clearRow(4));
    EXPECT_FALSE(sheet->clearRow(-1));
}

TEST_F(SheetContent, CellTypesGiveTheirCodes) {
    attach(6, 3);
    ASSERT_TRUE(sheet->setNumberCells(1, 1, 1, 3, 3, false));
    EXPECT_EQ(sheet->getCellTypeCode(1, 2), grid::kTypeNumber);
    ASSERT_TRUE(sheet->setCellValue(1, 1, "2.5"));
    EXPECT_EQ(value(1, 1), "2.500");
    ASSERT_TRUE(sheet->setEditCell(2, 1));
    EXPECT_EQ(sheet->getCellTypeCode(2, 1), grid::kTypeEdit);
    ASSERT_TRUE(sheet->setComboColumn(3, Mdx_StringArray{"one", "two"}, false));
    SSCELLTYPE combo;
    sheet->GetCellType(3, 3, &combo);
    EXPECT_EQ(combo.code, grid::kTypeCombo);
    EXPECT_EQ(combo.text, "one\ttwo");
    EXPECT_EQ(combo.style, 0x100000u);
    EXPECT_FALSE(sheet->setComboColumn(7, Mdx_StringArray{"a"}, true));
    EXPECT_FALSE(sheet->setComboColumn(0, Mdx_StringArray{"a"}, true));
    ASSERT_TRUE(sheet->setStaticColumn(4, 0));
    EXPECT_EQ(sheet->getCellTypeCode(4, SS_HEADER), grid::kTypeStatic);
    EXPECT_EQ(sheet->getCellTypeCode(4, 3), grid::kTypeStatic);
    ASSERT_TRUE(sheet->setButtonColumn(6, "...", true));
    EXPECT_EQ(sheet->getCellTypeCode(6, 2), grid::kTypeButton);
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    ASSERT_TRUE(sheet->GetCellSpan(6, SS_HEADER, &anchorCol, &anchorRow, &cols, &rows));
    EXPECT_EQ(anchorCol, 5) << "the header joins the column before";
    EXPECT_EQ(cols, 2);
    EXPECT_TRUE(sheet->GetBool(kOptionChanged));
}

TEST_F(SheetContent, CheckBoxCellsCarryTheModuleBitmaps) {
    attach(3, 3);
    ASSERT_TRUE(sheet->setCheckBoxColumn(1, true, true));
    SSCELLTYPE type;
    ASSERT_TRUE(sheet->GetCellType(1, 2, &type));
    EXPECT_EQ(type.code, grid::kTypeCheckBox);
    EXPECT_EQ(type.style, 0x300u);
    EXPECT_EQ(type.pictureTypes[0], SS_PICTURE_HANDLE);
    EXPECT_EQ(type.pictures[4], "") << "no disabled pictures";
    WORD border = 0, style = 0;
    COLORREF color = 1;
    ASSERT_TRUE(SSGetBorder(sheetWindow(), 1, 3, &border, &style, &color));
    EXPECT_EQ(border, 2);
    EXPECT_EQ(style, 6);
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    EXPECT_TRUE(sheet->GetCellSpan(2, SS_HEADER, &anchorCol, &anchorRow, &cols, &rows));
    EXPECT_EQ(anchorCol, 1);
    ASSERT_TRUE(sheet->setCheck(1, 1, true));
    bool on = false;
    EXPECT_TRUE(sheet->getCheck(1, 1, on));
    EXPECT_TRUE(on);
}

TEST_F(SheetContent, LabelledChecksAlternateCheckAndLabel) {
    attach(6, 1);
    ASSERT_TRUE(
        sheet->setLabelledChecks(Mdx_StringArray{"A", "B", "C"}, AcArray<bool>{true, false}, 1));
    EXPECT_EQ(value(2, 1), "A");
    EXPECT_EQ(value(4, 1), "B");
    EXPECT_EQ(value(6, 1), "C");
    EXPECT_EQ(value(1, 1), "1");
    EXPECT_EQ(value(3, 1), "0");
    EXPECT_EQ(value(5, 1), "") << "no check given for the third label";
}

TEST_F(SheetContent, PictureFileCellsNeedTheFile) {
    attach(3, 2);
    EXPECT_FALSE(sheet->setPictureFileCell("C:\\no\\such\\picture.bmp", 2, 1));
    const std::string bitmap = (resources::moduleResourceFolder() / "checkbox_clear.bmp").string();
    ASSERT_TRUE(sheet->setPictureFileCell(bitmap.c_str(), 2, 1));
    EXPECT_EQ(sheet->getCellTypeCode(2, 1), grid::kTypePicture);
    int height = 0;
    sheet->GetRowHeightInPixels(1, &height);
    int w = 0, h = 0;
    HBITMAP image = win::loadBitmapFile(bitmap);
    ASSERT_NE(image, nullptr);
    win::imageSize(image, w, h);
    DeleteObject(image);
    EXPECT_EQ(height, h);
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    ASSERT_TRUE(sheet->GetCellSpan(3, 1, &anchorCol, &anchorRow, &cols, &rows));
    EXPECT_EQ(cols, 3);
}

}  // namespace
