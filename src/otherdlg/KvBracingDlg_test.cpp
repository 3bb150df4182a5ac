// The bracing dialog driven as a person drives it: choices and typing copied back, numbers
// that cannot be right refused, a diameter outside the list kept, and its picture.
#include "otherdlg/KvBracingDlg.h"

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

const win::DialogRef kBracing{IDD_BRACING, ""};

class BracingDialog : public frame_testing::FrameTest {
protected:
    KvBracingDlgData data;
};

TEST_F(BracingDialog, ChoicesAndTypedValuesAreCopiedBackOnOK) {
    win::user::select(IDC_BRACING_KIND, KvBracingDlgData::kK, kBracing);
    win::user::typeText(IDC_BRACING_SECTION, "L80x8", kBracing);
    win::user::check(IDC_BRACING_TENSION, BST_CHECKED, kBracing);
    win::user::typeText(IDC_BRACING_PLATE, "12.5", kBracing);
    win::user::typeText(IDC_BRACING_BOLTS, "3", kBracing);
    win::user::select(IDC_BRACING_DIAMETER, 2, kBracing);
    win::user::click(IDOK, kBracing);
    ASSERT_TRUE(StartDlgBracing(data));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(data.kind, KvBracingDlgData::kK);
    EXPECT_EQ(data.section, Mdx_String("L80x8"));
    EXPECT_TRUE(data.tensionOnly);
    EXPECT_EQ(data.plateThickness, Mdx_String("12.5"));
    EXPECT_EQ(data.boltCount, Mdx_String("3"));
    EXPECT_EQ(data.boltDiameter, Mdx_String("20"));
}

// No section, a plate that is no thickness and a bolt count that is no whole number from 1
// to 50 are each refused with a message; the dialog stays open and Cancel keeps the record.
TEST_F(BracingDialog, AMissingSectionAndImpossibleNumbersAreRefused) {
    win::user::click(IDOK, kBracing);
    win::user::answerMessageBox(IDOK);
    win::user::typeText(IDC_BRACING_SECTION, "L60x6", kBracing);
    for (const char* plate : {"0", "120", "ten"}) {
        win::user::typeText(IDC_BRACING_PLATE, plate, kBracing);
        win::user::click(IDOK, kBracing);
        win::user::answerMessageBox(IDOK);
    }
    win::user::typeText(IDC_BRACING_PLATE, "8", kBracing);
    for (const char* bolts : {"0", "2.5", "51"}) {
        win::user::typeText(IDC_BRACING_BOLTS, bolts, kBracing);
        win::user::click(IDOK, kBracing);
        win::user::answerMessageBox(IDOK);
    }
    win::user::click(IDCANCEL, kBracing);
    EXPECT_FALSE(StartDlgBracing(data));
    EXPECT_EQ(win::user::messageBoxes().size(), 7u);
    EXPECT_TRUE(told(9152));
    EXPECT_TRUE(told(9153));
    EXPECT_TRUE(told(9154));
    EXPECT_TRUE(data.section.isEmpty()) << "Cancel keeps the record";
}

TEST_F(BracingDialog, ADiameterOutsideTheListIsKept) {
    data.section = "CHS60.3x4";
    data.boltDiameter = "22";
    win::user::click(IDOK, kBracing);
    ASSERT_TRUE(StartDlgBracing(data));
    EXPECT_EQ(data.boltDiameter, Mdx_String("22"));
    EXPECT_EQ(data.kind, KvBracingDlgData::kCross);
}

TEST_F(BracingDialog, PictureOfACrossBracing) {
    data.section = "L70x7";
    data.boltCount = "3";
    const std::filesystem::path out = std::filesystem::path(MDX_BINARY_DIR) / "dialog-bracing.png";
    bool painted = false;
    win::user::act([&] { painted = win::paintWindowToPng(win::activeDialog(), out); });
    win::user::click(IDCANCEL, kBracing);
    EXPECT_FALSE(StartDlgBracing(data));
    ASSERT_TRUE(painted);
    std::string bytes;
    if (std::getenv("MDX_UPDATE_DOCS") && win::readWholeFile(out, bytes))
        win::writeWholeFileAtomic(
            std::filesystem::path(MDX_SOURCE_DIR) / "docs" / "dialog-bracing.png", bytes);
}

}  // namespace
