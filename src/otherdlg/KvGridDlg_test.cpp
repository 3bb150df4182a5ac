#include "otherdlg/KvGridDlg.h"

#include "frame/FrameTestSupport.h"

namespace {

class GridDialog : public frame_testing::FrameTest {
protected:
    static std::string text(int id) {
        char buffer[64] = {};
        GetDlgItemText(win::findDialog(KvGridDlg::kTemplateId), id, buffer, sizeof buffer);
        return buffer;
    }
};

TEST_F(GridDialog, DefaultsAreShownAndComeBackUnchangedOnOk) {
    KvGridDlgData data;
    win::user::act([] {
        EXPECT_EQ(text(KvGridDlg::kFirstCount), "4");
        EXPECT_EQ(text(KvGridDlg::kFirstSpacing), "5000");
        EXPECT_EQ(text(KvGridDlg::kFirstName), "A");
        EXPECT_EQ(text(KvGridDlg::kSecondCount), "3");
        EXPECT_EQ(text(KvGridDlg::kSecondName), "1");
        EXPECT_EQ(IsDlgButtonChecked(win::findDialog(KvGridDlg::kTemplateId), KvGridDlg::kOption),
                  UINT(BST_UNCHECKED));
        EXPECT_EQ(text(1372), "First direction");
    });
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgGrid(data));
    EXPECT_TRUE(win::user::failures().empty());
    EXPECT_EQ(data.firstCount, 4);
    EXPECT_EQ(data.secondSpacing.str(), "5000");
    EXPECT_FALSE(data.option);
}

TEST_F(GridDialog, EditedValuesAreReadBackAndANonNumberCountIsZero) {
    KvGridDlgData data;
    win::user::typeText(KvGridDlg::kFirstCount, "x");
    win::user::typeText(KvGridDlg::kSecondCount, "12");
    win::user::typeText(KvGridDlg::kFirstSpacing, "3*4000");
    win::user::typeText(KvGridDlg::kSecondName, "10");
    win::user::check(KvGridDlg::kOption, BST_CHECKED);
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgGrid(data));
    EXPECT_TRUE(win::user::failures().empty());
    EXPECT_EQ(data.firstCount, 0);
    EXPECT_EQ(data.secondCount, 12);
    EXPECT_EQ(data.firstSpacing.str(), "3*4000");
    EXPECT_EQ(data.secondName.str(), "10");
    EXPECT_TRUE(data.option);
    EXPECT_TRUE(win::user::messageBoxes().empty());
}

TEST_F(GridDialog, CancelLeavesTheRecordAlone) {
    KvGridDlgData data;
    data.firstName = "X";
    win::user::typeText(KvGridDlg::kFirstName, "B");
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgGrid(data));
    EXPECT_EQ(data.firstName.str(), "X");
}

}  // namespace
