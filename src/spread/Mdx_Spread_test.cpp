#include "spread/Mdx_Spread.h"

#include "grid/SpreadModel.h"
#include "spread/RedrawGuard.h"
#include "spread/SheetTestSupport.h"

namespace {

using spread_testing::SheetTest;

RECT childRectInParent(HWND child, HWND parent) {
    RECT rect;
    GetWindowRect(child, &rect);
    POINT topLeft{rect.left, rect.top};
    POINT bottomRight{rect.right, rect.bottom};
    ScreenToClient(parent, &topLeft);
    ScreenToClient(parent, &bottomRight);
    return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

// Where the placeholder lies relative to the dialog's window origin (frame and caption
// included), which is what the sheet places its grid by.
RECT placeholderFromWindowOrigin(HWND dialog, int id) {
    RECT item, frame;
    GetWindowRect(GetDlgItem(dialog, id), &item);
    GetWindowRect(dialog, &frame);
    return RECT{item.left - frame.left, item.top - frame.top, item.right - frame.left,
                item.bottom - frame.top};
}

class SheetAttach : public SheetTest {};

TEST_F(SheetAttach, ExactPlacementTakesThePlaceholderOffsetFromTheWindowOrigin) {
    const RECT expected = placeholderFromWindowOrigin(host->m_hWnd, 1196);
    ASSERT_TRUE(sheet->attachToDlgItem(host.get(), 1196, true));
    EXPECT_EQ(GetDlgItem(host->m_hWnd, 1196), sheetWindow()) << "the grid takes the id";
    EXPECT_FALSE(sheet->attachToDlgItem(host.get(), 1196, true)) << "one window per sheet";
    const RECT actual = childRectInParent(sheetWindow(), host->m_hWnd);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

TEST_F(SheetAttach, UsualPlacementMovesBackByFrameAndCaption) {
    const RECT offset = placeholderFromWindowOrigin(host->m_hWnd, 1196);
    ASSERT_TRUE(sheet->attachToDlgItem(host.get(), 1196, false));
    const RECT actual = childRectInParent(sheetWindow(), host->m_hWnd);
    EXPECT_EQ(actual.left, offset.left - 5);
    EXPECT_EQ(actual.right, offset.right - 5);
    EXPECT_EQ(actual.top, offset.top - 20);
    EXPECT_EQ(actual.bottom, offset.bottom - 20);
    EXPECT_EQ(actual.right - actual.left, offset.right - offset.left) << "a move, not a shrink";
}

TEST_F(SheetAttach, GridStartsEmptyWithItsKeysCleared) {
    ASSERT_TRUE(sheet->attachToDlgItem(host.get(), 1196, false));
    EXPECT_TRUE(sheet->isAttached());
    EXPECT_EQ(sheet->getMaxRows(), 0);
    EXPECT_EQ(sheet->getMaxCols(), 0);
    char name[32] = {};
    GetClassName(sheetWindow(), name, sizeof name);
    EXPECT_STREQ(name, "fpSpread70");
    EXPECT_TRUE(IsWindowVisible(sheetWindow()));
    const grid::SpreadModel* model = SSGetModel(sheetWindow());
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->view().appearance, 1);
    for (int action = 0; action <= 2; ++action) {
        auto key = model->view().actionKeys.find(action);
        ASSERT_NE(key, model->view().actionKeys.end()) << action;
        EXPECT_EQ(key->second[2], 0);
    }
}

TEST_F(SheetAttach, WithoutPlaceholderNothingIsCreatedAndEveryCallFails) {
    EXPECT_FALSE(sheet->attachToDlgItem(nullptr, 1196, false));
    EXPECT_FALSE(sheet->attachToDlgItem(host.get(), 4242, false));
    EXPECT_FALSE(sheet->isAttached());
    EXPECT_NE(GetDlgItem(host->m_hWnd, 1196), nullptr) << "the placeholder stays";
    EXPECT_EQ(sheet->getMaxRows(), -1);
    EXPECT_EQ(sheet->getMaxCols(), -1);
    EXPECT_FALSE(sheet->setMaxRows(3, false));
    EXPECT_FALSE(sheet->setStandardLayout(1));
    EXPECT_FALSE(sheet->setInt(1, 1, 4));
    int number = 7;
    EXPECT_FALSE(sheet->getInt(1, 1, number));
    EXPECT_EQ(number, 7);
    EXPECT_EQ(sheet->loadFromFile("C:\\nothing.sss"), 0);
    EXPECT_EQ(sheet->appendRow(false), -1);
}

TEST_F(SheetAttach, AGridFromTheTemplateIsTakenOverAsItIs) {
    ASSERT_TRUE(SSRegisterSpreadClass());
    HINSTANCE local = win::loadResourceModuleFromText(
        "101 DIALOG 0, 0, 200, 100\n"
        "STYLE WS_POPUP | WS_CAPTION\n"
        "BEGIN\n"
        "    CONTROL \"\", 1025, \"fpSpread70\", WS_CHILD | WS_VISIBLE, 5, 5, 150, 40\n"
        "    LTEXT \"\", 1026, 5, 60, 50, 8\n"
        "END\n");
    win::addResourceSearchModule(local);
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(101u, nullptr));
    HWND grid = GetDlgItem(dialog.m_hWnd, 1025);
    ASSERT_NE(grid, nullptr);
    RECT before;
    GetWindowRect(grid, &before);
    Mdx_Spread names;
    EXPECT_FALSE(names.attachToGridItem(&dialog, 1026)) << "not a grid";
    ASSERT_TRUE(names.attachToGridItem(&dialog, 1025));
    EXPECT_EQ(names.GetSafeHwnd(), grid);
    RECT after;
    GetWindowRect(grid, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.right, before.right);
    ASSERT_TRUE(names.setMaxCols(2, false));
    EXPECT_EQ(SSGetMaxCols(grid), 2);
    names.UnsubclassWindow();
}

TEST_F(SheetTest, StandardLayoutEndsWithRedrawOnAndTheSelectionModeApplied) {
    ASSERT_TRUE(sheet->attachToDlgItem(host.get(), 1196, false));
    ASSERT_TRUE(sheet->setStandardLayout(1));
    EXPECT_TRUE(sheet->GetBool(kOptionRedraw));
    EXPECT_FALSE(sheet->GetBool(kOptionAutoCalc));
    EXPECT_TRUE(sheet->GetBool(kOptionRowHeaderShown));
    EXPECT_TRUE(sheet->GetBool(13));
    EXPECT_FALSE(sheet->GetBool(10));
    EXPECT_EQ(SSGetOperationMode(sheetWindow()), 0);
    const grid::SpreadModel* model = SSGetModel(sheetWindow());
    EXPECT_EQ(model->view().selBackColor, 0x6A240Au);
    EXPECT_EQ(model->view().selForeColor, 0xFFFFFFu);

    ASSERT_TRUE(sheet->setStandardLayout(0));
    EXPECT_FALSE(sheet->GetBool(13));
    EXPECT_TRUE(sheet->GetBool(10));
    EXPECT_EQ(SSGetOperationMode(sheetWindow()), 5);

    // Any other mode leaves the selection settings alone.
    ASSERT_TRUE(sheet->setStandardLayout(7));
    EXPECT_FALSE(sheet->GetBool(13));
    EXPECT_EQ(SSGetOperationMode(sheetWindow()), 5);
}

class SheetCounts : public SheetTest {
protected:
    LOGFONT fontOf(int col, int row) {
        LOGFONT font;
        SSGetFont(sheetWindow(), col, row, &font);
        return font;
    }
};

TEST_F(SheetCounts, NotGrowingOnlySetsTheCount) {
    attach(2, 5);
    put(1, 5, "last");
    sheet->setFontFace("Courier New");
    ASSERT_TRUE(sheet->setMaxRows(3, true));
    EXPECT_EQ(sheet->getMaxRows(), 3);
    EXPECT_STREQ(fontOf(1, 1).lfFaceName, "Tahoma") << "no fonts are applied";
    ASSERT_TRUE(sheet->setMaxRows(3, true));
    EXPECT_EQ(value(1, 3), "") << "nothing is copied";
}

TEST_F(SheetCounts, GrowingCopiesTheLastRowAndFontsTheNewRows) {
    attach(2, 2);
    put(1, 2, "kept");
    put(2, 2, "7");
    sheet->setFontFace("Arial");
    ASSERT_TRUE(sheet->setMaxRows(4, true));
    EXPECT_EQ(sheet->getMaxRows(), 4);
    EXPECT_EQ(value(1, 3), "kept");
    EXPECT_EQ(value(2, 4), "7");
    EXPECT_STREQ(fontOf(1, 4).lfFaceName, "Arial");
    EXPECT_EQ(fontOf(1, 4).lfWeight, FW_NORMAL);
    EXPECT_EQ(fontOf(SS_HEADER, 4).lfWeight, FW_BOLD);
    EXPECT_STREQ(fontOf(1, 1).lfFaceName, "Tahoma") << "rows before the old last keep theirs";
}

TEST_F(SheetCounts, ColumnsGrowTheSameWay) {
    attach(1, 2);
    put(1, 1, "a");
    ASSERT_TRUE(sheet->setMaxCols(3, true));
    EXPECT_EQ(sheet->getMaxCols(), 3);
    EXPECT_EQ(value(3, 1), "a");
    EXPECT_EQ(fontOf(3, SS_HEADER).lfWeight, FW_BOLD);
}

TEST_F(SheetCounts, AnEmptySheetGrowsWithoutCopyingTheHeader) {
    ASSERT_TRUE(sheet->attachToDlgItem(host.get(), 1196, false));
    ASSERT_TRUE(sheet->setMaxCols(2, false));
    ASSERT_TRUE(sheet->setCellData(1, SS_HEADER, "Title"));
    ASSERT_TRUE(sheet->setMaxRows(2, true));
    EXPECT_EQ(value(1, 1), "");
    EXPECT_EQ(fontOf(1, SS_HEADER).lfWeight, FW_BOLD) << "headers get the bold font";
}

TEST_F(SheetTest, RedrawGuardSuspendsRedrawForItsScope) {
    attach(2, 2);
    {
        RedrawGuard guard(*sheet);
        EXPECT_FALSE(sheet->GetBool(kOptionRedraw));
    }
    EXPECT_TRUE(sheet->GetBool(kOptionRedraw));
}

TEST_F(SheetTest, ActiveCellFallsBackToTheFirstCell) {
    attach(3, 3);
    int col = 0, row = 0;
    ASSERT_TRUE(sheet->getActiveCell(col, row));
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 1);
    sheet->SetActiveCell(2, 3);
    EXPECT_EQ(sheet->getCurrentCol(), 2);
    EXPECT_EQ(sheet->getCurrentRow(), 3);
    ASSERT_TRUE(sheet->selectRange(1, 2, 3, 3));
    POINT first{0, 0}, last{0, 0};
    ASSERT_TRUE(sheet->getSelectionOrActive(first, last));
    EXPECT_EQ(first.x, 1);
    EXPECT_EQ(first.y, 2);
    EXPECT_EQ(last.x, 3);
    EXPECT_EQ(last.y, 3);
    EXPECT_EQ(sheet->getCurrentRow(), 2);
}

TEST_F(SheetTest, ValueChangedMessageIsAnsweredWithZero) {
    attach(2, 2);
    EXPECT_EQ(SendMessage(sheetWindow(), kGridValueChanged, 1, 2), 0);
}

}  // namespace
