// The macro dialog's data: tabs gathered from a macro, the bolt counts and flex/fix states
// they edit, merging of several macros and writing the tabs back.
#include "core/macro/MacroData.h"

#include <gtest/gtest.h>

#include "core/macro/testing/EndPlateDrawing.h"
#include "host/AcTransaction.h"

namespace {

class MacroDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        drawing = endplate::build(db);
        transaction = std::make_unique<AcTransaction>(db);
        ASSERT_EQ(data.addMacro(drawing.macro, *transaction), Acad::eOk);
    }
    MacroTabData& tab(const char* name) {
        int index = -1;
        EXPECT_TRUE(data.findTab(name, index)) << name;
        return *data.getTab(index);
    }
    Mdx_DbMacro& macro() {
        Mdx_DbMacro* object = nullptr;
        EXPECT_EQ(transaction->getObject(object, drawing.macro), Acad::eOk);
        return *object;
    }

    AcDbDatabase db;
    endplate::Drawing drawing;
    std::unique_ptr<AcTransaction> transaction;
    MacroData data;
};

TEST_F(MacroDataTest, OneTabPerGroupWithItsKind) {
    ASSERT_EQ(data.tabCount(), 3);
    EXPECT_EQ(tab("plate").kind, MacroTabData::kGeneralTab);
    EXPECT_EQ(tab("Bolts").kind, MacroTabData::kBoltTab);
    EXPECT_EQ(tab("Stiffeners").kind, MacroTabData::kSectionTab);
    EXPECT_EQ(data.getTab(3), nullptr);
    EXPECT_EQ(data.getTab(-1), nullptr);
    // The plate group gathers the variables of both its modules.
    bool hasButton = true, state = false;
    EXPECT_EQ(tab("Plate").getFlexFixBtnStatus("Clearance", hasButton, state), Acad::eOk);
    EXPECT_FALSE(hasButton);
    EXPECT_EQ(tab("Plate").getFlexFixBtnStatus("Nothing", hasButton, state), Acad::eInvalidInput);
}

TEST_F(MacroDataTest, OnlyBoltTabsHaveBoltData) {
    ASSERT_NE(tab("Bolts").getBoltData(), nullptr);
    EXPECT_EQ(tab("Bolts").getBoltData()->diameter, Mdx_String("20"));
    EXPECT_EQ(tab("Plate").getBoltData(), nullptr);
}

TEST_F(MacroDataTest, BoltCountsReadAndWriteByDirection) {
    MacroTabData* bolts = &tab("Bolts");
    Mdx_String value;
    EXPECT_EQ(getSetNrBolts(bolts, "boltpattern", value, true, false), Acad::eOk);
    EXPECT_EQ(value, Mdx_String("3"));
    value = "4.0000000";
    EXPECT_EQ(getSetNrBolts(bolts, "BoltPattern", value, false, true), Acad::eOk);
    EXPECT_EQ(getSetNrBolts(bolts, "BoltPattern", value, true, true), Acad::eOk);
    EXPECT_EQ(value, Mdx_String("4"));
    for (const char* refused : {"2.5", "-1", "three", ""}) {
        Mdx_String text = refused;
        EXPECT_EQ(getSetNrBolts(bolts, "BoltPattern", text, false, true), Acad::eInvalidInput)
            << refused;
    }
    EXPECT_EQ(getSetNrBolts(bolts, "Missing", value, true, true), Acad::eInvalidInput);
    EXPECT_EQ(getSetNrBolts(nullptr, "BoltPattern", value, true, true), Acad::eInvalidInput);
}

TEST_F(MacroDataTest, ChangedTabsAreWrittenBackIntoTheMacro) {
    MacroTabData& bolts = tab("Bolts");
    bolts.getBoltData()->diameter = "24";
    Mdx_String five = "5";
    ASSERT_EQ(getSetNrBolts(&bolts, "BoltPattern", five, false, false), Acad::eOk);
    MacroProfData props;
    ASSERT_TRUE(tab("Stiffeners").getMergedPropsOfGroup("Stiffener2", props));
    EXPECT_EQ(props.sectionName, Mdx_String("PL10*140"));
    props.memberName = "ST9";
    ASSERT_TRUE(tab("Stiffeners").setMergedPropsOfGroup("Stiffener2", props));
    EXPECT_TRUE(tab("Plate").flexFixBtnClicked("L1", false));
    EXPECT_FALSE(tab("Plate").flexFixBtnClicked("L1", false));

    ASSERT_EQ(data.applyToMacros(*transaction), Acad::eOk);
    Mdx_Macro& model = *macro().macro();
    EXPECT_EQ(static_cast<Mdx_BoltModule*>(model.findModuleWrite("Bolts"))->diameter(),
              Mdx_String("24"));
    Mdx_DbPattern* pattern = nullptr;
    ASSERT_EQ(transaction->getObject(pattern, drawing.pattern), Acad::eOk);
    EXPECT_EQ(pattern->pattern().nrBolts2, 5);
    auto* stiffeners = static_cast<Mdx_ProfModule*>(model.findModuleWrite("Stiffeners"));
    EXPECT_EQ(stiffeners->findPlacement("Stiffener2")->memberName, Mdx_String("ST9"));
    EXPECT_EQ(stiffeners->findPlacement("Stiffener1")->memberName, Mdx_String("ST1"));
    EXPECT_FALSE(model.findModuleWrite("EndPlate")->findDialogVariable("L1")->flexible);
}

TEST_F(MacroDataTest, SecondMacroMergesAndDisagreementsReadEmpty) {
    Mdx_Macro copy = *macro().macro();
    static_cast<Mdx_BoltModule*>(copy.findModuleWrite("Bolts"))->setDiameter("16");
    AcDbObjectId second;
    ASSERT_EQ(transaction->addNewObject(
                  std::make_unique<Mdx_DbMacro>(std::make_unique<Mdx_Macro>(copy)), second),
              Acad::eOk);
    ASSERT_EQ(data.addMacro(second, *transaction), Acad::eOk);
    EXPECT_EQ(data.tabCount(), 3);
    EXPECT_TRUE(tab("Bolts").getBoltData()->diameter.isEmpty());
    EXPECT_EQ(tab("Bolts").getBoltData()->holeOffset, Mdx_String("2"));
    // An empty (mixed) text is not written: each macro keeps its own diameter.
    ASSERT_EQ(data.applyToMacros(*transaction), Acad::eOk);
    Mdx_DbMacro* other = nullptr;
    ASSERT_EQ(transaction->getObject(other, second), Acad::eOk);
    EXPECT_EQ(static_cast<Mdx_BoltModule*>(other->macro()->findModuleWrite("Bolts"))->diameter(),
              Mdx_String("16"));
}

TEST_F(MacroDataTest, ObjectThatIsNoMacroIsRefused) {
    MacroData other;
    EXPECT_EQ(other.addMacro(drawing.pattern, *transaction), Acad::eInvalidInput);
    EXPECT_EQ(other.addMacro(AcDbObjectId::fromHandle(9999), *transaction), Acad::eInvalidInput);
    EXPECT_EQ(other.tabCount(), 0);
    EXPECT_TRUE(other.macroIds().isEmpty());
}

}  // namespace
