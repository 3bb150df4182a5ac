#include "frame/MacroDialogSlots.h"

#include "core/macro/MacroData.h"
#include "frame/FrameTestSupport.h"
#include "frame/MacroSlotDialog.h"
#include "host/MainWindow.h"
#include "win/Timers.h"

namespace {

class MacroSlots : public frame_testing::FrameTest {
protected:
    int open(bool keepFocus = false) {
        MacroData data;
        int slot = -2;
        EXPECT_TRUE(StartDlgMacroModeless(keepFocus, data, slot));
        return slot;
    }
    void openFive() {
        for (int i = 0; i < 5; ++i) ASSERT_EQ(open(), i);
    }
    void setBusy(int slot, bool busy) {
        ASSERT_NE(macro_slots::dialogInSlot(slot), nullptr);
        macro_slots::dialogInSlot(slot)->macroData().setBusy(busy);
    }
};

TEST_F(MacroSlots, OpensInTheLastEmptySlotAndAppendsWhenNoneIsEmpty) {
    openFive();
    EXPECT_TRUE(EndDlgMacroModeless(1));
    EXPECT_TRUE(EndDlgMacroModeless(3));
    EXPECT_EQ(macro_slots::slotCount(), 5);
    EXPECT_EQ(open(), 3);
    EXPECT_EQ(open(), 1);
    EXPECT_EQ(open(), 5);
    EXPECT_EQ(macro_slots::slotCount(), 6);
}

TEST_F(MacroSlots, ClosingTheLastSlotDropsTheEmptySlotsBeforeIt) {
    openFive();
    ASSERT_TRUE(EndDlgMacroModeless(2));
    ASSERT_TRUE(EndDlgMacroModeless(3));
    EXPECT_EQ(macro_slots::slotCount(), 5) << "slots in the middle keep their numbers";
    ASSERT_TRUE(EndDlgMacroModeless(4));
    EXPECT_EQ(macro_slots::slotCount(), 2);
    EXPECT_NE(macro_slots::dialogInSlot(1), nullptr);
}

TEST_F(MacroSlots, TheDialogOwnsACopyOfTheDataAndGivesItOut) {
    MacroData data;
    data.addTab("Plate", 0);
    int slot = -1;
    ASSERT_TRUE(StartDlgMacroModeless(true, data, slot));
    data.addTab("Bolts", 0);
    MacroData out;
    ASSERT_TRUE(GetDlgMacroData(slot, out));
    EXPECT_EQ(out.tabCount(), 1);
    HWND window = macro_slots::dialogInSlot(slot)->GetSafeHwnd();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(macro_slots::dialogInSlot(slot)->slotNumber(), slot);
    EXPECT_NE(GetFocus(), adsw_acadMainWnd()) << "keepFocus leaves the focus alone";
}

TEST_F(MacroSlots, FocusGoesBackToTheHostUnlessKept) {
    open(false);
    EXPECT_EQ(GetFocus(), adsw_acadMainWnd());
}

TEST_F(MacroSlots, InvalidAndEmptySlotsAreRefused) {
    MacroData out;
    EXPECT_FALSE(GetDlgMacroData(-1, out));
    EXPECT_FALSE(GetDlgMacroData(0, out));
    EXPECT_FALSE(EndDlgMacroModeless(-1));
    EXPECT_FALSE(EndDlgMacroModeless(0));
    openFive();
    ASSERT_TRUE(EndDlgMacroModeless(2));
    EXPECT_FALSE(GetDlgMacroData(2, out));
    EXPECT_FALSE(EndDlgMacroModeless(2));
    EXPECT_FALSE(GetDlgMacroData(5, out));
}

TEST_F(MacroSlots, ABusyDialogClosesAtTheFirstTickAfterItIsFree) {
    const int slot = open();
    HWND window = macro_slots::dialogInSlot(slot)->GetSafeHwnd();
    setBusy(slot, true);
    const int prompts = host::CommandLine::promptCount();
    EXPECT_TRUE(EndDlgMacroModeless(slot));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(macro_slots::pendingCloseCount(), 1);
    win::advanceClock(49);
    EXPECT_EQ(count(transcript(), "Delayed timer called.\n"), 0);
    win::advanceClock(1);
    EXPECT_EQ(count(transcript(), "Delayed timer called.\n"), 1);
    win::advanceClock(50);
    EXPECT_EQ(count(transcript(), "Delayed timer called.\n"), 2);
    EXPECT_TRUE(IsWindow(window));
    setBusy(slot, false);
    win::advanceClock(50);
    EXPECT_EQ(count(transcript(), "Delayed timer called.\n"), 3);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(macro_slots::slotCount(), 0);
    EXPECT_EQ(macro_slots::pendingCloseCount(), 0);
    EXPECT_EQ(host::CommandLine::promptCount(), prompts + 1);
    win::advanceClock(500);
    EXPECT_EQ(count(transcript(), "Delayed timer called.\n"), 3) << "no timer is left behind";
    EXPECT_EQ(win::activeTimerCount(), 0u);
}

TEST_F(MacroSlots, AskingTwiceWhileBusyArmsOneRetry) {
    const int slot = open();
    setBusy(slot, true);
    EXPECT_TRUE(EndDlgMacroModeless(slot));
    EXPECT_TRUE(EndDlgMacroModeless(slot));
    EXPECT_EQ(macro_slots::pendingCloseCount(), 1);
    win::advanceClock(50);
    EXPECT_EQ(count(transcript(), "Delayed timer called.\n"), 1);
}

TEST_F(MacroSlots, DestroyAllClosesFreeDialogsAndDefersBusyOnes) {
    openFive();
    setBusy(1, true);
    DestroyAllMacroDlgs();
    EXPECT_EQ(macro_slots::slotCount(), 2) << "slot 1 waits, slot 0 closed";
    EXPECT_EQ(macro_slots::dialogInSlot(0), nullptr);
    setBusy(1, false);
    win::advanceClock(50);
    EXPECT_EQ(macro_slots::slotCount(), 0);
}

TEST_F(MacroSlots, AFailedWindowLeavesTheSlotEmpty) {
    setMacroSlotDialogFactory([](CWnd*) -> std::unique_ptr<MacroSlotDialog> { return nullptr; });
    MacroData data;
    int slot = -1;
    EXPECT_FALSE(StartDlgMacroModeless(false, data, slot));
    EXPECT_EQ(macro_slots::slotCount(), 0);
    setMacroSlotDialogFactory(nullptr);
    EXPECT_EQ(open(), 0);
}

TEST_F(MacroSlots, TheResourceHandleComesBackAfterEveryLaunchPoint) {
    AfxSetResourceHandle(nullptr);
    const int slot = open();
    EXPECT_EQ(AfxGetResourceHandle(), nullptr);
    MacroData out;
    GetDlgMacroData(slot, out);
    EXPECT_FALSE(EndDlgMacroModeless(slot + 7));
    EXPECT_EQ(AfxGetResourceHandle(), nullptr);
}

}  // namespace
