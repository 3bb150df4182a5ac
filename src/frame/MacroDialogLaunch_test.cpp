#include "frame/MacroDialogLaunch.h"

#include "core/macro/MacroData.h"
#include "frame/FrameTestSupport.h"
#include "frame/MacroSlotDialog.h"

namespace {

class ModalMacroDialog : public frame_testing::FrameTest {};

// Changes the data inside the dialog, as the pages do, to see what reaches the caller.
void addTabInOpenDialog() {
    auto* dialog = static_cast<MacroSlotDialog*>(
        CWnd::FromHandlePermanent(win::findDialog(MacroSlotDialog::kTemplateId)));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->slotNumber(), -1);
    dialog->macroData().addTab("Bolts", 0);
}

TEST_F(ModalMacroDialog, TheRecordComesBackWhateverClosedTheDialog) {
    MacroData data;
    win::user::act(addTabInOpenDialog);
    win::user::click(IDOK);
    StartDlgMacro(data);
    EXPECT_EQ(data.tabCount(), 1);
    win::user::act(addTabInOpenDialog);
    win::user::closeDialog();
    StartDlgMacro(data);
    EXPECT_EQ(data.tabCount(), 2);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(win::findDialog(MacroSlotDialog::kTemplateId), nullptr);
}

}  // namespace
