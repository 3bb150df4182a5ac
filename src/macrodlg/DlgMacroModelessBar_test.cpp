// The bar of the modeless macro dialog on the end-plate connection, driven by clicks: the
// filters rebuild the pages, property files save and load the values (a file's values
// without a place are counted, a bad file changes nothing), loading from standards that
// fail changes nothing, and the view buttons turn the host's view.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/macro/MacroSettings.h"
#include "core/macro/MacroStandardsLoader.h"
#include "core/macro/Mdx_DbMacro.h"
#include "frame/MacroDialogLaunch.h"
#include "frame/MacroDialogSlots.h"
#include "frame/MacroStandardsLoad.h"
#include "host/DrawingView.h"
#include "macrodlg/DlgMacroModeless.h"
#include "macrodlg/MacroDialogTestSupport.h"
#include "resources/macrodlg_ids.h"
#include "win/CComboBox.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"

namespace {

namespace fs = std::filesystem;

class MacroDialogBar : public macrodlg_testing::MacroDialogTest {
protected:
    void SetUp() override {
        MacroDialogTest::SetUp();
        installMacroDialog();
        installMacroStandardsLoader();
        host::DrawingView::reset();
        int slot = -1;
        EXPECT_TRUE(StartDlgMacroModeless(true, data, slot));
        dialog = static_cast<DlgMacroModeless*>(macro_slots::dialogInSlot(slot));
        ASSERT_NE(dialog, nullptr);
        window = dialog->GetSafeHwnd();
    }
    void TearDown() override {
        DestroyAllMacroDlgs();
        setMacroStandardsLoader(nullptr);
        setMacroSlotDialogFactory(nullptr);
        MacroDialogTest::TearDown();
    }
    double drawingValue(const char* module, const char* name) {
        double value = 0;
        inMacro([&](Mdx_Macro& macro) {
            value = macro.findModuleWrite(module)->findDialogVariable(name)->value;
        });
        return value;
    }
    void setL1(const char* text) {
        MacroPage& plate = *dialog->page(0);
        const int row = -plate.tab()->findCellWithName("L1")->ctrlId;
        plate.grid().setCellData(3, row, text);
        plate.SendMessage(WM_COMMAND, MAKEWPARAM(1001, 0x508), 0);
    }
    fs::path propFile(const char* name) {
        return folder / "Macro Properties" / "EndPlate_IPE_HEA" / (std::string(name) + ".mpv");
    }
    // Clicks the button; in the property-file dialog that opens the user picks the file
    // (loading) or types its name (saving), then OK.
    void clickWithFile(int button, const char* name) {
        if (button == 1299)
            win::user::selectText(IDC_PROP_FILE_LIST, name);
        else
            win::user::typeText(IDC_PROP_FILE_NAME, name);
        win::user::click(IDOK);
        win::act::click(window, button);
    }
    std::string lastMessage() {
        return win::user::messageBoxes().empty() ? "" : win::user::messageBoxes().back().text;
    }
    std::size_t messageCount() { return win::user::messageBoxes().size(); }

    DlgMacroModeless* dialog = nullptr;
    HWND window = nullptr;
};

TEST_F(MacroDialogBar, SavedValuesComeBackFromTheFileIntoTheDrawing) {
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(window, 1299)));
    clickWithFile(1302, "Heavy");
    ASSERT_TRUE(fs::exists(propFile("Heavy"))) << lastMessage();
    setL1("30");
    ASSERT_EQ(drawingValue("EndPlate", "L1"), 30);

    win::user::select(IDC_PROP_FILE_LIST, 0);
    win::user::click(IDOK);
    const std::size_t before = messageCount();
    win::act::click(window, 1299);
    EXPECT_EQ(drawingValue("EndPlate", "L1"), 15) << lastMessage();
    EXPECT_EQ(messageCount(), before) << "every value found its place: no message";
    Mdx_String shown;
    MacroPage& plate = *dialog->page(0);
    plate.grid().getCellText(3, -plate.tab()->findCellWithName("L1")->ctrlId, shown, kTextData);
    EXPECT_EQ(shown, Mdx_String("15")) << "the page shows what the drawing holds";
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

TEST_F(MacroDialogBar, AFileOfOtherValuesCountsWhatFoundNoPlaceAndABadFileChangesNothing) {
    fs::create_directories(propFile("x").parent_path());
    std::ofstream(propFile("Old"), std::ios::binary)
        << "MDX-MACRO-VALUES\t1\r\nmacro\tEndPlate_IPE_HEA\r\ntab\tPlate\r\nvar\tL1\t22\r\n"
           "var\tGone\t1\r\nvar\tHeight\t5\r\ntab\tNoSuchTab\r\nvar\tL1\t3\r\nend\r\n";
    std::ofstream(propFile("Cut"), std::ios::binary)
        << "MDX-MACRO-VALUES\t1\r\nmacro\tEndPlate_IPE_HEA\r\ntab\tPlate\r\nvar\tL1\t40\r\n";
    clickWithFile(1299, "Old");
    EXPECT_EQ(drawingValue("EndPlate", "L1"), 22);
    EXPECT_EQ(lastMessage(),
              "The property values have been loaded.\nThere were 3 values that could not be "
              "applied.\n\nCheck the macro.")
        << "an unknown variable, a derived one and a value of an unknown tab";

    clickWithFile(1299, "Cut");
    EXPECT_EQ(drawingValue("EndPlate", "L1"), 22) << "a file cut short is refused whole";
    EXPECT_NE(lastMessage().find("ends without \"end\""), std::string::npos) << lastMessage();
}

TEST_F(MacroDialogBar, SavingOverAFileAsksFirstAndNoKeepsTheFile) {
    clickWithFile(1302, "Heavy");
    setL1("30");
    auto saveAgain = [this](int answer) {
        win::user::typeText(IDC_PROP_FILE_NAME, "heavy");
        win::user::click(IDOK);
        win::user::answerMessageBox(answer);
        if (answer == IDNO) win::user::click(IDCANCEL);
        win::act::click(window, 1302);
        std::ifstream in(propFile("Heavy"), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_NE(saveAgain(IDNO).find("var\tL1\t15\r\n"), std::string::npos);
    EXPECT_NE(saveAgain(IDYES).find("var\tL1\t30\r\n"), std::string::npos);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

TEST_F(MacroDialogBar, ANameThatWouldLeaveTheFolderIsRefusedAndTheDialogStaysOpen) {
    win::user::typeText(IDC_PROP_FILE_NAME, "..\\..\\evil");
    win::user::click(IDOK);
    win::user::typeText(IDC_PROP_FILE_NAME, "Fine");
    win::user::click(IDOK);
    win::act::click(window, 1302);
    EXPECT_NE(win::user::messageBoxes().front().text.find("may not hold"), std::string::npos);
    EXPECT_TRUE(fs::exists(propFile("Fine")));
    EXPECT_FALSE(fs::exists(folder / "evil.mpv"));
    EXPECT_FALSE(fs::exists(folder / "Macro Properties" / "evil.mpv"));
}

TEST_F(MacroDialogBar, TheSectionGroupFilterLeavesItsTabsAndTheSecondListFollows) {
    ASSERT_EQ(dialog->pageCount(), 3);
    auto* groups = static_cast<CComboBox*>(dialog->GetDlgItem(1177));
    auto* tabs = static_cast<CComboBox*>(dialog->GetDlgItem(1178));
    ASSERT_EQ(groups->GetCount(), 3) << "*, Stiffener1, Stiffener2";
    EXPECT_EQ(tabs->GetCount(), 4) << "*, Plate, Bolts, Stiffeners";

    win::act::select(window, 1177, 1);
    ASSERT_EQ(dialog->pageCount(), 1);
    EXPECT_EQ(dialog->page(0)->tab()->name, Mdx_String("Stiffeners"));
    EXPECT_EQ(tabs->GetCount(), 2) << "the tabs the group leaves";
    EXPECT_EQ(dialog->macroData().dialogState().filterSelection[0], 1);

    win::act::select(window, 1177, 0);
    win::act::select(window, 1178, 2);
    ASSERT_EQ(dialog->pageCount(), 1);
    EXPECT_EQ(dialog->page(0)->tab()->name, Mdx_String("Bolts"));
    win::act::select(window, 1178, 0);
    EXPECT_EQ(dialog->pageCount(), 3);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

TEST_F(MacroDialogBar, StandardsThatCannotBeEvaluatedChangeNothingAndSayWhy) {
    win::act::click(window, 1185);
    EXPECT_NE(lastMessage().find("tie no standards"), std::string::npos) << lastMessage();
    {
        AcTransaction transaction(db);
        Mdx_DbMacro* macro = nullptr;
        ASSERT_EQ(transaction.getObject(macro, drawing.macro, host::OpenMode::ForWrite), Acad::eOk);
        MacroSettings settings;
        settings.standards.spreadsheetNames.append("Missing");
        settings.standards.mapsToKeys.append("Module.Plate");
        SetMacroSettings(*macro, settings);
        transaction.commit();
    }
    setL1("31");
    win::act::click(window, 1185);
    EXPECT_NE(lastMessage().find("\"Missing\""), std::string::npos) << lastMessage();
    EXPECT_EQ(drawingValue("EndPlate", "L1"), 31);
    EXPECT_FALSE(dialog->macroData().isBusy());
}

TEST_F(MacroDialogBar, ViewButtonsTurnTheHostsViewToTheShownTab) {
    win::act::click(window, 1183);
    EXPECT_EQ(host::DrawingView::direction(), 1);
    EXPECT_EQ(host::DrawingView::subject(), "EndPlate_IPE_HEA.Plate");
    EXPECT_EQ(dialog->macroData().dialogState().viewDirection, 1);
    win::act::click(window, IDOK);
    EXPECT_EQ(host::DrawingView::direction(), host::DrawingView::kFront) << "closing turns it back";
}

}  // namespace
