#include "spread/SheetTestSupport.h"

namespace {

class SheetFit : public spread_testing::SheetTest {
protected:
    int clientWidth() {
        RECT rect;
        SSGetClientRect(sheetWindow(), &rect);
        return rect.right - rect.left;
    }
    int scrollWidth() {
        int vertical = 0, horizontal = 0;
        SSGetScrollBarSize(sheetWindow(), &vertical, &horizontal);
        return vertical;
    }
    void hideRowHeader() { sheet->SetBool(kOptionRowHeaderShown, FALSE); }
};

TEST_F(SheetFit, EqualWidthsShareTheRoomLeftBesideTheScrollBar) {
    attach(3, 40);  // enough rows for a vertical scroll bar
    const int sb = scrollWidth();
    ASSERT_GT(sb, 0);
    const int usable = clientWidth() - sb;
    sheet->setFitPolicy(1, 0, 0);
    sheet->applyFitPolicy();
    for (int col = 1; col <= 3; ++col) EXPECT_EQ(width(col), usable / 4) << col;
    EXPECT_EQ(width(0), usable / 4) << "the shown row header takes a share";
}

TEST_F(SheetFit, EqualWidthsWithoutRowHeaderUseOnlyTheColumns) {
    attach(3, 2);
    hideRowHeader();
    ASSERT_EQ(scrollWidth(), 0);
    sheet->fitColumnsEqually(true, -1);
    for (int col = 1; col <= 3; ++col) EXPECT_EQ(width(col), clientWidth() / 3) << col;
}

TEST_F(SheetFit, EqualWidthsKeepOneFixedColumnWhenThereIsRoom) {
    attach(3, 2);
    const int cw = clientWidth();
    sheet->fitColumnsEqually(false, 40);
    EXPECT_EQ(width(3), 40) << "the last column is the fixed one";
    EXPECT_EQ(width(1), (cw - 40) / 3);
    EXPECT_EQ(width(0), (cw - 40) / 3);
    // Asking for more than the equal share gives everyone the equal share instead.
    sheet->fitColumnsEqually(true, cw);
    EXPECT_EQ(width(1), cw / 4);
}

TEST_F(SheetFit, PercentGoesToTheFirstOrLastColumns) {
    attach(4, 2);
    const int cw = clientWidth();
    sheet->setFitPolicy(3, 2, 50);
    sheet->applyFitPolicy();
    const int share = static_cast<int>(cw * 50 / 100.0 / 2);
    EXPECT_EQ(width(1), share);
    EXPECT_EQ(width(2), share);
    EXPECT_EQ(width(3), (cw - share * 2) / 3);
    EXPECT_EQ(width(0), (cw - share * 2) / 3);

    hideRowHeader();
    sheet->fitColumnsPercent(-1, 40);
    const int last = static_cast<int>(cw * 40 / 100.0);
    EXPECT_EQ(width(4), last);
    EXPECT_EQ(width(1), (cw - last) / 3);
}

TEST_F(SheetFit, FixedOneColumnWithAndWithoutRowHeader) {
    attach(3, 2);
    const int cw = clientWidth();
    sheet->setFitPolicy(4, 2, 100);
    sheet->applyFitPolicy();
    EXPECT_EQ(width(2), 100);
    EXPECT_EQ(width(1), (cw - 100) / 3);
    EXPECT_EQ(width(3), (cw - 100) / 3);
    EXPECT_EQ(width(0), (cw - 100) / 3);

    sheet->SetColWidthInPixels(0, 33);
    hideRowHeader();
    sheet->applyFitPolicy();
    EXPECT_EQ(width(1), (cw - 100) / 2);
    EXPECT_EQ(width(0), 33) << "a hidden row header is left alone";

    // Column 0 is the row-header column itself.
    sheet->SetBool(kOptionRowHeaderShown, TRUE);
    sheet->fitColumnsFixedOne(0, 50);
    EXPECT_EQ(width(0), 50);
    EXPECT_EQ(width(3), (cw - 50) / 3);
}

TEST_F(SheetFit, ListedColumnsGetTheirWidthsAndTheRestShares) {
    attach(4, 2);
    const int cw = clientWidth();
    AcArray<int> cols{0, 2, 9};
    AcArray<int> widths{30, 100};  // the shorter list decides: column 9 is not listed
    sheet->setFitPolicyColumns(5, cols, widths);
    sheet->applyFitPolicy();
    EXPECT_EQ(width(0), 30);
    EXPECT_EQ(width(2), 100);
    EXPECT_EQ(width(1), (cw - 130) / 3);
    EXPECT_EQ(width(4), (cw - 130) / 3);

    hideRowHeader();
    sheet->fitColumnsListed(AcArray<int>{1}, AcArray<int>{60});
    EXPECT_EQ(width(1), 60);
    EXPECT_EQ(width(2), (cw - 60) / 3);
}

TEST_F(SheetFit, ResizingReappliesThePolicy) {
    attach(2, 2);
    sheet->setFitPolicy(1, 0, 0);
    sheet->applyFitPolicy();
    const int before = width(1);
    RECT rect;
    GetWindowRect(sheetWindow(), &rect);
    sheet->MoveWindow(0, 0, (rect.right - rect.left) + 90, rect.bottom - rect.top);
    EXPECT_EQ(width(1), clientWidth() / 3);
    EXPECT_EQ(width(1), before + 30);
}

TEST_F(SheetFit, ASheetWithoutColumnsIsLeftAsItIs) {
    attach(0, 3);
    sheet->SetColWidthInPixels(0, 21);
    for (int policy = 0; policy <= 5; ++policy) {
        sheet->setFitPolicy(policy, 1, 50);
        sheet->applyFitPolicy();
        EXPECT_EQ(width(0), 21) << policy;
    }
}

TEST_F(SheetFit, FittingToTextUsesTheWidestCell) {
    attach(2, 3);
    put(1, 2, "a considerably longer text than the others");
    put(1, 3, "short");
    put(2, 1, "x");
    sheet->fitColumnsToText(false);
    EXPECT_GT(width(1), width(2));
    double needed = 0, height = 0;
    SSGetMaxTextCellSize(sheetWindow(), 1, 2, &needed, &height);
    double set = 0;
    SSGetColWidth(sheetWindow(), 1, &set);
    EXPECT_DOUBLE_EQ(set, needed);
    EXPECT_EQ(sheet->getCellTypeCode(1, SS_HEADER), grid::kTypeStatic);
}

TEST_F(SheetFit, StretchingGivesTheSpareWidthToOneColumn) {
    attach(2, 2);
    sheet->SetColWidthInPixels(0, 20);
    sheet->SetColWidthInPixels(1, 50);
    sheet->SetColWidthInPixels(2, 50);
    EXPECT_EQ(sheet->getTotalColumnWidth(), 120);
    sheet->stretchColumn(2);
    EXPECT_EQ(width(2), 50 + clientWidth() - 120);
    EXPECT_EQ(sheet->getTotalColumnWidth(), clientWidth());
}

}  // namespace
