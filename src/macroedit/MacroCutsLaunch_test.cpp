#include "macroedit/MacroCutsLaunch.h"

#include "frame/FrameTestSupport.h"
#include "resources/macroedit_ids.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"
#include "win/Window.h"

namespace {

class MacroCuts : public frame_testing::FrameTest {};

TEST_F(MacroCuts, EscapeIsToldApartFromTheCancelButton) {
    DlgMacroCutsData data;
    data.name = "Cut1";
    data.moduleName = "EndPlate";
    bool escaped = false;
    win::user::pressKey(VK_ESCAPE);
    EXPECT_FALSE(StartDlgMacroCuts(data, escaped));
    EXPECT_TRUE(escaped);
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgMacroCuts(data, escaped));
    EXPECT_FALSE(escaped);
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_FALSE(escaped);
    EXPECT_EQ(data.name, Mdx_String("Cut1"));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

}  // namespace
