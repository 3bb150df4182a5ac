#include "otherdlg/KvLookUpDlg.h"

#include "frame/FrameTestSupport.h"
#include "win/ScriptedUser.h"

namespace {

class LookUpDialog : public frame_testing::FrameTest {
protected:
    static HWND dialog() { return win::findDialog(KvLookUpDlg::kTemplateId); }
    static KvLookUpDlgData criteria() {
        KvLookUpDlgData data;
        data.text1 = "IPE";
        data.items1 = Mdx_StringArray{"HEA", "IPE"};
        data.text5 = "S235";
        data.radio = 1;
        data.option = true;
        return data;
    }
};

TEST_F(LookUpDialog, OkReturnsTheEnteredCriteria) {
    KvLookUpDlgData data = criteria();
    win::user::act([] {
        char text[64] = {};
        GetDlgItemText(dialog(), KvLookUpDlg::kText1, text, sizeof text);
        EXPECT_STREQ(text, "IPE");
        EXPECT_EQ(SendDlgItemMessage(dialog(), KvLookUpDlg::kChoice1, CB_GETCURSEL, 0, 0), 2);
        EXPECT_EQ(IsDlgButtonChecked(dialog(), KvLookUpDlg::kRadioSecond), UINT(BST_CHECKED));
    });
    win::user::typeText(KvLookUpDlg::kText2, "300");
    win::user::select(KvLookUpDlg::kChoice2, 2);
    win::user::click(KvLookUpDlg::kRadioFirst);
    win::user::check(KvLookUpDlg::kOption, BST_UNCHECKED);
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgLookUp(data));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(data.text1, Mdx_String("IPE"));
    EXPECT_EQ(data.text2, Mdx_String("300"));
    EXPECT_EQ(data.text5, Mdx_String("S235"));
    EXPECT_EQ(data.choice2, 2);
    EXPECT_EQ(data.radio, 0);
    EXPECT_FALSE(data.option);
    EXPECT_EQ(data.result, KvLookUpDlg::kResultOk);
}

TEST_F(LookUpDialog, ShowAllEndsWithOkAndResultTwo) {
    KvLookUpDlgData data = criteria();
    win::user::typeText(KvLookUpDlg::kText3, "HE*");
    win::user::click(KvLookUpDlg::kShowAll);
    ASSERT_TRUE(StartDlgLookUp(data));
    EXPECT_EQ(data.result, KvLookUpDlg::kResultShowAll);
    EXPECT_EQ(data.text3, Mdx_String("HE*"));
}

TEST_F(LookUpDialog, TheOptionIsLockedButKeptUnderTheSecondRadio) {
    KvLookUpDlgData data = criteria();
    win::user::act(
        [] { EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog(), KvLookUpDlg::kOption))); });
    win::user::check(KvLookUpDlg::kOption, BST_UNCHECKED);  // refused: disabled
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgLookUp(data));
    EXPECT_EQ(win::user::failures().size(), 1u);
    EXPECT_TRUE(data.option);
    EXPECT_EQ(data.radio, 1);
}

TEST_F(LookUpDialog, CancelLeavesTheRecordAsItWas) {
    KvLookUpDlgData data = criteria();
    data.result = 7;
    win::user::typeText(KvLookUpDlg::kText1, "UPN");
    win::user::click(KvLookUpDlg::kRadioFirst);
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgLookUp(data));
    EXPECT_EQ(data.text1, Mdx_String("IPE"));
    EXPECT_EQ(data.radio, 1);
    EXPECT_EQ(data.result, 7);
}

}  // namespace
