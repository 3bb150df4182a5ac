// The core's single-value calls on the sample connection.
#include "core/macro/MacroValueAccess.h"

#include <gtest/gtest.h>

#include "core/macro/testing/EndPlateDrawing.h"
#include "host/AcTransaction.h"

namespace {

class MacroValueAccessTest : public ::testing::Test {
protected:
    void SetUp() override {
        dbMacro = endplate::buildAndOpen(db, drawing, transaction);
        ASSERT_NE(dbMacro, nullptr);
        macro = dbMacro->macro();
    }
    AcDbDatabase db;
    endplate::Drawing drawing;
    std::unique_ptr<AcTransaction> transaction;
    Mdx_DbMacro* dbMacro = nullptr;
    Mdx_Macro* macro = nullptr;
};

TEST_F(MacroValueAccessTest, GroupsCollectTheirModulesAndUngroupedModulesTheirOwnName) {
    Mdx_StringArray names{"stale"};
    ASSERT_EQ(getModNamesOfGroup(macro, "plate", names), Acad::eOk);
    EXPECT_EQ(names, (Mdx_StringArray{"EndPlate", "BeamEnd"}));
    ASSERT_EQ(getModNamesOfGroup(dbMacro, "Bolts", names), Acad::eOk);
    EXPECT_EQ(names, (Mdx_StringArray{"Bolts"}));
    ASSERT_EQ(getModNamesOfGroup(macro, "", names), Acad::eOk);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_EQ(getModNamesOfGroup(static_cast<Mdx_Macro*>(nullptr), "Plate", names),
              Acad::eInvalidInput);
}

TEST_F(MacroValueAccessTest, ConstraintVariablesRefuseTextThatIsNoNumber) {
    Mdx_Module* plate = macro->findModuleWrite("EndPlate");
    Mdx_String value = "17.25";
    ASSERT_EQ(getSetConstrVarValue(plate, "l1", value, false), Acad::eOk);
    ASSERT_EQ(getSetConstrVarValue(plate, "L1", value, true), Acad::eOk);
    EXPECT_EQ(value, Mdx_String("17.25"));
    value = "wide";
    EXPECT_EQ(getSetConstrVarValue(plate, "L1", value, false), Acad::eInvalidInput);
    EXPECT_DOUBLE_EQ(plate->findDialogVariable("L1")->value, 17.25);
    EXPECT_EQ(getSetConstrVarValue(plate, "Nope", value, true), Acad::eInvalidInput);
}

TEST_F(MacroValueAccessTest, CutsOnlyHaveTheOffsetsOfTheirType) {
    Mdx_Module* plate = macro->findModuleWrite("EndPlate");
    Mdx_CutConstraint* cut = nullptr;
    ASSERT_EQ(getCutConstraint(plate, "cut1", cut), Acad::eOk);
    double number = 0;
    EXPECT_EQ(
        getSetCutValue(plate, cut, static_cast<int>(KvCutOffsetType::PolyOffset), number, true),
        Acad::eOk);
    EXPECT_DOUBLE_EQ(number, 12.5);
    EXPECT_EQ(getSetCutValue(plate, cut, static_cast<int>(KvCutOffsetType::Radius), number, true),
              Acad::eInvalidInput);
    EXPECT_EQ(getSetCutValue(plate, cut, 9, number, true), Acad::eInvalidInput);
    // A cut of another module is not this module's to change.
    Mdx_CutConstraint* foreign = nullptr;
    ASSERT_EQ(getCutConstraint(macro->findModuleWrite("BeamEnd"), "BeamCut", foreign), Acad::eOk);
    EXPECT_EQ(getSetCutValue(plate, foreign, 0, number, false), Acad::eInvalidInput);
    AcArray<int> offsets;
    EXPECT_EQ(getCutOffsets(static_cast<int>(Mdx_CutType::Cope), offsets), Acad::eOk);
    EXPECT_EQ(offsets.length(), kvCutOffsetTypeCount);
    EXPECT_EQ(getCutOffsets(mdxCutTypeCount, offsets), Acad::eInvalidInput);
}

TEST_F(MacroValueAccessTest, ReversedStartsNeedThePatternOfTheModuleAndItsDirection) {
    auto* bolts = static_cast<Mdx_BoltModule*>(macro->findModuleWrite("Bolts"));
    AcDbObjectId id;
    ASSERT_EQ(findPattern(bolts, "boltPATTERN", id, transaction.get()), Acad::eOk);
    bool flag = false;
    ASSERT_EQ(getSetBoltPatternReverses(bolts, id, false, true, flag, transaction.get()),
              Acad::eOk);
    EXPECT_TRUE(flag);
    flag = true;
    ASSERT_EQ(getSetBoltPatternReverses(bolts, id, true, false, flag, transaction.get()),
              Acad::eOk);
    Mdx_DbPattern* pattern = nullptr;
    ASSERT_EQ(getPattern(id, pattern, transaction.get()), Acad::eOk);
    EXPECT_TRUE(pattern->pattern().reverseStart1);
    pattern->pattern().typeCode = Mdx_Pattern::kOneDirection;
    EXPECT_EQ(getSetBoltPatternReverses(bolts, id, false, true, flag, transaction.get()),
              Acad::eInvalidInput);
    EXPECT_EQ(getSetBoltPatternReverses(bolts, drawing.beam, true, true, flag, transaction.get()),
              Acad::eInvalidInput);
    EXPECT_EQ(getSetBoltPatternReverses(bolts, id, true, true, flag, nullptr), Acad::eInvalidInput);
}

TEST_F(MacroValueAccessTest, BaseProfilesAndNamedPlatesGiveSectionAndMaterial) {
    AcDbObjectId id;
    Mdx_String text;
    ASSERT_EQ(getBaseProf(dbMacro, 1, id), Acad::eOk);
    ASSERT_EQ(getSectionName(id, text, transaction.get()), Acad::eOk);
    EXPECT_EQ(text, Mdx_String("IPE300"));
    EXPECT_EQ(getBaseProf(dbMacro, 2, id), Acad::eInvalidInput);
    EXPECT_EQ(getBaseProf(dbMacro, -1, id), Acad::eInvalidInput);
    ASSERT_EQ(getNamedPrpl(macro->findModule("EndPlate"), "plate1", id), Acad::eOk);
    ASSERT_EQ(getMaterial(id, text, transaction.get()), Acad::eOk);
    EXPECT_EQ(text, Mdx_String("S355"));
    EXPECT_EQ(getNamedPrpl(macro->findModule("Bolts"), "Plate1", id), Acad::eInvalidInput);
    EXPECT_EQ(getSectionName(drawing.pattern, text, transaction.get()), Acad::eInvalidInput);
}

}  // namespace
