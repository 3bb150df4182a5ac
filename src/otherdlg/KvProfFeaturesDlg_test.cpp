// The profile features dialog driven as a person drives it: rows inserted, typed and deleted,
// empty rows dropped, a feature listed twice and too many features refused, and its picture.
#include "otherdlg/KvProfFeaturesDlg.h"

#include <cstdlib>
#include <filesystem>

#include "MdxBuildPaths.h"
#include "frame/FrameTestSupport.h"
#include "grid/GridUserSteps.h"
#include "otherdlg/OtherDialogLaunch.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/WindowPainter.h"

namespace {

const win::DialogRef kFeatures{IDD_PROF_FEATURES, ""};

class ProfFeaturesDialog : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        data.features = Mdx_StringArray{"Hole D22", "Notch 40x60", "Marking A"};
    }
    DlgProfFeaturesData data;
};

// A row inserted below the first and typed, the last deleted, one emptied: the record that
// comes back holds the features in the grid's order without the empty one.
TEST_F(ProfFeaturesDialog, TypedRowsComeBackInOrderWithoutEmptyOnes) {
    grid::user::clickCell(IDC_FEATURES_GRID, 1, 1, kFeatures);
    win::user::click(IDC_FEATURES_INSERT, kFeatures);
    grid::user::typeInCell(IDC_FEATURES_GRID, 1, 2, "  Cope 50 ", kFeatures);
    grid::user::clickCell(IDC_FEATURES_GRID, 1, 4, kFeatures);
    win::user::click(IDC_FEATURES_DELETE, kFeatures);
    grid::user::clickCell(IDC_FEATURES_GRID, 1, 3, kFeatures);
    win::user::pressKey(VK_DELETE, {}, kFeatures);
    win::user::click(IDOK, kFeatures);
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(data.features, (Mdx_StringArray{"Hole D22", "Cope 50"}));
}

// The same feature twice (letter case aside) and more than a profile carries are refused
// with their messages; the dialog stays open and Cancel leaves the record as it came.
TEST_F(ProfFeaturesDialog, AFeatureListedTwiceOrTooManyAreRefused) {
    grid::user::typeInCell(IDC_FEATURES_GRID, 1, 3, "hole d22", kFeatures);
    win::user::click(IDOK, kFeatures);
    win::user::answerMessageBox(IDOK);
    win::user::click(IDCANCEL, kFeatures);
    EXPECT_FALSE(StartDlgProfFeatures(data));
    EXPECT_TRUE(told(9183));
    EXPECT_EQ(data.features[2], Mdx_String("Marking A")) << "Cancel keeps the record";

    DlgProfFeaturesData many;
    for (int i = 0; i <= KvProfFeaturesDlg::kMaxFeatures; ++i)
        many.features.append(Mdx_String("Hole ").append(i));
    win::user::click(IDOK, kFeatures);
    win::user::answerMessageBox(IDOK);
    win::user::click(IDCANCEL, kFeatures);
    EXPECT_FALSE(StartDlgProfFeatures(many));
    EXPECT_TRUE(told(9184));
    EXPECT_EQ(win::user::messageBoxes().size(), 2u);
}

TEST_F(ProfFeaturesDialog, PictureOfAProfilesFeatures) {
    const std::filesystem::path out =
        std::filesystem::path(MDX_BINARY_DIR) / "dialog-profile-features.png";
    bool painted = false;
    win::user::act([&] { painted = win::paintWindowToPng(win::activeDialog(), out); });
    win::user::click(IDCANCEL, kFeatures);
    EXPECT_FALSE(StartDlgProfFeatures(data));
    ASSERT_TRUE(painted);
    std::string bytes;
    if (std::getenv("MDX_UPDATE_DOCS") && win::readWholeFile(out, bytes))
        win::writeWholeFileAtomic(
            std::filesystem::path(MDX_SOURCE_DIR) / "docs" / "dialog-profile-features.png", bytes);
}

}  // namespace
