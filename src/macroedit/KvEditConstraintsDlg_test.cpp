// The macro editor on a drawing, driven as a person drives it: the module row, the pages,
// the constraint page's sorting, radio groups and name checks, and the Escape guard.
#include "macroedit/KvEditConstraintsDlg.h"

#include <gtest/gtest.h>

#include <functional>

#include "MdxBuildPaths.h"
#include "core/macro/MacroClasses.h"
#include "core/macro/MacroEditAccess.h"
#include "core/macro/MacroEditPickers.h"
#include "core/macro/MacroEditing.h"
#include "core/macro/MacroSettings.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "frame/FrameTestSupport.h"
#include "grid/GridUserSteps.h"
#include "macroedit/ConstraintPage.h"
#include "macroedit/EscapeGuard.h"
#include "macroedit/MacroCutsDlg.h"
#include "macroedit/MacroEditorLaunch.h"
#include "macroedit/ObjectPage.h"
#include "macroedit/VariablesPage.h"
#include "win/CComboBox.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/Timers.h"
#include "win/WindowPainter.h"

namespace {

using macro_edit_pickers::Pick;

class EditorDialog : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        ASSERT_EQ(registerMacroClasses(), Acad::eOk);
        macro_edit_pickers::clear();
        escape_guard::stop();
        drawing = endplate::build(db);
        data.database = &db;
        data.macroId = drawing.macro;
        data.currentModule = "EndPlate";
        ASSERT_TRUE(OpenEditContext(data));
        // Three rules whose names and kinds sort differently.
        for (int kind : {kConstrParallel, kConstrDistance, kConstrAngle}) {
            macro_edit_pickers::queue(Pick::Object, "Plate1");
            macro_edit_pickers::queue(Pick::Object, "Prof1");
            ASSERT_TRUE(StartMacroCommand(data, kind));
        }
    }
    void TearDown() override {
        escape_guard::stop();
        EndDlgEditConstraints();
        FrameTest::TearDown();
    }
    static KvEditConstraintsDlg* editor() {
        return static_cast<KvEditConstraintsDlg*>(
            CWnd::FromHandlePermanent(win::findDialog(KvEditConstraintsDlg::kTemplateId)));
    }
    static void inEditor(std::function<void(KvEditConstraintsDlg&)> step) {
        win::user::act([step] {
            ASSERT_NE(editor(), nullptr);
            step(*editor());
        });
    }
    static std::string cell(Mdx_Spread& sheet, int col, int row) {
        Mdx_String text;
        sheet.getCellText(col, row, text, kTextData);
        return text.c_str();
    }
    // The stored constraint of that name, as the drawing holds it.
    Mdx_Constraint stored(const char* name) {
        AcTransaction transaction(db);
        Mdx_DbMacro* macro = nullptr;
        transaction.getObject(macro, drawing.macro);
        return *macro->macro()->findModuleWrite("EndPlate")->definition().findConstraint(name);
    }
    void expectNoFailures() {
        EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    }

    AcDbDatabase db;
    endplate::Drawing drawing;
    EditConstrData data;
    inline static const win::DialogRef kPage{IDD_EDIT_CONSTRAINTS_PAGE, ""};
};

TEST_F(EditorDialog, OpensOnTheCurrentModuleWithItsRowsAndFourPages) {
    inEditor([](KvEditConstraintsDlg& dialog) {
        auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(KvEditConstraintsDlg::kModuleCombo));
        EXPECT_EQ(combo->GetCount(), 4);
        EXPECT_EQ(combo->GetCurSel(), 0);
        EXPECT_EQ(dialog.currentTab(), 0);
        ConstraintPage& page = *dialog.constraintPage();
        EXPECT_EQ(page.grid.getMaxRows(), 3);
        EXPECT_EQ(cell(page.grid, 2, 2), "Distance");
        EXPECT_EQ(page.currentRow(), 0);
        EXPECT_TRUE(page.GetDlgItem(ConstraintPage::kDelete)->IsWindowEnabled());
        EXPECT_FALSE(page.GetDlgItem(ConstraintPage::kValue)->IsWindowEnabled())
            << "a parallel rule has no value";
        EXPECT_TRUE(escape_guard::isActive()) << "showing a row starts the guard";
    });
    // Bolts has no rules: an empty grid and nothing to delete.
    win::user::select(KvEditConstraintsDlg::kModuleCombo, 1);
    inEditor([](KvEditConstraintsDlg& dialog) {
        ConstraintPage& page = *dialog.constraintPage();
        EXPECT_EQ(page.grid.getMaxRows(), 0);
        EXPECT_FALSE(page.GetDlgItem(ConstraintPage::kDelete)->IsWindowEnabled());
        EXPECT_EQ(dialog.data.currentModule, Mdx_String("Bolts"));
    });
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
}

TEST_F(EditorDialog, AHeaderClickSortsOnceAndTheSameHeaderAgainDoesNothing) {
    grid::user::clickCell(ConstraintPage::kGrid, 2, 0, kPage);  // by kind, then column 3
    inEditor([](KvEditConstraintsDlg& dialog) {
        ConstraintPage& page = *dialog.constraintPage();
        EXPECT_EQ(page.sortColumn(), 2);
        EXPECT_EQ(cell(page.grid, 1, 1), "C3") << "Angle";
        EXPECT_EQ(cell(page.grid, 1, 2), "C2") << "Distance";
        EXPECT_EQ(cell(page.grid, 1, 3), "C1") << "Parallel";
    });
    grid::user::clickCell(ConstraintPage::kGrid, 1, 3, kPage);  // C1 becomes current
    grid::user::clickCell(ConstraintPage::kGrid, 2, 0, kPage);
    inEditor([](KvEditConstraintsDlg& dialog) {
        ConstraintPage& page = *dialog.constraintPage();
        EXPECT_EQ(page.currentRow(), 2) << "not rebuilt: the current row stays";
        EXPECT_EQ(cell(page.grid, 1, 1), "C3");
    });
    grid::user::clickCell(ConstraintPage::kGrid, 1, 0, kPage);
    inEditor([](KvEditConstraintsDlg& dialog) {
        EXPECT_EQ(cell(dialog.constraintPage()->grid, 1, 1), "C1");
    });
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
}

TEST_F(EditorDialog, OptionButtonsFormTwoGroupsAndTheRowIsStoredWhenLeft) {
    grid::user::clickCell(ConstraintPage::kGrid, 1, 2, kPage);  // C2, a distance
    inEditor([](KvEditConstraintsDlg& dialog) {
        ConstraintPage& page = *dialog.constraintPage();
        EXPECT_EQ(page.radioSelections(), AcArray<int>({1, 1}));
        EXPECT_TRUE(page.GetDlgItem(1086)->IsWindowVisible()) << "3 + 2 options";
    });
    win::user::click(1084, kPage);  // option 3 of group 1
    win::user::click(1086, kPage);  // option 2 of group 2
    win::user::click(1077, kPage);  // option 2 of group 1: group 2 keeps its choice
    win::user::typeText(ConstraintPage::kValue, "45", kPage);
    inEditor([](KvEditConstraintsDlg& dialog) {
        EXPECT_EQ(dialog.constraintPage()->radioSelections(), AcArray<int>({2, 2}));
    });
    grid::user::clickCell(ConstraintPage::kGrid, 1, 1, kPage);
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    EXPECT_EQ(stored("C2").options, AcArray<int>({2, 2}));
    EXPECT_EQ(stored("C2").value, Mdx_String("45"));
}

TEST_F(EditorDialog, ARejectedVariableNameIsNotStoredWithItsRow) {
    grid::user::clickCell(ConstraintPage::kGrid, 1, 2, kPage);  // C2: d1
    win::user::typeText(ConstraintPage::kVariable, "1gap", kPage);
    win::user::typeText(ConstraintPage::kValue, "30", kPage);  // the name field loses focus
    win::user::answerMessageBox(IDOK);
    inEditor([](KvEditConstraintsDlg& dialog) {
        char buffer[64] = {};
        dialog.constraintPage()->GetDlgItemText(ConstraintPage::kVariable, buffer, 64);
        EXPECT_STREQ(buffer, "d1") << "the stored name is back";
    });
    win::user::typeText(ConstraintPage::kVariable, "a1", kPage);  // the angle rule's variable
    win::user::focus(ConstraintPage::kValue, kPage);
    win::user::answerMessageBox(IDOK);
    grid::user::clickCell(ConstraintPage::kGrid, 1, 1, kPage);
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    ASSERT_EQ(win::user::messageBoxes().size(), 2u);
    EXPECT_NE(win::user::messageBoxes()[0].text.find("\"1gap\""), std::string::npos);
    EXPECT_NE(win::user::messageBoxes()[0].text.find("A name may not start with a digit"), std::string::npos);
    EXPECT_EQ(win::user::messageBoxes()[1].caption, "Variable name")
        << win::user::messageBoxes()[1].text;
    EXPECT_EQ(stored("C2").variable, Mdx_String("d1"));
    EXPECT_EQ(stored("C2").value, Mdx_String("30")) << "the row's other edit is kept";
}

// Variables that cannot be stored (a value that is no number, a name that is none) are said
// and keep the user on the page with what was typed; put right, they are stored.
TEST_F(EditorDialog, RefusedVariablesKeepTheUserOnThePageWithWhatWasTyped) {
    const win::DialogRef vars{IDD_EDIT_VARIABLES_PAGE, ""};
    win::user::select(KvEditConstraintsDlg::kTabs, 2);
    grid::user::typeInCell(VariablesPage::kVariables, 2, 1, "2O", vars);
    win::user::select(KvEditConstraintsDlg::kTabs, 0);
    win::user::answerMessageBox(IDOK);
    inEditor([](KvEditConstraintsDlg& dialog) {
        EXPECT_EQ(dialog.currentTab(), 2);
        EXPECT_EQ(cell(dialog.variablesPage()->variables, 2, 1), "2O");
    });
    grid::user::typeInCell(VariablesPage::kVariables, 2, 1, "25", vars);
    grid::user::typeInCell(VariablesPage::kVariables, 1, 2, "2nd", vars);
    win::user::select(KvEditConstraintsDlg::kTabs, 0);
    win::user::answerMessageBox(IDOK);
    inEditor([](KvEditConstraintsDlg& dialog) {
        EXPECT_EQ(dialog.currentTab(), 2);
        EXPECT_EQ(cell(dialog.variablesPage()->variables, 1, 2), "2nd");
    });
    grid::user::typeInCell(VariablesPage::kVariables, 1, 2, "Second", vars);
    win::user::select(KvEditConstraintsDlg::kTabs, 0);
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    ASSERT_EQ(win::user::messageBoxes().size(), 2u);
    EXPECT_NE(win::user::messageBoxes()[0].text.find("a value must be a number"), std::string::npos);
    EXPECT_NE(win::user::messageBoxes()[1].text.find("starts with a letter"), std::string::npos);
    EditConstrData after = data;
    after.variables = std::make_shared<MacroVarsData>();
    ASSERT_TRUE(OpenEditContext(after));
    ASSERT_GE(after.variables->names.length(), 2);
    EXPECT_EQ(after.variables->values[0], 25);
    EXPECT_EQ(after.variables->names[1], Mdx_String("Second"));
}

// Leaving without OK (the close box, as Cancel) asks before refused edits are dropped: No keeps the user in the
// editor with what was typed, Yes closes it and leaves the stored variables as they were.
TEST_F(EditorDialog, LeavingWithRefusedEditsAsksFirst) {
    EditConstrData before = data;
    before.variables = std::make_shared<MacroVarsData>();
    ASSERT_TRUE(OpenEditContext(before));
    ASSERT_GE(before.variables->values.length(), 1);
    const win::DialogRef vars{IDD_EDIT_VARIABLES_PAGE, ""};
    win::user::select(KvEditConstraintsDlg::kTabs, 2);
    grid::user::typeInCell(VariablesPage::kVariables, 2, 1, "2O", vars);
    win::user::closeDialog({KvEditConstraintsDlg::kTemplateId, ""});
    win::user::answerMessageBox(IDOK);  // the refusal
    win::user::answerMessageBox(IDNO);  // stay
    inEditor([](KvEditConstraintsDlg& dialog) {
        EXPECT_EQ(cell(dialog.variablesPage()->variables, 2, 1), "2O");
    });
    win::user::closeDialog({KvEditConstraintsDlg::kTemplateId, ""});
    win::user::answerMessageBox(IDOK);
    win::user::answerMessageBox(IDYES);  // discard and close
    EXPECT_FALSE(StartDlgEditConstrModal(data));
    expectNoFailures();
    EXPECT_EQ(win::user::pendingSteps(), 0u);
    EXPECT_EQ(editor(), nullptr);
    ASSERT_EQ(win::user::messageBoxes().size(), 4u) << "the refusal is said once per leaving";
    EXPECT_EQ(win::user::messageBoxes()[1].caption, "Macro editor");
    EditConstrData after = data;
    after.variables = std::make_shared<MacroVarsData>();
    ASSERT_TRUE(OpenEditContext(after));
    EXPECT_EQ(after.variables->values, before.variables->values);
}

// The object page's context menu removes a placed coordinate system; one a constraint uses
// stays, and the message names the constraint.
TEST_F(EditorDialog, TheObjectPageRemovesPlacedObjects) {
    for (const char* at : {"1,2", "3,4"}) {
        macro_edit_pickers::queue(Pick::Position, at);
        ASSERT_TRUE(StartMacroCommand(data, 13));  // CS1, CS2: the last rows
    }
    ASSERT_TRUE(macro_edit::changeMacro(&db, drawing.macro, [](Mdx_Macro& macro, AcTransaction&) {
        Mdx_Constraint rule = makeConstraint(kConstrParallel, "Frame");
        rule.object1 = "Plate1";
        rule.object2 = "CS2";
        macro.findModuleWrite("EndPlate")->definition().constraints.append(rule);
        return true;
    }));
    const int rows = data.objects->rows.length();
    const win::DialogRef objects{IDD_EDIT_OBJECTS_PAGE, ""};
    win::user::select(KvEditConstraintsDlg::kTabs, 1);
    grid::user::rightClickCell(ObjectPage::kGrid, 1, rows, objects);
    win::user::chooseMenuItem(ObjectPage::kRemoveItem);
    win::user::answerMessageBox(IDOK);
    grid::user::rightClickCell(ObjectPage::kGrid, 3, rows - 1, objects);
    win::user::chooseMenuItem(ObjectPage::kRemoveItem);
    inEditor([rows](KvEditConstraintsDlg& dialog) {
        EXPECT_EQ(dialog.objectPage()->grid.getMaxRows(), rows - 1);
    });
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    ASSERT_EQ(win::user::messageBoxes().size(), 1u);
    EXPECT_NE(win::user::messageBoxes()[0].text.find("\"Frame\""), std::string::npos);
    AcTransaction t(db);
    Mdx_DbMacro* macro = nullptr;
    ASSERT_EQ(t.getObject(macro, drawing.macro), Acad::eOk);
    const auto& systems = macro->macro()->findModule("EndPlate")->definition().coordSystems;
    ASSERT_EQ(systems.length(), 1);
    EXPECT_EQ(systems[0].name, Mdx_String("CS2"));
}

// A stored radio array that does not fit the buttons shown is reported and kept, and the
// row's other edits are still written.
TEST_F(EditorDialog, ARadioSizeMismatchKeepsTheRowsOtherEdits) {
    grid::user::clickCell(ConstraintPage::kGrid, 1, 2, kPage);
    inEditor([](KvEditConstraintsDlg& dialog) {
        ConstraintPage& page = *dialog.constraintPage();
        // The table changed under the page: one option group is shown for a row of two.
        dialog.data.constraints->rows[1].images = {"DistanceOption11.bmp"};
        page.refresh();
        grid::act::clickCell(page.m_hWnd, ConstraintPage::kGrid, 1, 2);
        page.SetDlgItemText(ConstraintPage::kValue, "12");
        page.saveCurrentRow();
    });
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    EXPECT_GE(count(transcript(), "*Error* Array size mismatch.\n"), 1);
    EXPECT_EQ(stored("C2").value, Mdx_String("12"));
    EXPECT_EQ(stored("C2").options, AcArray<int>({1, 1}));
}

// The menu entries carry the sheet's command ids; the chosen one acts on the row clicked.
TEST_F(EditorDialog, TheContextMenuActsOnTheRowRightClicked) {
    grid::user::rightClickCell(ConstraintPage::kGrid, 2, 3, kPage);
    win::user::chooseMenuItem(ConstraintPage::kMenuIds[2]);  // swap the objects
    grid::user::rightClickCell(ConstraintPage::kGrid, 1, 1, kPage);
    win::user::chooseMenuItem(ConstraintPage::kMenuIds[0]);  // no longer driving
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    ASSERT_EQ(win::user::menus().size(), 2u);
    EXPECT_EQ(win::user::menus()[0].entries.size(), 4u) << "three entries and a separator";
    EXPECT_EQ(stored("C3").object1, Mdx_String("Prof1"));
    EXPECT_EQ(stored("C3").object2, Mdx_String("Plate1"));
    EXPECT_FALSE(stored("C1").driving);
    EXPECT_TRUE(stored("C2").driving);
}

// Flexibility and the constrained check are written at once; a renamed object when the
// pages are committed, and the rules follow the new name.
TEST_F(EditorDialog, TheObjectPageWritesSettingsAndNames) {
    const win::DialogRef objects{IDD_EDIT_OBJECTS_PAGE, ""};
    win::user::select(KvEditConstraintsDlg::kTabs, 1);
    grid::user::tickCell(ObjectPage::kGrid, 5, 1, 1, objects);
    grid::user::typeInCell(ObjectPage::kGrid, 3, 1, "EndPl", objects);
    inEditor([](KvEditConstraintsDlg& dialog) {
        EXPECT_EQ(dialog.data.objects->rows[0].constrained, 1);
        EXPECT_EQ(highlightedObjects().length(), 1) << "the clicked object is highlighted";
    });
    win::user::select(KvEditConstraintsDlg::kTabs, 0);
    inEditor([](KvEditConstraintsDlg&) {
        EXPECT_EQ(highlightedObjects().length(), 0) << "leaving the page ends the highlight";
    });
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    EXPECT_EQ(stored("C1").object1, Mdx_String("EndPl"));
}

// A placed coordinate system is listed after the module's plates and profiles with its
// point; it is a fixed reference, so its name, flexibility and check cannot be edited, and
// no other object may take its name.
TEST_F(EditorDialog, TheObjectPageListsAPlacedCoordinateSystemAsAFixedReference) {
    macro_edit_pickers::queue(Pick::Position, "10,20,30");
    ASSERT_TRUE(StartMacroCommand(data, 13));
    win::user::select(KvEditConstraintsDlg::kTabs, 1);
    inEditor([](KvEditConstraintsDlg& dialog) {
        Mdx_Spread& sheet = dialog.objectPage()->grid;
        const int last = sheet.getMaxRows();
        ASSERT_EQ(last, dialog.data.objects->rows.length());
        EXPECT_EQ(cell(sheet, 1, last), "Coordinate system");
        EXPECT_EQ(cell(sheet, 2, last), "10, 20, 30");
        EXPECT_EQ(cell(sheet, 3, last), "CS1");
        for (int column : {3, 4, 5}) EXPECT_TRUE(sheet.isCellLocked(column, last)) << column;
        EXPECT_FALSE(sheet.isCellLocked(3, 1)) << "a plate's name stays editable";
    });
    // The plate cannot take the coordinate system's name: said, and the editor stays open
    // with the name to be put right.
    const win::DialogRef objects{IDD_EDIT_OBJECTS_PAGE, ""};
    grid::user::typeInCell(ObjectPage::kGrid, 3, 1, "cs1", objects);
    win::user::click(IDOK);
    win::user::answerMessageBox(IDOK);
    inEditor([](KvEditConstraintsDlg& dialog) {
        EXPECT_EQ(cell(dialog.objectPage()->grid, 3, 1), "cs1");
    });
    grid::user::typeInCell(ObjectPage::kGrid, 3, 1, "EndPl", objects);
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    ASSERT_EQ(win::user::messageBoxes().size(), 1u);
    EXPECT_NE(win::user::messageBoxes()[0].text.find("a name of its own"), std::string::npos);
    EXPECT_EQ(stored("C1").object1, Mdx_String("EndPl"));
}

TEST_F(EditorDialog, TheSizeIsStoredAndBecomesTheSmallestTheEditorCanBeMade) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    RECT window{};
    editor()->GetWindowRect(&window);
    editor()->MoveWindow(window.left, window.top, window.right - window.left + 60,
                         window.bottom - window.top + 40);
    EndDlgEditConstraints();
    ASSERT_TRUE(StartDlgEditConstraints(data));
    RECT reopened{};
    editor()->GetWindowRect(&reopened);
    EXPECT_EQ(reopened.right - reopened.left, window.right - window.left + 60);
    MINMAXINFO info{};
    editor()->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, window.right - window.left + 60);
    EXPECT_EQ(info.ptMinTrackSize.y, window.bottom - window.top + 40);
}

// Escape writes nothing; a refused value keeps the other edits of the dialog for a retry.
TEST_F(EditorDialog, EditCutOpensTheCutOfTheRowAndWritesItsValues) {
    data.constraints->rows[1].cutName = "Cut1";
    ASSERT_TRUE(UpdateConstraint(*data.constraints, 1));  // C2 makes Cut1
    const win::DialogRef cuts{IDD_MACRO_CUTS, ""};
    grid::user::clickCell(ConstraintPage::kGrid, 1, 2, kPage);
    win::user::click(ConstraintPage::kEditCut, kPage);
    grid::user::typeInCell(1196, 3, 1, "7", cuts);
    win::user::pressKey(VK_ESCAPE, {}, cuts);  // left with Escape: cancelled, nothing written
    win::user::click(ConstraintPage::kEditCut, kPage);
    win::user::select(MacroCutsDlg::kChoice, 2, cuts);
    win::user::click(MacroCutsDlg::kOptions[1], cuts);
    win::user::check(MacroCutsDlg::kCheck1323, BST_CHECKED, cuts);
    // A variable name the cut cannot keep: said, and the dialog opens again on the edits.
    grid::user::typeInCell(1196, 3, 1, "Gap", cuts);
    win::user::click(IDOK, cuts);
    win::user::answerMessageBox(IDOK);
    grid::user::typeInCell(1196, 3, 1, "7", cuts);
    win::user::click(IDOK, cuts);
    inEditor([](KvEditConstraintsDlg& dialog) { EXPECT_FALSE(dialog.swallowNextEscape); });
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    AcTransaction transaction(db);
    Mdx_DbMacro* macro = nullptr;
    transaction.getObject(macro, drawing.macro);
    const Mdx_CutConstraint& cut = *macro->macro()->findModuleWrite("EndPlate")->findCut("Cut1");
    EXPECT_EQ(cut.offsets[0], 7);
    EXPECT_EQ(cut.offsets[1], 12.5);
    EXPECT_EQ(cut.options.choice, 2) << "the options are kept with the cut";
    EXPECT_TRUE(cut.options.secondOption);
    EXPECT_TRUE(cut.options.check1323);
    EXPECT_FALSE(cut.options.check1325);
}

// General settings opens the settings dialog on the macro; only OK keeps what it changed.
TEST_F(EditorDialog, GeneralSettingsAreKeptWithTheMacroOnlyOnOk) {
    const win::DialogRef settings{8141, ""};
    const win::DialogRef angles{8142, ""};
    win::user::click(1137);
    win::user::check(1450, BST_CHECKED, angles);
    win::user::click(IDCANCEL, settings);
    win::user::act([this] {
        MacroSettings kept;
        ASSERT_TRUE(GetMacroSettings(&db, drawing.macro, kept));
        EXPECT_FALSE(kept.filterAngle90);
    });
    win::user::click(1137);
    win::user::check(1450, BST_CHECKED, angles);
    win::user::click(IDOK, settings);
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    MacroSettings kept;
    ASSERT_TRUE(GetMacroSettings(&db, drawing.macro, kept));
    EXPECT_TRUE(kept.filterAngle90);
}

TEST_F(EditorDialog, EscapeWaitsForTheGuardBeforeItEndsTheEditor) {
    ASSERT_TRUE(StartDlgEditConstraints(data));
    HWND page = win::findDialog(IDD_EDIT_CONSTRAINTS_PAGE);
    ASSERT_TRUE(escape_guard::isActive());
    EXPECT_TRUE(win::act::pressKey(page, VK_ESCAPE));
    EXPECT_TRUE(constraint_editor::isOpen()) << "the drawing's Escape";
    win::advanceClock(1999);
    EXPECT_TRUE(escape_guard::isActive());
    win::advanceClock(1);
    EXPECT_FALSE(escape_guard::isActive());
    editor()->swallowNextEscape = true;  // as the cut dialog asks after its own Escape
    EXPECT_TRUE(win::act::pressKey(page, VK_ESCAPE));
    EXPECT_TRUE(constraint_editor::isOpen());
    EXPECT_TRUE(win::act::pressKey(page, VK_ESCAPE));
    EXPECT_FALSE(constraint_editor::isOpen());
}

// What was typed for the shown rule is kept when another page is shown and when a tool adds
// another rule.
TEST_F(EditorDialog, ATypedValueIsKeptWhenAToolAddsARule) {
    grid::user::clickCell(ConstraintPage::kGrid, 1, 2, kPage);  // C2, a distance
    win::user::typeText(ConstraintPage::kVariable, "gap", kPage);
    win::user::select(KvEditConstraintsDlg::kTabs, 1);
    win::user::select(KvEditConstraintsDlg::kTabs, 0);
    win::user::typeText(ConstraintPage::kValue, "33", kPage);
    macro_edit_pickers::queue(Pick::Object, "Plate1");
    macro_edit_pickers::queue(Pick::Object, "Prof0");
    win::user::select(KvEditConstraintsDlg::kTabs, 3);
    win::user::click(1024, {IDD_EDIT_TOOLS_PAGE, ""});  // parallel
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    EXPECT_EQ(stored("C2").value, Mdx_String("33"));
    EXPECT_EQ(stored("C2").variable, Mdx_String("gap"));
    EXPECT_EQ(data.constraints->rows.length(), 4);
}

// A bolt pattern placed from the tool page after the object page was built (with a coordinate
// system after the patterns): the page's names still go to the objects they were shown for.
TEST_F(EditorDialog, APlacedObjectDoesNotShiftTheNamesOfTheObjectPage) {
    data.currentModule = "Bolts";
    ASSERT_TRUE(OpenEditContext(data));
    const win::DialogRef tools{IDD_EDIT_TOOLS_PAGE, ""};
    macro_edit_pickers::queue(Pick::Position, "1,2");
    macro_edit_pickers::queue(Pick::Position, "3,4");
    win::user::select(KvEditConstraintsDlg::kTabs, 3);
    win::user::click(1037, tools);  // CS1
    win::user::select(KvEditConstraintsDlg::kTabs, 1);
    win::user::select(KvEditConstraintsDlg::kTabs, 3);
    win::user::click(1036, tools);  // Pattern1, listed before CS1
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    EXPECT_TRUE(win::user::messageBoxes().empty());
    Mdx_StringArray names;
    for (const ObjectRow& row : data.objects->rows) names.append(row.texts[2]);
    EXPECT_TRUE(names.contains("Pattern1", true) && names.contains("CS1", true));
}

// Another module chosen while the variables page shows this one's: each module keeps its own.
TEST_F(EditorDialog, ChoosingAnotherModuleLeavesEachModulesVariablesTheirOwn) {
    auto variablesOf = [this](const char* module) {
        EditConstrData ctx;
        ctx.database = &db;
        ctx.macroId = drawing.macro;
        ctx.currentModule = module;
        EXPECT_TRUE(OpenEditContext(ctx));
        return ctx.variables->names;
    };
    const Mdx_StringArray plate = variablesOf("EndPlate"), bolts = variablesOf("Bolts");
    ASSERT_NE(plate, bolts);
    win::user::select(KvEditConstraintsDlg::kTabs, 2);
    win::user::select(KvEditConstraintsDlg::kModuleCombo, 1);
    win::user::select(KvEditConstraintsDlg::kTabs, 0);
    win::user::select(KvEditConstraintsDlg::kModuleCombo, 0);
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    EXPECT_EQ(variablesOf("EndPlate"), plate);
    EXPECT_EQ(variablesOf("Bolts"), bolts);
}

// The same for another macro picked while the page shows a module of the same name.
TEST_F(EditorDialog, PickingAnotherMacroLeavesItsVariablesItsOwn) {
    const endplate::Drawing other = endplate::build(db);
    auto firstValue = [this](AcDbObjectId macro) {
        EditConstrData ctx;
        ctx.database = &db;
        ctx.macroId = macro;
        ctx.currentModule = "EndPlate";
        EXPECT_TRUE(OpenEditContext(ctx));
        return ctx.variables->values[0];
    };
    const double before = firstValue(other.macro);
    macro_edit_pickers::queue(Pick::Macro, other.macro.toText());
    win::user::select(KvEditConstraintsDlg::kTabs, 2);
    grid::user::typeInCell(VariablesPage::kVariables, 2, 1, "99", {IDD_EDIT_VARIABLES_PAGE, ""});
    win::user::click(1079);  // select another macro
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
    EXPECT_EQ(firstValue(drawing.macro), 99) << "the edit went to its own macro";
    EXPECT_EQ(firstValue(other.macro), before);
}

// Removing modules down to none leaves nothing to edit rather than a removed module's rows.
TEST_F(EditorDialog, RemovingTheLastModulesSelectsTheNewLastAndFinallyNone) {
    win::user::select(KvEditConstraintsDlg::kModuleCombo, 3);
    win::user::click(1089);
    inEditor([](KvEditConstraintsDlg& dialog) {
        auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(KvEditConstraintsDlg::kModuleCombo));
        EXPECT_EQ(combo->GetCount(), 3);
        EXPECT_EQ(combo->GetCurSel(), 2);
        EXPECT_EQ(dialog.data.currentModule, Mdx_String("Stiffeners"));
    });
    for (int i = 0; i < 3; ++i) win::user::click(1089);
    inEditor([](KvEditConstraintsDlg& dialog) {
        auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(KvEditConstraintsDlg::kModuleCombo));
        EXPECT_EQ(combo->GetCount(), 0);
        EXPECT_TRUE(dialog.data.currentModule.isEmpty());
        EXPECT_EQ(dialog.constraintPage()->grid.getMaxRows(), 0);
        EXPECT_EQ(dialog.data.objects->rows.length(), 0);
    });
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    expectNoFailures();
}

TEST_F(EditorDialog, PicturesOfEveryPage) {
    const char* files[] = {"dialog-macro-editor-constraints.png", "dialog-macro-editor-objects.png",
                           "dialog-macro-editor-variables.png", "dialog-macro-editor-tools.png"};
    macro_edit_pickers::queue(Pick::Position, "0,150,0");  // the object page shows it too
    ASSERT_TRUE(StartMacroCommand(data, 13));
    for (int tab = 0; tab < 4; ++tab) {
        std::string png;
        inEditor([&png, tab](KvEditConstraintsDlg& dialog) {
            dialog.selectTab(tab);
            if (tab == 0)  // a distance rule: every editor and two option groups in use
                grid::act::clickCell(dialog.constraintPage()->m_hWnd, ConstraintPage::kGrid, 1, 2);
            ASSERT_TRUE(win::paintWindowToPngData(dialog.m_hWnd, png));
        });
        win::user::click(IDOK);
        ASSERT_TRUE(StartDlgEditConstrModal(data));
        EXPECT_GT(png.size(), 1000u) << files[tab];
        if (std::getenv("MDX_UPDATE_DOCS")) {
            EXPECT_TRUE(win::writeWholeFileAtomic(
                std::filesystem::path(MDX_SOURCE_DIR) / "docs" / files[tab], png));
        }
    }
    expectNoFailures();
}

}  // namespace
