#include "otherdlg/StringArrayGridDialog.h"

#include "core/DialogSizeStore.h"
#include "frame/FrameTestSupport.h"

namespace {

class StringGrid : public frame_testing::FrameTest {
protected:
    static StringArrayGridDialog* open() {
        return static_cast<StringArrayGridDialog*>(
            CWnd::FromHandlePermanent(win::findDialog(StringArrayGridDialog::kTemplateId)));
    }
    static void expectNoFailures() {
        for (const std::string& failure : win::user::failures()) ADD_FAILURE() << failure;
    }
    Mdx_StringArray headers{"Name", "Value", "Unit"};
};

TEST_F(StringGrid, NoHeadersNoDialog) {
    Mdx_Array<Mdx_StringArray> rows;
    rows.append(Mdx_StringArray{"a"});
    EXPECT_FALSE(startGridDialog({}, {}, rows, true, "", "Table"));
    EXPECT_EQ(rows.length(), 1);
    EXPECT_EQ(win::findDialog(StringArrayGridDialog::kTemplateId), nullptr);
}

TEST_F(StringGrid, TheCallersResourcesComeBackOnEveryWayOut) {
    AfxSetResourceHandle(nullptr);
    Mdx_Array<Mdx_StringArray> rows;
    EXPECT_FALSE(startGridDialog({}, {}, rows, true, "", "Table"));
    EXPECT_EQ(AfxGetResourceHandle(), nullptr);
    win::user::act([this] { EXPECT_EQ(AfxGetResourceHandle(), module); });
    win::user::click(IDOK);
    EXPECT_TRUE(startGridDialog(headers, {}, rows, true, "", "Table"));
    EXPECT_EQ(AfxGetResourceHandle(), nullptr);
}

TEST_F(StringGrid, OkReturnsEveryCellOfEveryRow) {
    Mdx_Array<Mdx_StringArray> rows;
    rows.append(Mdx_StringArray{"Bolt", "16", "mm"});
    rows.append(Mdx_StringArray{"Plate"});
    win::user::act([] {
        StringArrayGridDialog* dialog = open();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->grid.GetMaxCols(), 3);
        EXPECT_EQ(dialog->grid.GetMaxRows(), 2);
        Mdx_String text;
        dialog->grid.getCellText(2, SS_HEADER, text, kTextData);
        EXPECT_EQ(text.str(), "Value");
        dialog->grid.setCellData(2, 2, "12");
        char title[64] = {};
        dialog->GetWindowText(title, sizeof title);
        EXPECT_STREQ(title, "Parts");
    });
    win::user::click(IDOK);
    EXPECT_TRUE(startGridDialog(headers, {}, rows, true, "", "Parts"));
    expectNoFailures();
    ASSERT_EQ(rows.length(), 2);
    ASSERT_EQ(rows[1].length(), 3) << "a short row comes back as wide as the grid";
    EXPECT_EQ(rows[1][0].str(), "Plate");
    EXPECT_EQ(rows[1][1].str(), "12");
    EXPECT_EQ(rows[1][2].str(), "");
    EXPECT_EQ(rows[0][2].str(), "mm");
}

TEST_F(StringGrid, CancelLeavesTheRowsAlone) {
    Mdx_Array<Mdx_StringArray> rows;
    rows.append(Mdx_StringArray{"Bolt", "16", "mm"});
    win::user::act([] { open()->grid.setCellData(1, 1, "Nut"); });
    win::user::click(IDCANCEL);
    EXPECT_FALSE(startGridDialog(headers, {}, rows, true, "", "Parts"));
    EXPECT_EQ(rows[0][0].str(), "Bolt");
}

TEST_F(StringGrid, AnEmptyTableGetsItsFirstRowFromAdd) {
    Mdx_Array<Mdx_StringArray> rows;
    win::user::click(StringArrayGridDialog::kRemoveButton);
    win::user::act([] { EXPECT_EQ(open()->grid.GetMaxRows(), 0); });
    win::user::click(StringArrayGridDialog::kAddButton);
    win::user::act([] {
        StringArrayGridDialog* dialog = open();
        EXPECT_EQ(dialog->grid.GetMaxRows(), 1);
        dialog->grid.setCellData(1, 1, "first");
    });
    win::user::click(IDOK);
    EXPECT_TRUE(startGridDialog(headers, {}, rows, true, "", "Parts"));
    expectNoFailures();
    ASSERT_EQ(rows.length(), 1);
    ASSERT_EQ(rows[0].length(), 3);
    EXPECT_EQ(rows[0][0].str(), "first");
}

TEST_F(StringGrid, AddInsertsBelowTheActiveRowAndRemoveDeletesIt) {
    Mdx_Array<Mdx_StringArray> rows;
    rows.append(Mdx_StringArray{"a", "1", ""});
    rows.append(Mdx_StringArray{"b", "2", ""});
    rows.append(Mdx_StringArray{"c", "3", ""});
    win::user::act([] { open()->grid.SetActiveCell(2, 1); });
    win::user::click(StringArrayGridDialog::kAddButton);
    win::user::act([] {
        int col = 0, row = 0;
        open()->grid.GetActiveCell(&col, &row);
        EXPECT_EQ(col, 2);
        EXPECT_EQ(row, 2) << "the active cell moves onto the new row";
        open()->grid.SetActiveCell(1, 3);
    });
    win::user::click(StringArrayGridDialog::kRemoveButton);
    win::user::click(IDOK);
    EXPECT_TRUE(startGridDialog(headers, {}, rows, true, "", "Parts"));
    expectNoFailures();
    ASSERT_EQ(rows.length(), 3);
    EXPECT_EQ(rows[0][0].str(), "a");
    EXPECT_EQ(rows[1][0].str(), "") << "the added row";
    EXPECT_EQ(rows[2][0].str(), "c") << "b was removed";
}

TEST_F(StringGrid, NotEditableStillTakesTextButKeepsItsRows) {
    Mdx_Array<Mdx_StringArray> rows;
    rows.append(Mdx_StringArray{"a", "1", "m"});
    win::user::act([] {
        StringArrayGridDialog* dialog = open();
        EXPECT_FALSE(
            IsWindowEnabled(dialog->GetDlgItem(StringArrayGridDialog::kAddButton)->m_hWnd));
        EXPECT_FALSE(
            IsWindowEnabled(dialog->GetDlgItem(StringArrayGridDialog::kRemoveButton)->m_hWnd));
        dialog->grid.setCellData(3, 1, "mm");
    });
    win::user::click(StringArrayGridDialog::kAddButton);
    win::user::click(IDOK);
    EXPECT_TRUE(startGridDialog(headers, {}, rows, false, "", "Parts"));
    EXPECT_EQ(win::user::failures().size(), 1u) << "the disabled Add cannot be clicked";
    ASSERT_EQ(rows.length(), 1);
    EXPECT_EQ(rows[0][2].str(), "mm");
}

TEST_F(StringGrid, RowHeadersAndButtonTextsAreShown) {
    Mdx_Array<Mdx_StringArray> rows;
    rows.append(Mdx_StringArray{"a", "1", "m"});
    win::user::act([] {
        StringArrayGridDialog* dialog = open();
        EXPECT_TRUE(dialog->grid.GetBool(kOptionRowHeaderShown));
        Mdx_String text;
        dialog->grid.getCellText(SS_HEADER, 1, text, kTextData);
        EXPECT_EQ(text.str(), "first");
        char label[32] = {};
        dialog->GetDlgItem(StringArrayGridDialog::kAddButton)->GetWindowText(label, sizeof label);
        EXPECT_STREQ(label, "Add");
        dialog->GetDlgItem(StringArrayGridDialog::kRemoveButton)
            ->GetWindowText(label, sizeof label);
        EXPECT_STREQ(label, "Remove");
    });
    EXPECT_FALSE(startGridDialog(headers, Mdx_StringArray{"first"}, rows, true, "", "Parts"));
    expectNoFailures();
}

TEST_F(StringGrid, TheSizeIsStoredUnderTheNameOrTheDefaultName) {
    Mdx_Array<Mdx_StringArray> rows;
    startGridDialog(headers, {}, rows, true, "", "Parts");
    DialogRect rect;
    EXPECT_TRUE(DialogSizeStore::current().get("DLG_SS_STRINGARRAY", rect));
    startGridDialog(headers, {}, rows, true, "DLG_BOLT_TABLE", "Bolts");
    EXPECT_TRUE(DialogSizeStore::current().get("DLG_BOLT_TABLE", rect));
}

TEST_F(StringGrid, GrowingTheDialogStretchesTheGridAndMovesTheButtons) {
    Mdx_Array<Mdx_StringArray> rows;
    win::user::act([] {
        StringArrayGridDialog* dialog = open();
        RECT before{}, gridBefore{}, okBefore{};
        dialog->GetWindowRect(&before);
        dialog->grid.GetWindowRect(&gridBefore);
        dialog->GetDlgItem(IDOK)->GetWindowRect(&okBefore);
        dialog->MoveWindow(before.left, before.top, before.right - before.left + 100,
                           before.bottom - before.top + 40);
        RECT gridAfter{}, okAfter{};
        dialog->grid.GetWindowRect(&gridAfter);
        dialog->GetDlgItem(IDOK)->GetWindowRect(&okAfter);
        EXPECT_EQ(gridAfter.right - gridAfter.left, gridBefore.right - gridBefore.left + 100);
        EXPECT_EQ(gridAfter.bottom - gridAfter.top, gridBefore.bottom - gridBefore.top + 40);
        EXPECT_EQ(okAfter.left, okBefore.left) << "OK keeps its place across";
        EXPECT_EQ(okAfter.top, okBefore.top + 40) << "and follows the bottom";
    });
    startGridDialog(headers, {}, rows, true, "", "Parts");
    expectNoFailures();
}

}  // namespace
