#include "core/ExportStartDlgInfo.h"

#include <gtest/gtest.h>

#include <string>

#include "win/ScriptedUser.h"
#include "win/WinTestSupport.h"
#include "win/Window.h"

namespace {

class InfoDialog : public win::testing::WindowSystemTest {};

// The dialog shows the caption, the button text and every line of the text, and gives back
// how the user closed it.
TEST_F(InfoDialog, ShowsTheTextAndEndsAsTheUserCloses) {
    std::string caption, shown, button;
    win::user::act([&] {
        HWND dialog = win::findDialog(kInfoDialogTemplate);
        ASSERT_NE(dialog, nullptr);
        char text[512] = {};
        GetWindowText(dialog, text, sizeof text);
        caption = text;
        GetDlgItemText(dialog, kInfoDialogText, text, sizeof text);
        shown = text;
        GetDlgItemText(dialog, 1, text, sizeof text);
        button = text;
    });
    win::user::click(1);
    EXPECT_EQ(ExportStartDlgInfo("Latest files", "Close", "first\nsecond\r\nthird"), 1);
    EXPECT_EQ(caption, "Latest files");
    EXPECT_EQ(button, "Close");
    EXPECT_EQ(shown, "first\r\nsecond\r\nthird");
    EXPECT_EQ(ExportStartDlgInfo("Again", "", "x"), 2) << "no step left: the user cancels";
    EXPECT_TRUE(win::user::failures().empty());
}

}  // namespace
