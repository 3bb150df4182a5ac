// The cladding dialog driven as a person drives it: choices and sizes copied back, a missing
// profile and sizes out of their bounds refused, and its picture.
#include "otherdlg/KvCladdingDlg.h"

#include <cstdlib>
#include <filesystem>

#include "MdxBuildPaths.h"
#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"
#include "frame/FrameTestSupport.h"
#include "otherdlg/OtherDialogLaunch.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/WindowPainter.h"

namespace {

const win::DialogRef kCladding{IDD_CLADDING, ""};

class CladdingDialog : public frame_testing::FrameTest {
protected:
    KvCladdingDlgData data;
};

TEST_F(CladdingDialog, ChoicesAndSizesAreCopiedBackOnOK) {
    win::user::select(IDC_CLADDING_FACE, 1, kCladding);
    win::user::typeText(IDC_CLADDING_PROFILE, "Trapezoid 35/207", kCladding);
    win::user::select(IDC_CLADDING_DIRECTION, 1, kCladding);
    win::user::typeText(IDC_CLADDING_THICKNESS, " 0.63 ", kCladding);
    win::user::typeText(IDC_CLADDING_OVERLAP, "0", kCladding);
    win::user::typeText(IDC_CLADDING_SPACING, "414", kCladding);
    win::user::click(IDOK, kCladding);
    ASSERT_TRUE(StartDlgCladdingSettings(data));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(data.face, KvCladdingDlgData::kRoof);
    EXPECT_EQ(data.direction, KvCladdingDlgData::kSheetsHorizontal);
    EXPECT_EQ(data.sheetProfile, Mdx_String("Trapezoid 35/207"));
    EXPECT_EQ(data.sheetThickness, Mdx_String("0.63"));
    EXPECT_EQ(data.endOverlap, Mdx_String("0")) << "no overlap is a size";
    EXPECT_EQ(data.fixingSpacing, Mdx_String("414"));
}

// Each bound is checked at both sides: no profile, a thickness of 0 or above 5 mm, a negative
// overlap, a spacing of 0 or one that is no number; Cancel keeps the record.
TEST_F(CladdingDialog, AMissingProfileAndSizesOutOfBoundsAreRefused) {
    win::user::click(IDOK, kCladding);
    win::user::answerMessageBox(IDOK);
    win::user::typeText(IDC_CLADDING_PROFILE, "Sine 18/76", kCladding);
    const std::pair<int, const char*> wrong[] = {{IDC_CLADDING_THICKNESS, "0"},
                                                 {IDC_CLADDING_THICKNESS, "5.5"},
                                                 {IDC_CLADDING_OVERLAP, "-10"},
                                                 {IDC_CLADDING_SPACING, "0"},
                                                 {IDC_CLADDING_SPACING, "300 mm"}};
    for (const auto& [id, text] : wrong) {
        win::user::typeText(id, text, kCladding);
        win::user::click(IDOK, kCladding);
        win::user::answerMessageBox(IDOK);
        win::user::typeText(id, id == IDC_CLADDING_THICKNESS ? "0.7" : "200", kCladding);
    }
    win::user::click(IDCANCEL, kCladding);
    EXPECT_FALSE(StartDlgCladdingSettings(data));
    EXPECT_EQ(win::user::messageBoxes().size(), 6u);
    for (int text : {9172, 9173, 9174, 9175}) EXPECT_TRUE(told(text)) << text;
    EXPECT_TRUE(data.sheetProfile.isEmpty()) << "Cancel keeps the record";
}

TEST_F(CladdingDialog, PictureOfAWall) {
    data.sheetProfile = "Trapezoid 35/207";
    const std::filesystem::path out = std::filesystem::path(MDX_BINARY_DIR) / "dialog-cladding.png";
    bool painted = false;
    win::user::act([&] { painted = win::paintWindowToPng(win::activeDialog(), out); });
    win::user::click(IDCANCEL, kCladding);
    EXPECT_FALSE(StartDlgCladdingSettings(data));
    ASSERT_TRUE(painted);
    std::string bytes;
    if (std::getenv("MDX_UPDATE_DOCS") && win::readWholeFile(out, bytes))
        win::writeWholeFileAtomic(
            std::filesystem::path(MDX_SOURCE_DIR) / "docs" / "dialog-cladding.png", bytes);
}

}  // namespace
