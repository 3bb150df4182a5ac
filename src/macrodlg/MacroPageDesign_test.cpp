// Designed pages: every control type bound to the item it names or removed when the tab has
// no such item (which then shows in the grid), values shown and read back through the
// controls, a designed change applied to the drawing, and F12 to the designer and back.
#include "macrodlg/MacroPageDesign.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/macro/Mdx_DbPattern.h"
#include "core/macro/Mdx_ProfModule.h"
#include "designer/DesignPicture.h"
#include "host/MainWindow.h"
#include "macrodlg/MacroDialogTestSupport.h"
#include "frame/MacroDialogSlots.h"
#include "macrodlg/DlgBoltAdvanced.h"
#include "macrodlg/DlgMacroModeless.h"
#include "macrodlg/MacroPage.h"
#include "win/Timers.h"
#include "macrodlg/MacroSectionPage.h"
#include "resources/designer_ids.h"
#include "resources/macrodlg_ids.h"
#include "resources/otherdlg_ids.h"
#include "resources/spread_ids.h"
#include "spread/ValueInputDialog.h"
#include "win/CButton.h"
#include "win/CComboBox.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"
#include "win/Window.h"

namespace {

struct Designed {
    int type;
    const char* contents;
    const char* comboList = "";  // distance buttons: "base;offset;;factor;"
};

class DesignedPage : public macrodlg_testing::MacroDialogTest {
protected:
    // A design of one row of controls per entry over a 360 x 240 picture.
    void writeDesign(const std::string& name, const std::vector<Designed>& controls) {
        const auto root = folder / "Dialog Templates" / "Dialog Design";
        std::filesystem::create_directories(root);
        std::ostringstream text;
        text << "MDX-PROPERTIES 1\nnrOfControls\ti\t" << controls.size() << "\n";
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const double top = 0.02 + 0.06 * static_cast<double>(i % 16);
            const double left = i < 16 ? 0.05 : 0.55;
            text << "type" << i << "\ti\t" << controls[i].type << "\n"
                 << "topLeftX" << i << "\td\t" << left << "\n"
                 << "topLeftY" << i << "\td\t" << top << "\n"
                 << "bottomRightX" << i << "\td\t" << left + 0.4 << "\n"
                 << "bottomRightY" << i << "\td\t" << top + 0.05 << "\n"
                 << "contents" << i << "\ts\t" << controls[i].contents << "\n"
                 << "comboList" << i << "\ts\t" << controls[i].comboList << "\n";
        }
        std::ofstream(root / (name + ".txt"), std::ios::binary) << text.str();
        std::vector<std::uint32_t> pixels(360 * 240, 0xFFFFFFu);
        std::ofstream(root / (name + ".bmp"), std::ios::binary)
            << designer::bitmapFileBytes(360, 240, pixels.data());
    }
    void setDesign(const char* module, const char* design) {
        AcTransaction transaction(db);
        Mdx_DbMacro* macro = nullptr;
        ASSERT_EQ(transaction.getObject(macro, drawing.macro, host::OpenMode::ForWrite), Acad::eOk);
        macro->macro()->findModuleWrite(module)->setDesignPath(design);
        transaction.commit();
    }
    template <class Page = MacroPage>
    std::unique_ptr<Page> open(const char* tabName) {
        data = gather();
        auto page = std::make_unique<Page>(data, tabIndex(data, tabName), nullptr);
        EXPECT_TRUE(page->createPage(CWnd::FromHandle(adsw_acadMainWnd())));
        return page;
    }
    static std::string windowText(CWnd& page, int id) {
        std::string text;
        page.GetDlgItemText(id, text);
        return text;
    }
    static bool isDesigned(int id) {
        return id >= MacroPageDesign::kFirstId && id <= MacroPageDesign::kLastId;
    }
};

TEST_F(DesignedPage, EachPlateControlBindsItsItemOrGoesAndTheRestFillTheGrid) {
    writeDesign("Plate", {{0, "L1", "L1"},
                          {2, "L1"},
                          {2, "NoSuchVariable"},
                          {3, "Grade"},
                          {29, "Welded?", "Welded"},
                          {28, "Cut1"},
                          {25, "Thickness", "Thickness;L1;;1;"},
                          {25, "L2", "L2;L1;;1;"},
                          {30, "L1"},
                          {30, "Width"},
                          {18, "Ribs"},
                          {20, "Ribs"},
                          {23, "Ribs", "1"},
                          {24, "Ribs"},
                          {27, ""},
                          {0, "Gone", "Missing"},
                          {7, "Bolts"}});
    setDesign("EndPlate", "Plate");
    auto page = open("Plate");
    MacroPageDesign& design = page->design();
    ASSERT_TRUE(design.present());
    EXPECT_EQ(design.document().getNrControls(), 12)
        << "a missing variable, a distance on an input, a flex without button, an entry of a "
           "spaced array and bolt values on a tab without bolts go";
    MacroTabData& tab = *page->tab();
    for (const char* bound : {"L1", "Grade", "Welded", "Thickness"})
        EXPECT_TRUE(isDesigned(tab.findCellWithName(bound)->ctrlId)) << bound;
    for (const char* inGrid : {"L2", "Width", "Height"})
        EXPECT_LT(tab.findCellWithName(inGrid)->ctrlId, 0) << inGrid;
    EXPECT_EQ(page->gridRowCount(), tab.variables().length() - 4);
    EXPECT_TRUE(isDesigned(tab.findCutWithName("Cut1")->ctrlId));
    const MacroArrayData& ribs = *tab.findArrayWithName("Ribs");
    EXPECT_TRUE(isDesigned(ribs.valueIds[0]) && isDesigned(ribs.valueIds[2]) &&
                isDesigned(ribs.buttonId));
    EXPECT_TRUE(isDesigned(tab.block().ctrlId));

    EXPECT_EQ(windowText(*page, tab.findCellWithName("L1")->ctrlId), "15");
    EXPECT_EQ(windowText(*page, tab.findCellWithName("Grade")->ctrlId), "S355");
    auto* welded = static_cast<CButton*>(page->GetDlgItem(tab.findCellWithName("Welded")->ctrlId));
    EXPECT_EQ(welded->GetCheck(), BST_CHECKED);
    auto* cut = static_cast<CComboBox*>(page->GetDlgItem(tab.findCutWithName("Cut1")->ctrlId));
    EXPECT_EQ(cut->GetCurSel(), tab.findCutWithName("Cut1")->typeIndex);
    EXPECT_EQ(windowText(*page, ribs.valueIds[0]), "3");
    EXPECT_EQ(windowText(*page, tab.block().ctrlId), "Nameplate");
    Mdx_String caption;
    design.document().getCtrlValue(design.document().getControl(0)->resId, caption);
    EXPECT_EQ(caption, Mdx_String("L1"));
    EXPECT_EQ(windowText(*page, design.document().getControl(11)->resId), "")
        << "a text whose variable is missing is emptied";
}

TEST_F(DesignedPage, ADesignedEditAndCheckBoxApplyToTheDrawing) {
    writeDesign("Plate", {{2, "L1"}, {2, "L2"}, {29, "Welded?", "Welded"}});
    setDesign("EndPlate", "Plate");
    auto page = open("Plate");
    const int l1 = page->tab()->findCellWithName("L1")->ctrlId;
    const int welded = page->tab()->findCellWithName("Welded")->ctrlId;
    page->SetDlgItemText(l1, "22.5");
    page->SendMessage(WM_COMMAND, MAKEWPARAM(l1, EN_KILLFOCUS), 0);
    EXPECT_TRUE(page->lastApply().applied) << page->lastApply().reason;
    EXPECT_EQ(page->lastApply().changed, (Mdx_StringArray{"L1"})) << "L2 untouched";
    static_cast<CButton*>(page->GetDlgItem(welded))->SetCheck(BST_UNCHECKED);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(welded, BN_CLICKED), 0);
    EXPECT_TRUE(page->lastApply().applied) << page->lastApply().reason;
    inMacro([](Mdx_Macro& macro) {
        Mdx_Module& plate = *macro.findModuleWrite("EndPlate");
        EXPECT_DOUBLE_EQ(plate.findDialogVariable("L1")->value, 22.5);
        EXPECT_DOUBLE_EQ(plate.findDialogVariable("Welded")->value, 0);
    });
    EXPECT_EQ(windowText(*page, l1), "22.5");
}

TEST_F(DesignedPage, BoltAndSectionControlsBindAndARotationChosenReachesTheGroup) {
    writeDesign("Bolts", {{4, "BoltPattern"}, {5, "BoltPattern"}, {6, "BoltPattern"},
                          {7, ""}, {8, ""}, {12, ""}, {4, "NoPattern"}});
    writeDesign("Sections", {{13, "Stiffener1"}, {14, "Stiffener1"}, {15, "Stiffener1"},
                             {16, "Stiffener1"}, {17, "Stiffener1"}, {16, "NoGroup"}});
    setDesign("Bolts", "Bolts");
    setDesign("Stiffeners", "Sections");
    auto bolts = open("Bolts");
    const MacroTabData& boltTab = *bolts->tab();
    EXPECT_EQ(bolts->design().document().getNrControls(), 5)
        << "a pattern of two directions has no single count to show; the missing pattern goes";
    EXPECT_TRUE(bolts->design().ownBoltButton());
    EXPECT_FALSE(bolts->GetDlgItem(1091)->IsWindowVisible()) << "the design has its own button";
    EXPECT_EQ(bolts->gridRowCount(), boltTab.variables().length() + 2)
        << "the two counts in the grid, the spacing on the design";
    EXPECT_LT(boltTab.patterns()[0].countId, 0);
    EXPECT_EQ(windowText(*bolts, boltTab.patterns()[0].valueId), "100");
    EXPECT_EQ(windowText(*bolts, boltTab.getBoltData()->valueIds[1]), "20");

    auto sections = open<MacroSectionPage>("Stiffeners");
    MacroTabData& tab = *sections->tab();
    const MacroProfData& group = *tab.findProfDataWithGroup("Stiffener1");
    EXPECT_EQ(sections->design().document().getNrControls(), 5);
    EXPECT_EQ(windowText(*sections, group.rotationId), "90\xB0");
    EXPECT_EQ(windowText(*sections, group.nameId), "PL10*140");
    auto* rotation = static_cast<CComboBox*>(sections->GetDlgItem(group.rotationId));
    rotation->SetCurSel(2);
    sections->SendMessage(WM_COMMAND, MAKEWPARAM(group.rotationId, CBN_SELCHANGE), 0);
    EXPECT_TRUE(sections->lastApply().applied) << sections->lastApply().reason;
    inMacro([](Mdx_Macro& macro) {
        auto& module = static_cast<Mdx_ProfModule&>(*macro.findModuleWrite("Stiffeners"));
        EXPECT_EQ(module.findPlacement("Stiffener1")->rotation, Mdx_String("180"));
        EXPECT_EQ(module.findPlacement("Stiffener2")->rotation, Mdx_String("0"));
    });
}

TEST_F(DesignedPage, F12OpensTheDesignerOnThePagesDesignAndThePageComesBackFromIt) {
    writeDesign("Plate", {{2, "L1"}, {2, "L2"}});
    setDesign("EndPlate", "Plate");
    auto page = open("Plate");
    std::string title;
    win::user::act([&] {
        CWnd* designer = CWnd::FromHandle(win::findDialog(IDD_DLGDESIGNER));
        ASSERT_NE(designer, nullptr);
        designer->GetWindowText(title);
    });
    win::user::closeDialog();
    page->GetDlgItem(page->tab()->findCellWithName("L1")->ctrlId)->SetFocus();
    ASSERT_TRUE(win::act::pressKey(page->m_hWnd, VK_F12));
    PumpWaitingMessages();  // the designer opens once the key is handled
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_NE(title.find("<Plate>"), std::string::npos) << title;
    ASSERT_TRUE(page->design().present());
    EXPECT_EQ(page->design().document().getNrControls(), 2);
    const int l2 = page->tab()->findCellWithName("L2")->ctrlId;
    EXPECT_TRUE(isDesigned(l2));
    EXPECT_EQ(page->gridRowCount(), page->tab()->variables().length() - 2)
        << "the grid is built again, not added to";
    EXPECT_EQ(windowText(*page, l2), "15");
}

TEST_F(DesignedPage, ADistanceButtonTurnsTheTotalIntoTheOffsetAndAZeroFactorDoesNothing) {
    // Total = Thickness (20, read-only) + L1 (15) / 1 = 35; 40 typed makes L1 = 20.
    writeDesign("Plate", {{2, "L1"}, {25, "Gap", "Thickness;L1;;1;"}, {25, "Zero", "Thickness;L1;;0;"}});
    setDesign("EndPlate", "Plate");
    auto page = open("Plate");
    const int distance = page->design().document().getControl(1)->resId;
    const int zero = page->design().document().getControl(2)->resId;
    std::string offered;
    win::user::act([&] {
        CWnd* input = CWnd::FromHandle(win::findDialog(ValueInputDialog::IDD));
        ASSERT_NE(input, nullptr);
        input->GetDlgItemText(IDC_VALUE_EDIT, offered);
    });
    win::user::typeText(IDC_VALUE_EDIT, "40");
    win::user::click(IDOK);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(distance, BN_CLICKED), 0);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(offered, "35.00000");
    EXPECT_TRUE(page->lastApply().applied) << page->lastApply().reason;
    inMacro([](Mdx_Macro& macro) {
        EXPECT_DOUBLE_EQ(macro.findModuleWrite("EndPlate")->findDialogVariable("L1")->value, 20);
    });
    page->SendMessage(WM_COMMAND, MAKEWPARAM(zero, BN_CLICKED), 0);
    EXPECT_EQ(win::findDialog(ValueInputDialog::IDD), nullptr);
    EXPECT_NE(transcript().find("no factor to divide by"), std::string::npos);
    inMacro([](Mdx_Macro& macro) {
        EXPECT_DOUBLE_EQ(macro.findModuleWrite("EndPlate")->findDialogVariable("L1")->value, 20);
    });
}

TEST_F(DesignedPage, AFlexButtonShowsAndChangesItsVariablesState) {
    writeDesign("Plate", {{2, "L1"}, {30, "L1", "Ends;L1;;"}, {2, "L2"}});
    setDesign("EndPlate", "Plate");
    auto page = open("Plate");
    const int flex = page->design().document().getControl(1)->resId;
    const int l2 = page->tab()->findCellWithName("L2")->ctrlId;
    auto* button = static_cast<CButton*>(page->GetDlgItem(flex));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetCheck(), BST_CHECKED) << "L1 is flexible in the drawing";
    // Typed but not yet applied (the field kept the focus): the click takes it along rather
    // than showing the old value over it.
    page->SetDlgItemText(l2, "27");
    button->SetCheck(BST_UNCHECKED);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(flex, BN_CLICKED), 0);
    EXPECT_TRUE(page->lastApply().applied) << page->lastApply().reason;
    inMacro([](Mdx_Macro& macro) {
        EXPECT_FALSE(macro.findModuleWrite("EndPlate")->findDialogVariable("L1")->flexible);
        EXPECT_DOUBLE_EQ(macro.findModuleWrite("EndPlate")->findDialogVariable("L2")->value, 27);
    });
    EXPECT_EQ(button->GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(windowText(*page, l2), "27");
}

TEST_F(DesignedPage, TabWalksTheDesignTheGridAndTheFixedRowAndEnterApplies) {
    writeDesign("Bolts", {{8, ""}, {4, "BoltPattern"}});
    setDesign("Bolts", "Bolts");
    auto page = open("Bolts");
    MacroPageDesign& design = page->design();
    ASSERT_EQ(design.document().getNrControls(), 2);
    const int first = design.document().getControl(0)->resId;
    const int second = design.document().getControl(1)->resId;
    page->ShowWindow(SW_SHOW);
    auto focusedId = [] { return ::GetDlgCtrlID(::GetFocus()); };
    auto tab = [&](bool shift = false) {
        ASSERT_TRUE(win::act::pressKey(page->m_hWnd, VK_TAB, {shift, false}));
    };
    page->GetDlgItem(first)->SetFocus();
    tab();
    EXPECT_EQ(focusedId(), second);
    tab();
    HWND grid = page->grid().GetSafeHwnd();
    EXPECT_TRUE(::GetFocus() == grid || ::GetParent(::GetFocus()) == grid) << "past the design: grid";
    tab();
    EXPECT_EQ(focusedId(), 1091) << "past the grid: the fixed bolt row";
    tab();
    tab();
    EXPECT_EQ(focusedId(), 1114);
    tab();
    EXPECT_EQ(focusedId(), first) << "past the last zone: the design again";
    tab(true);
    EXPECT_EQ(focusedId(), 1114) << "Shift+Tab goes back into the last control of the zone before";

    page->GetDlgItem(second)->SetFocus();
    page->SetDlgItemText(second, "90");
    ASSERT_TRUE(win::act::pressKey(page->m_hWnd, VK_RETURN));
    EXPECT_TRUE(page->lastApply().applied) << page->lastApply().reason;
    EXPECT_EQ(page->tab()->patterns()[0].value, Mdx_String("90"));
    page->SetDlgItemText(second, "95");
    ASSERT_TRUE(win::act::pressKey(page->m_hWnd, VK_SPACE));
    EXPECT_EQ(page->tab()->patterns()[0].value, Mdx_String("95")) << "applied as the space bar is let go";
}

TEST_F(DesignedPage, EscapeOnAPageClosesTheDialog) {
    writeDesign("Plate", {{2, "L1"}});
    setDesign("EndPlate", "Plate");
    data = gather();
    installMacroDialog();
    int slot = -1;
    ASSERT_TRUE(StartDlgMacroModeless(true, data, slot));
    auto* dialog = static_cast<DlgMacroModeless*>(macro_slots::dialogInSlot(slot));
    MacroPage& plate = *dialog->page(0);
    plate.GetDlgItem(plate.tab()->findCellWithName("L1")->ctrlId)->SetFocus();
    ASSERT_TRUE(win::act::pressKey(plate.m_hWnd, VK_ESCAPE));
    EXPECT_TRUE(dialog->macroData().dialogState().closed);
    win::advanceClock(macro_slots::kDelayedCloseMs);
    EXPECT_EQ(macro_slots::dialogInSlot(slot), nullptr);
    setMacroSlotDialogFactory(nullptr);
}

TEST_F(DesignedPage, DesignedSettingsButtonsOpenTheirDialogsAndApply) {
    writeDesign("Plate", {{18, "Ribs"}, {24, "Ribs"}});
    writeDesign("Sections", {{13, "Stiffener2"}, {14, "Stiffener2"}});
    setDesign("EndPlate", "Plate");
    setDesign("Stiffeners", "Sections");
    auto plate = open("Plate");
    // A copy: applying replaces the macro data the tab lives in.
    const MacroArrayData ribs = *plate->tab()->findArrayWithName("Ribs");
    win::user::typeText(IDC_ARRAY_VALUE0, "5", {IDD_ARRAY, {}});
    win::user::click(IDOK, {IDD_ARRAY, {}});
    plate->SendMessage(WM_COMMAND, MAKEWPARAM(ribs.buttonId, BN_CLICKED), 0);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_TRUE(plate->lastApply().applied) << plate->lastApply().reason;
    EXPECT_EQ(windowText(*plate, ribs.valueIds[0]), "5");
    inMacro([](Mdx_Macro& macro) {
        EXPECT_EQ(macro.findModuleWrite("EndPlate")->arrays()[0].values[0], Mdx_String("5"));
    });

    auto sections = open<MacroSectionPage>("Stiffeners");
    const int chooser = sections->tab()->findProfDataWithGroup("Stiffener2")->buttonId;
    macro_pickers::queueAnswer(macro_pickers::Picker::Section, "PL12*150");
    sections->SendMessage(WM_COMMAND, MAKEWPARAM(chooser, BN_CLICKED), 0);
    EXPECT_TRUE(sections->lastApply().applied) << sections->lastApply().reason;
    EXPECT_EQ(windowText(*sections, sections->tab()->findProfDataWithGroup("Stiffener2")->nameId),
              "PL12*150");
    EXPECT_EQ(windowText(*sections, 1212), "Stiffener2") << "the panel shows the button's group";
}

// A value typed into a designed field and not yet applied (the field kept the focus) goes
// with the array button's click, whether the array dialog is left with OK or with Cancel.
TEST_F(DesignedPage, TheArrayButtonAppliesAValueTypedJustBeforeTheClick) {
    writeDesign("Plate", {{2, "L1"}, {18, "Ribs"}, {24, "Ribs"}});
    setDesign("EndPlate", "Plate");
    auto page = open("Plate");
    const int l1 = page->tab()->findCellWithName("L1")->ctrlId;
    const int button = page->tab()->findArrayWithName("Ribs")->buttonId;
    const win::DialogRef arrays{IDD_ARRAY, {}};
    page->SetDlgItemText(l1, "31");
    win::user::typeText(IDC_ARRAY_VALUE0, "6", arrays);
    win::user::click(IDOK, arrays);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_TRUE(page->lastApply().applied) << page->lastApply().reason;
    inMacro([](Mdx_Macro& macro) {
        Mdx_Module& plate = *macro.findModuleWrite("EndPlate");
        EXPECT_DOUBLE_EQ(plate.findDialogVariable("L1")->value, 31);
        EXPECT_EQ(plate.arrays()[0].values[0], Mdx_String("6"));
    });

    page->SetDlgItemText(l1, "32");
    win::user::typeText(IDC_ARRAY_VALUE0, "7", arrays);
    win::user::click(IDCANCEL, arrays);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    inMacro([](Mdx_Macro& macro) {
        Mdx_Module& plate = *macro.findModuleWrite("EndPlate");
        EXPECT_DOUBLE_EQ(plate.findDialogVariable("L1")->value, 32) << "typed value kept on Cancel";
        EXPECT_EQ(plate.arrays()[0].values[0], Mdx_String("6")) << "the cancelled array is not";
    });
}

// The same for the bolt settings button: the typed value reaches the drawing with the click.
TEST_F(DesignedPage, TheBoltSettingsButtonAppliesAValueTypedJustBeforeTheClick) {
    writeDesign("Bolts", {{2, "EdgeDist"}, {12, ""}});
    setDesign("Bolts", "Bolts");
    auto page = open("Bolts");
    const int edge = page->tab()->findCellWithName("EdgeDist")->ctrlId;
    const int button = page->design().document().getControl(1)->resId;
    page->SetDlgItemText(edge, "44");
    win::user::click(IDOK, {DlgBoltAdvanced::kTemplateId, {}});
    page->SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    inMacro([](Mdx_Macro& macro) {
        EXPECT_DOUBLE_EQ(macro.findModuleWrite("Bolts")->findDialogVariable("EdgeDist")->value, 44);
    });
    EXPECT_EQ(windowText(*page, edge), "44");
}

TEST_F(DesignedPage, ABlockChosenFromTheFolderReplacesTheModulesBlock) {
    std::filesystem::create_directories(folder / "Blocks");
    for (const char* name : {"Logo.dwg", "Nameplate.dwg", "notes.txt"})
        std::ofstream(folder / "Blocks" / name) << "x";
    writeDesign("Plate", {{27, ""}});
    setDesign("EndPlate", "Plate");
    auto page = open("Plate");
    const int id = page->tab()->block().ctrlId;
    auto* blocks = static_cast<CComboBox*>(page->GetDlgItem(id));
    ASSERT_NE(blocks, nullptr);
    ASSERT_EQ(blocks->GetCount(), 3) << "the two drawings and the mixed word";
    std::string item;
    blocks->GetLBText(0, item);
    EXPECT_EQ(item, "Logo");
    EXPECT_EQ(windowText(*page, id), "Nameplate");
    blocks->SetCurSel(0);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), 0);
    EXPECT_TRUE(page->lastApply().applied) << page->lastApply().reason;
    inMacro([](Mdx_Macro& macro) {
        EXPECT_EQ(macro.findModuleWrite("EndPlate")->block().name, Mdx_String("Logo"));
    });
}

// A designed pattern button opens the pattern's settings; OK applies the tab, so the counts
// and the spacing reach the drawing's pattern.
TEST_F(DesignedPage, APatternButtonOpensItsSettingsAndOkAppliesThem) {
    writeDesign("Bolts", {{6, "BoltPattern"}, {2, "EdgeDist"}});
    setDesign("Bolts", "Bolts");
    auto page = open("Bolts");
    const int button = page->tab()->findPattern("BoltPattern")->buttonId;
    ASSERT_TRUE(isDesigned(button));
    const win::DialogRef settings{IDD_PATTERN_SETTINGS, ""};
    win::user::typeText(IDC_PATTERN_COUNT1, "4", settings);
    win::user::typeText(IDC_PATTERN_SPACING, "90", settings);
    win::user::click(IDOK, settings);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_TRUE(page->lastApply().applied) << page->lastApply().reason;
    AcTransaction transaction(db);
    Mdx_DbPattern* pattern = nullptr;
    ASSERT_EQ(transaction.getObject(pattern, drawing.pattern), Acad::eOk);
    EXPECT_EQ(pattern->pattern().nrBolts1, 4);
    EXPECT_EQ(pattern->pattern().spacing1, 90);
    EXPECT_EQ(pattern->pattern().nrBolts2, 3);
}

// A designed settings button of a group opens the section settings on that group, whatever
// group the panel showed.
TEST_F(DesignedPage, AGroupsSettingsButtonOpensTheSettingsOfItsGroup) {
    writeDesign("Stiff", {{17, "Stiffener2"}});
    setDesign("Stiffeners", "Stiff");
    auto page = open<MacroSectionPage>("Stiffeners");
    const int button = page->tab()->findProfDataWithGroup("Stiffener2")->settingsId;
    ASSERT_TRUE(isDesigned(button));
    const win::DialogRef details{IDD_PROF_DETAILS, ""};
    std::string group;
    win::user::act([&] {
        CWnd* dialog = CWnd::FromHandle(win::findDialog(IDD_PROF_DETAILS));
        ASSERT_NE(dialog, nullptr);
        dialog->GetDlgItemText(IDC_PROF_GROUP, group);
    });
    win::user::typeText(IDC_PROF_MEMBER, "ST22", details);
    win::user::click(IDOK, details);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(group, "Stiffener2");
    inMacro([](Mdx_Macro& macro) {
        auto& module = static_cast<Mdx_ProfModule&>(*macro.findModuleWrite("Stiffeners"));
        EXPECT_EQ(module.findPlacement("Stiffener2")->memberName, Mdx_String("ST22"));
        EXPECT_EQ(module.findPlacement("Stiffener1")->memberName, Mdx_String("ST1"));
    });
}

}  // namespace
