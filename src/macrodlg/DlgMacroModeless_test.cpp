// The modeless macro dialog on the end-plate connection: its pages and their grid binding,
// apply with exact untouched values, a refused value put back, closing through the slot
// table while the data is busy, and the modal form.
#include "macrodlg/DlgMacroModeless.h"

#include "frame/MacroDialogLaunch.h"
#include "macrodlg/MacroDialogTestSupport.h"
#include "macrodlg/MacroSectionPage.h"
#include "resources/otherdlg_ids.h"
#include "win/ScriptedUser.h"
#include "win/Timers.h"
#include "win/WinMessages.h"

namespace {

class MacroDialog : public macrodlg_testing::MacroDialogTest {
protected:
    void SetUp() override {
        MacroDialogTest::SetUp();
        installMacroDialog();
        withL2(12.345);
    }
    void TearDown() override {
        setMacroSlotDialogFactory(nullptr);
        MacroDialogTest::TearDown();
    }
    void withL2(double value) {
        {
            AcTransaction transaction(db);
            Mdx_DbMacro* macro = nullptr;
            ASSERT_EQ(transaction.getObject(macro, drawing.macro, host::OpenMode::ForWrite), Acad::eOk);
            macro->macro()->findModuleWrite("EndPlate")->findDialogVariable("L2")->value = value;
            transaction.commit();
        }
        data = gather();
    }
    DlgMacroModeless* openModeless() {
        int slot = -1;
        EXPECT_TRUE(StartDlgMacroModeless(true, data, slot));
        return static_cast<DlgMacroModeless*>(macro_slots::dialogInSlot(slot));
    }
    // The grid row of a variable of the page's tab.
    static int rowOf(MacroPage& page, const char* variable) {
        const MacroVarData* item = page.tab()->findCellWithName(variable);
        return item && item->ctrlId < 0 ? -item->ctrlId : 0;
    }
    // Types into a value cell and leaves it, as the grid reports it to the page.
    static void editCell(MacroPage& page, const char* variable, const char* text) {
        const int row = rowOf(page, variable);
        ASSERT_GT(row, 0) << variable;
        page.grid().setCellData(3, row, text);
        page.SendMessage(WM_COMMAND, MAKEWPARAM(1001, 0x508), 0);
    }
    double drawingValue(const char* name) {
        double value = 0;
        inMacro([&](Mdx_Macro& macro) {
            value = macro.findModuleWrite("EndPlate")->findDialogVariable(name)->value;
        });
        return value;
    }
};

TEST_F(MacroDialog, OnePagePerTabWithEveryUnboundItemInTheGrid) {
    DlgMacroModeless* dialog = openModeless();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->pageCount(), 3);
    EXPECT_NE(dynamic_cast<MacroSectionPage*>(dialog->page(2)), nullptr) << "Stiffeners";
    MacroPage& plate = *dialog->page(0);
    EXPECT_EQ(plate.gridRowCount(), plate.tab()->variables().length());
    Mdx_String text;
    plate.grid().getCellText(1, rowOf(plate, "Height"), text, kTextData);
    EXPECT_EQ(text, Mdx_String("Height"));
    EXPECT_TRUE(plate.grid().isCellLocked(3, rowOf(plate, "Height"))) << "derived: read-only";
    EXPECT_FALSE(plate.grid().isCellLocked(3, rowOf(plate, "L1")));
    bool on = false;
    EXPECT_TRUE(plate.grid().getCheck(3, rowOf(plate, "Welded"), on));
    EXPECT_TRUE(on) << "a check variable is a check cell";
    MacroPage& bolts = *dialog->page(1);
    EXPECT_GT(bolts.gridRowCount(), bolts.tab()->variables().length()) << "pattern rows";
    EXPECT_EQ(bolts.tab()->patterns()[0].countId, -(bolts.tab()->variables().length() + 1));
    EXPECT_EQ(dialog->sizeKey(), Mdx_String("DLG_MACRO_EDITVARS_EndPlate_IPE_HEA"));
    EXPECT_EQ(dialog->SendMessage(DlgMacroModeless::kAliveMessage, 0, 0), 1);
}

TEST_F(MacroDialog, ApplyWritesTheEditedValueAndKeepsUntouchedOnesExact) {
    DlgMacroModeless* dialog = openModeless();
    MacroPage& plate = *dialog->page(0);
    editCell(plate, "L1", "20");
    EXPECT_TRUE(plate.lastApply().applied) << plate.lastApply().reason;
    EXPECT_DOUBLE_EQ(drawingValue("L1"), 20);
    EXPECT_DOUBLE_EQ(drawingValue("L2"), 12.345) << "not rounded to 12.35";
    EXPECT_EQ(plate.lastApply().changed, (Mdx_StringArray{"L1"}));
    Mdx_String shown;
    plate.grid().getCellText(3, rowOf(plate, "Height"), shown, kTextData);
    EXPECT_EQ(shown, Mdx_String("96")) << "the page shows the derived value";
    EXPECT_GT(host::CommandLine::promptCount(), 0);
}

TEST_F(MacroDialog, ARefusedValueIsPutBackAndTheUserIsTold) {
    DlgMacroModeless* dialog = openModeless();
    MacroPage& plate = *dialog->page(0);
    editCell(plate, "L1", "abc");
    EXPECT_TRUE(plate.lastApply().refused);
    EXPECT_DOUBLE_EQ(drawingValue("L1"), 15);
    EXPECT_EQ(plate.tab()->findCellWithName("L1")->value, Mdx_String("15"));
    Mdx_String shown;
    plate.grid().getCellText(3, rowOf(plate, "L1"), shown, kTextData);
    EXPECT_EQ(shown, Mdx_String("15"));
    ASSERT_FALSE(win::user::messageBoxes().empty());
    EXPECT_NE(win::user::messageBoxes().back().text.find("L1"), std::string::npos);
}

TEST_F(MacroDialog, ABusyDialogClosesThroughTheSlotTableOnceTheDataIsFree) {
    DlgMacroModeless* dialog = openModeless();
    ASSERT_NE(dialog, nullptr);
    const int slot = dialog->slotNumber();
    dialog->macroData().setBusy(true);
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(macro_slots::dialogInSlot(slot), dialog) << "not deleted inside its own handler";
    EXPECT_TRUE(dialog->macroData().dialogState().closed);
    win::advanceClock(macro_slots::kDelayedCloseMs * 3);
    EXPECT_EQ(macro_slots::dialogInSlot(slot), dialog) << "busy: the close waits";
    dialog->macroData().setBusy(false);
    win::advanceClock(macro_slots::kDelayedCloseMs);
    EXPECT_EQ(macro_slots::dialogInSlot(slot), nullptr);
    EXPECT_EQ(host::CommandLine::postedCommands().front(), "CANCELCMD") << "view 3 on close";
}

TEST_F(MacroDialog, TheModalFormEndsWithOkAndHandsTheDataBack) {
    win::user::act([] {
        HWND window = win::findDialog(MacroSlotDialog::kTemplateId);
        ASSERT_NE(window, nullptr);
        auto* dialog = static_cast<DlgMacroModeless*>(CWnd::FromHandlePermanent(window));
        editCell(*dialog->page(0), "L1", "25");
    });
    win::user::click(IDOK);
    const int prompts = host::CommandLine::promptCount();
    StartDlgMacro(data);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_TRUE(data.dialogState().closed);
    EXPECT_EQ(data.getTab(0)->findCellWithName("L1")->value, Mdx_String("25"));
    EXPECT_DOUBLE_EQ(drawingValue("L1"), 25);
    EXPECT_GT(host::CommandLine::promptCount(), prompts);
}

TEST_F(MacroDialog, PickedMacrosJoinThePagesAndTheSizeKey) {
    AcDbObjectId second;
    {
        AcTransaction transaction(db);
        Mdx_DbMacro* first = nullptr;
        ASSERT_EQ(transaction.getObject(first, drawing.macro), Acad::eOk);
        auto copy = std::make_unique<Mdx_Macro>(*first->macro());
        ASSERT_EQ(transaction.addNewObject(std::make_unique<Mdx_DbMacro>(std::move(copy)), second),
                  Acad::eOk);
        transaction.commit();
    }
    DlgMacroModeless* dialog = openModeless();
    ASSERT_NE(dialog, nullptr);
    macro_pickers::queueAnswer(macro_pickers::Picker::OtherMacros,
                               Mdx_String::fromInt(static_cast<long long>(second.handle())));
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(1176, BN_CLICKED), 0);
    EXPECT_EQ(dialog->macroData().macroNames().length(), 2);
    EXPECT_EQ(dialog->sizeKey(), Mdx_String("DLG_MACRO_EDITVARS_2_MACROS"));
    ASSERT_EQ(dialog->pageCount(), 3);
    EXPECT_EQ(dialog->page(0)->tab()->findCellWithName("L1")->value, Mdx_String("15"));
    EXPECT_TRUE(dialog->IsWindowVisible());
    EXPECT_EQ(host::CommandLine::postedCommands().back(), "CANCELCMD");
}

// Leaving a tab and coming back puts the focus where it was on that tab; a tab shown for
// the first time gets it in its first keyboard zone.
TEST_F(MacroDialog, EachTabGetsTheFocusBackWhereItWasLeft) {
    DlgMacroModeless* dialog = openModeless();
    ASSERT_NE(dialog, nullptr);
    const HWND offset = dialog->page(2)->GetDlgItem(1219)->GetSafeHwnd();
    const HWND diameter = dialog->page(1)->GetDlgItem(1092)->GetSafeHwnd();
    dialog->showTab(2);
    ::SetFocus(offset);
    dialog->showTab(1);
    EXPECT_TRUE(::IsChild(dialog->page(1)->m_hWnd, ::GetFocus())) << "the bolts page's grid";
    EXPECT_NE(::GetFocus(), diameter);
    ::SetFocus(diameter);
    dialog->showTab(2);
    EXPECT_EQ(::GetFocus(), offset);
    dialog->showTab(0);
    dialog->showTab(1);
    EXPECT_EQ(::GetFocus(), diameter);
}

// The start flag opens the section settings of the section tab shown first, once the window
// is up.
TEST_F(MacroDialog, TheStartFlagOpensTheSectionSettingsOnceTheWindowIsUp) {
    data.dialogState().currentTab = "Stiffeners";
    data.dialogState().openSectionDialog = true;
    std::string group;
    win::user::act([&] {
        CWnd* details = CWnd::FromHandle(win::findDialog(IDD_PROF_DETAILS));
        ASSERT_NE(details, nullptr);
        details->GetDlgItemText(IDC_PROF_GROUP, group);
    });
    win::user::click(IDCANCEL, win::DialogRef{IDD_PROF_DETAILS, ""});
    DlgMacroModeless* dialog = openModeless();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->currentTab(), 2);
    PumpWaitingMessages();
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(group, "Stiffener1");
    EXPECT_EQ(win::user::pendingSteps(), 0u);
}

}  // namespace
