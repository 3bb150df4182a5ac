#include "spread/ValueInputDialog.h"

#include "core/Texts.h"
#include "resources/spread_ids.h"
#include "spread/SheetTestSupport.h"
#include "win/CEdit.h"

namespace {

using win::user::click;
using win::user::typeText;

class ValueInput : public spread_testing::SheetTest {
protected:
    ValueInputDialog dialog;
    const win::DialogRef ref{IDD_VALUE_INPUT, ""};
};

TEST_F(ValueInput, ShowsItsTextsWithTheValueSelected) {
    dialog.setTexts("Width", "Width in pixels:", "30", "Ok", "Stop");
    std::string caption, prompt, edit, ok, cancel;
    int start = -1, end = -1;
    win::user::act([&] {
        HWND open = win::findDialog(IDD_VALUE_INPUT);
        CWnd* wnd = CWnd::FromHandle(open);
        wnd->GetWindowText(caption);
        wnd->GetDlgItemText(IDC_VALUE_PROMPT, prompt);
        wnd->GetDlgItemText(IDC_VALUE_EDIT, edit);
        wnd->GetDlgItemText(IDOK, ok);
        wnd->GetDlgItemText(IDCANCEL, cancel);
        static_cast<CEdit*>(wnd->GetDlgItem(IDC_VALUE_EDIT))->GetSel(start, end);
        EXPECT_EQ(GetFocus(), GetDlgItem(open, IDC_VALUE_EDIT));
    });
    click(IDCANCEL, ref);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(caption, "Width");
    EXPECT_EQ(prompt, "Width in pixels:");
    EXPECT_EQ(edit, "30");
    EXPECT_EQ(ok, "Ok");
    EXPECT_EQ(cancel, "Stop");
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 2);
    EXPECT_EQ(dialog.value().str(), "30") << "cancel keeps the initial value";
}

TEST_F(ValueInput, OkNeedsAText) {
    dialog.setTexts("Name", "Name:", "first", "OK", "Cancel");
    typeText(IDC_VALUE_EDIT, "", ref);
    click(IDOK, ref);
    bool stillOpen = false;
    win::user::act([&] { stillOpen = win::findDialog(IDD_VALUE_INPUT) != nullptr; });
    typeText(IDC_VALUE_EDIT, "second", ref);
    click(IDOK, ref);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(dialog.value().str(), "second");
    EXPECT_TRUE(win::user::failures().empty());
}

TEST_F(ValueInput, AHeaderQuestionOffersNewAndTellsRowFromColumn) {
    attach(1, 1);
    std::string prompt, caption;
    win::user::act([&] {
        CWnd* wnd = CWnd::FromHandle(win::findDialog(IDD_VALUE_INPUT));
        wnd->GetDlgItemText(IDC_VALUE_PROMPT, prompt);
        wnd->GetWindowText(caption);
    });
    click(IDCANCEL, ref);
    EXPECT_EQ(sheet->askHeaderText(false).str(), dialString(171).str());
    EXPECT_EQ(prompt, (dialString(1151) + " " + dialString(1153) + ":").str());
    EXPECT_EQ(caption, dialString(1150).str());
}

}  // namespace
