#include "otherdlg/KvLevelsDlg.h"

#include "frame/FrameTestSupport.h"
#include "resources/spread_ids.h"
#include "win/ScriptedUser.h"

namespace {

const win::DialogRef valueInput{IDD_VALUE_INPUT, ""};

class LevelsDialog : public frame_testing::FrameTest {
protected:
    static HWND dialog() { return win::findDialog(KvLevelsDlg::kTemplateId); }
    static std::string text(int id) {
        char buffer[64] = {};
        GetDlgItemText(dialog(), id, buffer, sizeof buffer);
        return buffer;
    }
    static bool enabled(int id) { return IsWindowEnabled(GetDlgItem(dialog(), id)); }
    // Ground floor at 0 on the world, first floor 3.2 above it.
    static KvLevelsDlgData twoLevels() {
        KvLevelsDlgData data;
        int at = -1;
        data.addLevel("Ground", at);
        data.addLevel("First", at);
        data.updateLevel(at, "Ground");
        data.updateLevel(at, 3200.0);
        return data;
    }
    static void addNamed(const char* name) {
        win::user::click(IDC_LEVEL_ADD);
        win::user::typeText(IDC_VALUE_EDIT, name, valueInput);
        win::user::click(IDOK, valueInput);
    }
};

TEST_F(LevelsDialog, OpensOnTheFirstLevelWithItsReferenceLocked) {
    KvLevelsDlgData data = twoLevels();
    win::user::select(IDC_LEVEL_LIST, 1);
    win::user::act([] {
        EXPECT_EQ(text(IDC_LEVEL_NAME), "First");
        EXPECT_EQ(text(IDC_LEVEL_VALUE), "3200.000");
        EXPECT_EQ(text(IDC_LEVEL_ABSOLUTE), "3200.000");
        EXPECT_EQ(text(IDC_LEVEL_REFERENCE), "Ground");
        EXPECT_EQ(SendDlgItemMessage(dialog(), IDC_LEVEL_REFERENCE, CB_GETCOUNT, 0, 0), 1)
            << "a level is no reference of itself";
        EXPECT_FALSE(enabled(IDC_LEVEL_REFERENCE));
        EXPECT_FALSE(enabled(IDC_LEVEL_NAME));
    });
    win::user::typeText(IDC_LEVEL_VALUE, "3500");
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgLevels(data));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_DOUBLE_EQ(data.levels[1].value, 3500.0);
    EXPECT_EQ(data.levels[1].referenceName, Mdx_String("Ground"));
}

TEST_F(LevelsDialog, AnAddedLevelMayTakeAReference) {
    KvLevelsDlgData data = twoLevels();
    addNamed("Roof");
    win::user::act([] {
        EXPECT_EQ(text(IDC_LEVEL_NAME), "Roof");
        EXPECT_TRUE(enabled(IDC_LEVEL_REFERENCE));
    });
    win::user::selectText(IDC_LEVEL_REFERENCE, "First");
    win::user::typeText(IDC_LEVEL_VALUE, "2800");
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgLevels(data));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    ASSERT_EQ(data.levels.length(), 3);
    EXPECT_EQ(data.levels[2].referenceName, Mdx_String("First"));
    Mdx_String name, reference;
    double value = 0, absolute = 0;
    ASSERT_TRUE(data.getLevelData(2, name, reference, value, absolute));
    EXPECT_DOUBLE_EQ(absolute, 6000.0);
}

TEST_F(LevelsDialog, TakenNamesAndTheWorldAreAskedForAgain) {
    KvLevelsDlgData data = twoLevels();
    win::user::click(IDC_LEVEL_ADD);
    for (const char* name : {"wcs", "Ground", "Basement"}) {
        win::user::typeText(IDC_VALUE_EDIT, name, valueInput);
        win::user::click(IDOK, valueInput);
    }
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgLevels(data));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(win::user::messageBoxes().size(), 2u);
    ASSERT_EQ(data.levels.length(), 3);
    EXPECT_EQ(data.levels[2].name, Mdx_String("Basement"));
}

TEST_F(LevelsDialog, AfterTwentyRefusalsTheNameIsPassedOnAndTheRecordRefusesIt) {
    KvLevelsDlgData data = twoLevels();
    win::user::click(IDC_LEVEL_ADD);
    for (int i = 0; i < KvLevelsDlg::kMaxNameAttempts; ++i) {
        win::user::typeText(IDC_VALUE_EDIT, "Ground", valueInput);
        win::user::click(IDOK, valueInput);
    }
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgLevels(data));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(win::user::messageBoxes().size(), size_t(KvLevelsDlg::kMaxNameAttempts - 1));
    EXPECT_EQ(data.levels.length(), 2) << "no second Ground";
}

TEST_F(LevelsDialog, DeletingTheFirstLevelShowsNothingAndCancelKeepsTheRecord) {
    KvLevelsDlgData data = twoLevels();
    data.updateLevel(1, "wcs");  // so that Ground is no reference any more
    win::user::click(IDC_LEVEL_DELETE);
    win::user::act([] {
        auto* levels = static_cast<KvLevelsDlg*>(CWnd::FromHandlePermanent(dialog()));
        EXPECT_EQ(levels->shownLevel(), -1);
        EXPECT_EQ(levels->data.levels.length(), 1);
        EXPECT_EQ(text(IDC_LEVEL_NAME), "Ground") << "the fields stay as they were";
    });
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgLevels(data));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(data.levels.length(), 2);
}

}  // namespace
