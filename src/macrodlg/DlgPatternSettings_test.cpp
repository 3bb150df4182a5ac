// The bolt pattern settings: counts and spacing that cannot be right are told with the
// dialog kept open, a one-direction pattern keeps its second count, OK hands the pattern
// back; and its picture.
#include "macrodlg/DlgPatternSettings.h"

#include <cstdlib>
#include <filesystem>

#include "MdxBuildPaths.h"
#include "frame/FrameTestSupport.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/WindowPainter.h"

namespace {

const win::DialogRef kPattern{DlgPatternSettings::kTemplateId, ""};

class PatternSettings : public frame_testing::FrameTest {
protected:
    MacroPatternData pattern{"BoltPattern", true, "2", "3", "100"};
};

TEST_F(PatternSettings, WrongCountsAndSpacingsAreToldThenTheTypedPatternComesBack) {
    for (const char* count : {"2.5", "-1", "10000", ""}) {
        win::user::typeText(IDC_PATTERN_COUNT2, count, kPattern);
        win::user::click(IDOK, kPattern);
        win::user::answerMessageBox(IDOK);
    }
    win::user::typeText(IDC_PATTERN_COUNT2, "4", kPattern);
    for (const char* spacing : {"0", "wide", "100001"}) {
        win::user::typeText(IDC_PATTERN_SPACING, spacing, kPattern);
        win::user::click(IDOK, kPattern);
        win::user::answerMessageBox(IDOK);
    }
    win::user::typeText(IDC_PATTERN_SPACING, " 75.5 ", kPattern);
    win::user::typeText(IDC_PATTERN_COUNT1, "3", kPattern);
    win::user::click(IDOK, kPattern);
    ASSERT_TRUE(editPatternSettings(pattern));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(win::user::messageBoxes().size(), 7u);
    EXPECT_TRUE(told(9455));
    EXPECT_TRUE(told(9456));
    EXPECT_EQ(pattern.nrBolts1, Mdx_String("3"));
    EXPECT_EQ(pattern.nrBolts2, Mdx_String("4"));
    EXPECT_EQ(pattern.value, Mdx_String("75.5"));
}

TEST_F(PatternSettings, AOneDirectionPatternKeepsItsSecondCountAndCancelKeepsAll) {
    pattern.twoDirections = false;
    pattern.nrBolts2 = "";
    bool enabled = true;
    win::user::act([&] { enabled = ::IsWindowEnabled(::GetDlgItem(win::activeDialog(), IDC_PATTERN_COUNT2)); });
    win::user::typeText(IDC_PATTERN_COUNT1, "5", kPattern);
    win::user::click(IDOK, kPattern);
    ASSERT_TRUE(editPatternSettings(pattern));
    EXPECT_FALSE(enabled);
    EXPECT_EQ(pattern.nrBolts1, Mdx_String("5"));
    EXPECT_TRUE(pattern.nrBolts2.isEmpty());
    win::user::typeText(IDC_PATTERN_COUNT1, "7", kPattern);
    win::user::click(IDCANCEL, kPattern);
    EXPECT_FALSE(editPatternSettings(pattern));
    EXPECT_EQ(pattern.nrBolts1, Mdx_String("5"));
}

TEST_F(PatternSettings, PictureOfATwoDirectionPattern) {
    const std::filesystem::path out = std::filesystem::path(MDX_BINARY_DIR) / "dialog-pattern-settings.png";
    bool painted = false;
    win::user::act([&] { painted = win::paintWindowToPng(win::activeDialog(), out); });
    win::user::click(IDCANCEL, kPattern);
    EXPECT_FALSE(editPatternSettings(pattern));
    ASSERT_TRUE(painted);
    std::string bytes;
    if (std::getenv("MDX_UPDATE_DOCS") && win::readWholeFile(out, bytes))
        win::writeWholeFileAtomic(
            std::filesystem::path(MDX_SOURCE_DIR) / "docs" / "dialog-pattern-settings.png", bytes);
}

}  // namespace
