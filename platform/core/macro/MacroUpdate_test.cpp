// The update of the drawing from the macro dialog's data: what a page changed is checked,
// written into the macros inside one transaction, derived values are recomputed and the
// tabs read back; a refused change leaves the drawing as it was and says why.
#include "core/macro/MacroUpdate.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/macro/MacroClash.h"
#include "core/macro/MacroData.h"
#include "core/macro/MixedWord.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "host/AcTransaction.h"
#include "host/CommandLine.h"

namespace {

class MacroUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        drawing = endplate::build(db);
        // A derived variable and an exact value the dialog must not round.
        withMacro([](Mdx_Macro& macro) {
            Mdx_Module& plate = *macro.findModuleWrite("EndPlate");
            plate.dialogVariables()[1].value = 12.345;
            Mdx_DialogVariable height("Height", 86, false, false, false);
            height.formula = "2 * L1 + Width / 4 + gen_weld";
            plate.dialogVariables().append(height);
            Mdx_DialogVariable grade("Grade", 0, true, false, false);
            grade.kind = kVarText;
            grade.text = "S355";
            plate.dialogVariables().append(grade);
        });
        gather(data);
    }
    template <class F>
    void withMacro(F change) {
        AcTransaction transaction(db);
        Mdx_DbMacro* macro = nullptr;
        ASSERT_EQ(transaction.getObject(macro, drawing.macro, host::OpenMode::ForWrite), Acad::eOk);
        change(*macro->macro());
        ASSERT_EQ(transaction.commit(), Acad::eOk);
    }
    void gather(MacroData& into) {
        AcTransaction transaction(db);
        ASSERT_EQ(into.addMacro(drawing.macro, transaction), Acad::eOk);
        transaction.commit();
    }
    Mdx_DialogVariable variable(const char* module, const char* name) {
        AcTransaction transaction(db);
        Mdx_DbMacro* macro = nullptr;
        EXPECT_EQ(transaction.getObject(macro, drawing.macro), Acad::eOk);
        return *macro->macro()->findModuleWrite(module)->findDialogVariable(name);
    }
    MacroTabData& tab(const char* name) {
        int index = -1;
        EXPECT_TRUE(data.findTab(name, index)) << name;
        return *data.getTab(index);
    }
    // Changes a copy of the tab as a page would and hands the differences to UpdateModule.
    template <class F>
    bool apply(const char* tabName, F change) {
        const MacroTabData before = tab(tabName);
        change(tab(tabName));
        Mdx_StringArray names;
        AcArray<int> changed, items;
        tab(tabName).differences(before, names, changed, items);
        return UpdateModule(tabName, data, changed, items);
    }

    AcDbDatabase db;
    endplate::Drawing drawing;
    MacroData data;
};

TEST_F(MacroUpdateTest, AChangedVariableIsWrittenAndWhatDependsOnItIsDerivedAgain) {
    EXPECT_EQ(tab("Plate").findCellWithName("L2")->value, Mdx_String("12.345"));
    EXPECT_EQ(tab("Plate").findCellWithName("Height")->value, Mdx_String("86")) << "2*15+50+6";
    EXPECT_TRUE(tab("Plate").findCellWithName("Height")->readOnly);
    ASSERT_TRUE(apply("Plate", [](MacroTabData& t) { t.findCellWithName("L1")->value = "20"; }))
        << data.updateError();
    EXPECT_DOUBLE_EQ(variable("EndPlate", "L1").value, 20);
    EXPECT_DOUBLE_EQ(variable("EndPlate", "Height").value, 96);
    EXPECT_EQ(tab("Plate").findCellWithName("Height")->value, Mdx_String("96"))
        << "the tab reads the derived value back";
    EXPECT_DOUBLE_EQ(variable("EndPlate", "L2").value, 12.345) << "untouched values stay exact";
    EXPECT_FALSE(data.isBusy());
}

TEST_F(MacroUpdateTest, RefusedValuesLeaveTheDrawingAsItWasAndSayWhy) {
    struct Case {
        const char* tab;
        std::function<void(MacroTabData&)> change;
        const char* reason;
    };
    const Case cases[] = {
        {"Plate", [](MacroTabData& t) { t.findCellWithName("L1")->value = "abc"; }, "L1"},
        {"Plate", [](MacroTabData& t) { t.findCellWithName("Height")->value = "5"; }, "computed"},
        {"Bolts", [](MacroTabData& t) { t.getBoltData()->diameter = "-3"; }, "diameter"},
        {"Bolts",
         [](MacroTabData& t) {
             t.getBoltData()->assembly = "HV 10.9";
             t.getBoltData()->diameter = "12";
         },
         "not offered"},
        {"Bolts",
         [](MacroTabData& t) {
             t.getBoltData()->slottedHoles.append(Mdx_SlottedHole{true, {"0", "30", "", ""}, 0});
         },
         "slotted hole 0"},
        {"Bolts", [](MacroTabData& t) { t.patterns()[0].nrBolts1 = "2.5"; }, "whole"},
        {"Stiffeners",
         [](MacroTabData& t) { t.profGroups()[0].sectionName = "NOSUCH100"; },
         "no section table"},
    };
    for (const Case& c : cases) {
        MacroData fresh;
        gather(fresh);
        data = fresh;
        EXPECT_FALSE(apply(c.tab, c.change)) << c.reason;
        EXPECT_NE(data.updateError().find(c.reason), std::string::npos) << data.updateError();
        EXPECT_DOUBLE_EQ(variable("EndPlate", "L1").value, 15);
        EXPECT_FALSE(data.isBusy());
    }
}

TEST_F(MacroUpdateTest, AFailingDerivationUndoesTheWholeUpdate) {
    withMacro([](Mdx_Macro& macro) {
        macro.findModuleWrite("EndPlate")->findDialogVariable("Height")->formula = "L1 / (L2 - L2)";
    });
    EXPECT_FALSE(apply("Plate", [](MacroTabData& t) { t.findCellWithName("L1")->value = "30"; }));
    EXPECT_NE(data.updateError().find("division by zero"), std::string::npos) << data.updateError();
    EXPECT_DOUBLE_EQ(variable("EndPlate", "L1").value, 15) << "the write was undone";

    withMacro([](Mdx_Macro& macro) {
        macro.findModuleWrite("EndPlate")->findDialogVariable("Height")->formula = "Depth + 1";
        Mdx_DialogVariable depth("Depth", 0, false, false, false);
        depth.formula = "Height * 2";
        macro.findModuleWrite("EndPlate")->dialogVariables().append(depth);
    });
    EXPECT_FALSE(apply("Plate", [](MacroTabData& t) { t.findCellWithName("L1")->value = "30"; }));
    EXPECT_NE(data.updateError().find("depends on itself"), std::string::npos) << data.updateError();
}

TEST_F(MacroUpdateTest, BoltSettingsAndSectionsReachTheDrawing) {
    ASSERT_TRUE(apply("Bolts", [](MacroTabData& t) {
        MacroBoltData& bolts = *t.getBoltData();
        bolts.assembly = "HV 10.9";
        bolts.diameter = "24";
        bolts.options[Mdx_BoltSettings::kTapped] = 1;
        bolts.parts[Mdx_BoltSettings::kWasher2] = 1;
        bolts.slottedHoles.append(Mdx_SlottedHole{true, {"11", "30", "0", ""}, 2});
    })) << data.updateError();
    ASSERT_TRUE(apply("Stiffeners", [](MacroTabData& t) {
        const int member = t.getProfDataIndx("Stiffener1", t.profMembers()[0].profileId);
        MacroProfData props = t.profMembers()[member].props;
        props.rotation = "90";
        props.sectionName = "IPE240";
        t.setMemberProps(member, props);
    })) << data.updateError();

    MacroData reread;
    gather(reread);
    int index = -1;
    ASSERT_TRUE(reread.findTab("Bolts", index));
    const MacroBoltData& bolts = *reread.getTab(index)->getBoltData();
    EXPECT_EQ(bolts.diameter, Mdx_String("24"));
    EXPECT_EQ(bolts.options[Mdx_BoltSettings::kTapped], 1);
    EXPECT_EQ(bolts.parts[Mdx_BoltSettings::kWasher2], 1);
    ASSERT_EQ(bolts.slottedHoles.length(), 1);
    EXPECT_EQ(bolts.slottedHoles[0].typeIndex, 2);
    ASSERT_TRUE(reread.findTab("Stiffeners", index));
    MacroProfData props;
    ASSERT_TRUE(reread.getTab(index)->getMergedPropsOfGroup("Stiffener1", props));
    EXPECT_EQ(props.rotation, Mdx_String("90"));
    EXPECT_EQ(props.sectionName, Mdx_String("IPE240"));
}

TEST_F(MacroUpdateTest, TwoMacrosShowMixedValuesThatKeepEachMacrosOwn) {
    // A second macro like the first with another L1.
    AcDbObjectId second;
    MacroData both;
    {
        AcTransaction transaction(db);
        Mdx_DbMacro* first = nullptr;
        ASSERT_EQ(transaction.getObject(first, drawing.macro), Acad::eOk);
        auto copy = std::make_unique<Mdx_DbMacro>(std::make_unique<Mdx_Macro>(*first->macro()));
        copy->macro()->findModuleWrite("EndPlate")->dialogVariables()[0].value = 25;
        ASSERT_EQ(transaction.addNewObject(std::move(copy), second), Acad::eOk);
        ASSERT_EQ(both.addMacro(drawing.macro, transaction), Acad::eOk);
        ASSERT_EQ(both.addMacro(second, transaction), Acad::eOk);
        transaction.commit();
    }
    int plate = -1;
    ASSERT_TRUE(both.findTab("Plate", plate));
    EXPECT_TRUE(isMixedWord(both.getTab(plate)->findCellWithName("L1")->value));
    MacroTabData before = *both.getTab(plate);
    both.getTab(plate)->findCellWithName("L2")->value = "8";
    Mdx_StringArray names;
    AcArray<int> changed, items;
    both.getTab(plate)->differences(before, names, changed, items);
    EXPECT_EQ(names, (Mdx_StringArray{"L2"}));
    ASSERT_TRUE(UpdateModule("Plate", both, changed, items)) << both.updateError();
    AcTransaction transaction(db);
    Mdx_DbMacro* macro = nullptr;
    ASSERT_EQ(transaction.getObject(macro, second), Acad::eOk);
    EXPECT_DOUBLE_EQ(macro->macro()->findModuleWrite("EndPlate")->findDialogVariable("L1")->value, 25);
    EXPECT_DOUBLE_EQ(macro->macro()->findModuleWrite("EndPlate")->findDialogVariable("L2")->value, 8);
}

TEST_F(MacroUpdateTest, ClashCheckReportsOverlappingHolesWhileSwitchedOn) {
    ASSERT_TRUE(apply("Bolts", [](MacroTabData& t) { t.patterns()[0].value = "18"; }))
        << data.updateError();
    const int dialog = 0;
    clashInitDlgStarted(&dialog);
    clashSetStatus(true);
    EXPECT_EQ(clashcheck(data, &dialog), 1) << "20 mm holes 18 mm apart";
    EXPECT_EQ(clashLastCount(&dialog), 1);
    clashSetStatus(false);
    EXPECT_EQ(clashcheck(data, &dialog), 0);
    clashSetStatus(true);
    clashDlgClosed(&dialog);
    EXPECT_EQ(clashOpenDialogCount(), 0);
}

}  // namespace
