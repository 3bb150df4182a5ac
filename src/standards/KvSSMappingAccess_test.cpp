// Reading and writing macro values for spreadsheet variables, through mapped objects and by
// the variables' own names, on the sample end-plate connection.
#include <gtest/gtest.h>

#include "core/macro/MacroData.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "host/AcTransaction.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvSSMapping.h"

namespace {

class MacroValueTest : public ::testing::Test {
protected:
    void SetUp() override {
        dbMacro = endplate::buildAndOpen(db, drawing, transaction);
        ASSERT_NE(dbMacro, nullptr);
        macro = dbMacro->macro();
        ASSERT_EQ(macroData.addMacro(drawing.macro, *transaction), Acad::eOk);
        ASSERT_EQ(request.initialize(dbMacro, "EndPlate", "Module.Plate", &macroData), Acad::eOk);
        request.transaction = transaction.get();
    }

    // A mapped object read or written as the mapping file would tie it.
    Acad::ErrorStatus mapped(const char* group, KvObjectKind kind, const char* object,
                             Mdx_String& value, bool get) {
        KvObjectMap map;
        map.groupName = group;
        map.kind = kind;
        map.objectName = object;
        return get ? map.getMacroVarValue(dbMacro, &macroData, value, transaction.get())
                   : map.setMacroVarValue(dbMacro, &macroData, value, transaction.get());
    }
    Mdx_String read(const char* group, KvObjectKind kind, const char* object) {
        Mdx_String value;
        EXPECT_EQ(mapped(group, kind, object, value, true), Acad::eOk) << object;
        return value;
    }
    // A variable of a spreadsheet mapped to a module group.
    Acad::ErrorStatus byName(const char* group, const char* name, KvValueType type,
                             Mdx_String& value, bool get) {
        KvSSMapping mapping;
        EXPECT_EQ(mapping.initFromModuleGroup(group), Acad::eOk);
        request.moduleGroup = group;
        return get ? mapping.getMacroVarValue(name, type, value, request)
                   : mapping.setMacroVarValue(name, type, value, request);
    }
    MacroTabData& tab(const char* name) {
        int index = -1;
        EXPECT_TRUE(macroData.findTab(name, index));
        return *macroData.getTab(index);
    }
    Mdx_Pattern& pattern() {
        Mdx_DbPattern* object = nullptr;
        EXPECT_EQ(transaction->getObject(object, drawing.pattern), Acad::eOk);
        return object->pattern();
    }
    Mdx_Module& module(const char* name) { return *macro->findModuleWrite(name); }

    AcDbDatabase db;
    endplate::Drawing drawing;
    std::unique_ptr<AcTransaction> transaction;
    Mdx_DbMacro* dbMacro = nullptr;
    Mdx_Macro* macro = nullptr;
    MacroData macroData;
    KvDlgStandardsData request;
};

TEST_F(MacroValueTest, ReversedStartReadsInTheOppositeSenseOfWriting) {
    // The second direction starts reversed, the first does not.
    EXPECT_EQ(read("Bolts", KvObjectKind::PatternReverseStart2, "BoltPattern"), Mdx_String("0"));
    EXPECT_EQ(read("Bolts", KvObjectKind::PatternReverseStart1, "BoltPattern"), Mdx_String("1"));
    Mdx_String one = "1";
    ASSERT_EQ(mapped("Bolts", KvObjectKind::PatternReverseStart1, "BoltPattern", one, false),
              Acad::eOk);
    EXPECT_TRUE(pattern().reverseStart1);
    for (const char* other : {"0", "yes", "true", ""}) {
        Mdx_String text = other;
        ASSERT_EQ(byName("Bolts", "BoltPattern.ReverseStart2", KvValueType::Int, text, false),
                  Acad::eOk);
        EXPECT_FALSE(pattern().reverseStart2) << other;
        pattern().reverseStart2 = true;
    }
    Mdx_String value;
    ASSERT_EQ(byName("Bolts", "BoltPattern.ReverseStart2", KvValueType::Int, value, true),
              Acad::eOk);
    EXPECT_EQ(value, Mdx_String("0"));
}

TEST_F(MacroValueTest, ReversedStartNeedsABoltModuleAndAKnownDirection) {
    Mdx_String value;
    EXPECT_EQ(mapped("Plate", KvObjectKind::PatternReverseStart1, "BoltPattern", value, true),
              Acad::eInvalidInput);
    EXPECT_EQ(byName("Plate", "BoltPattern.ReverseStart1", KvValueType::Int, value, true),
              Acad::eInvalidInput);
    pattern().typeCode = Mdx_Pattern::kOneDirection;
    EXPECT_EQ(mapped("Bolts", KvObjectKind::PatternReverseStart2, "BoltPattern", value, true),
              Acad::eInvalidInput);
}

TEST_F(MacroValueTest, GeneralVariablesReadWithFourDecimalsByNameAndEightMapped) {
    Mdx_String value;
    ASSERT_EQ(byName("Plate", "gen.gap", KvValueType::Double, value, true), Acad::eOk);
    EXPECT_EQ(value, Mdx_String("10.1235"));
    EXPECT_EQ(read("", KvObjectKind::GenVar, "gen_gap"), Mdx_String("10.12345679"));
    value = "12.5";
    ASSERT_EQ(byName("Bolts", "GEN.gap", KvValueType::Int, value, false), Acad::eOk);
    EXPECT_DOUBLE_EQ(macro->generalVariableValue("gen_gap"), 12.5);
    value = "7";
    ASSERT_EQ(mapped("", KvObjectKind::GenVar, "gen_weld", value, false), Acad::eOk);
    EXPECT_DOUBLE_EQ(macro->generalVariableValue("gen_weld"), 7);
}

TEST_F(MacroValueTest, MissingGeneralVariableFailsWithoutTryingTheOtherRows) {
    // A dialog variable of that very name would be found by the last row of the table.
    module("EndPlate").dialogVariables().append({"gen.x", 3, true, false, false});
    Mdx_String value = "untouched";
    EXPECT_EQ(byName("Plate", "gen.x", KvValueType::Double, value, true), Acad::eInvalidInput);
    EXPECT_EQ(value, Mdx_String("untouched"));
    EXPECT_EQ(mapped("", KvObjectKind::GenVar, "gen_x", value, true), Acad::eInvalidInput);
    // Written through a mapping, a missing general variable is not created either.
    EXPECT_EQ(mapped("", KvObjectKind::GenVar, "gen_x", value, false), Acad::eInvalidInput);
    EXPECT_FALSE(macro->hasGeneralVariable("gen_x"));
}

TEST_F(MacroValueTest, NamedPlateGivesSectionAndMaterialFromTheFirstModuleHavingIt) {
    Mdx_String value;
    ASSERT_EQ(byName("Plate", "Plate1.Name", KvValueType::String, value, true), Acad::eOk);
    EXPECT_EQ(value, Mdx_String("PL20*200"));
    ASSERT_EQ(byName("Plate", "plate1.material", KvValueType::String, value, true), Acad::eOk);
    EXPECT_EQ(value, Mdx_String("S355"));
    // Only the second module of the group has the plate now.
    module("BeamEnd").prpls().append(module("EndPlate").prpls()[0]);
    module("EndPlate").prpls().setEmpty();
    ASSERT_EQ(byName("Plate", "Plate1.Name", KvValueType::String, value, true), Acad::eOk);
    EXPECT_EQ(value, Mdx_String("PL20*200"));
}

TEST_F(MacroValueTest, UnknownPlateFallsThroughToTheTextRowAndFails) {
    Mdx_String value = "untouched";
    EXPECT_EQ(byName("Plate", "Plate9.Name", KvValueType::String, value, true),
              Acad::eInvalidInput);
    EXPECT_EQ(value, Mdx_String("untouched"));
    // Writing never reads a section name; the text row refuses it.
    EXPECT_EQ(byName("Plate", "Plate1.Name", KvValueType::String, value, false),
              Acad::eInvalidInput);
}

TEST_F(MacroValueTest, CutOffsetsReadWithSevenDecimals) {
    module("EndPlate").findCut("Cut1")->offsets[1] = 12.123456789;
    Mdx_String value;
    ASSERT_EQ(byName("Plate", "Cut1.CutPoly", KvValueType::Double, value, true), Acad::eOk);
    EXPECT_EQ(value, Mdx_String("12.1234568"));
    EXPECT_EQ(read("Plate", KvObjectKind::CutPolyOffset, "cut1"), Mdx_String("12.1234568"));
    EXPECT_EQ(read("Plate", KvObjectKind::CutChamferOffset2, "Chamfer"), Mdx_String("10"));
    value = "3.5";
    ASSERT_EQ(byName("Stiffeners", "Snipe.CutRadius", KvValueType::Double, value, false),
              Acad::eOk);
    EXPECT_DOUBLE_EQ(module("Stiffeners").findCut("Snipe")->offsets[8], 3.5);
    // A polygon cut has no radius; as text the suffix means nothing.
    EXPECT_EQ(byName("Plate", "Cut1.CutRadius", KvValueType::Double, value, true),
              Acad::eInvalidInput);
    EXPECT_EQ(byName("Plate", "Cut1.CutPoly", KvValueType::String, value, true),
              Acad::eInvalidInput);
}

TEST_F(MacroValueTest, BoltDataComesFromTheTabWhateverPrecedesTheSuffix) {
    Mdx_String value;
    ASSERT_EQ(byName("Bolts", "Bolts.Diameter", KvValueType::Double, value, true), Acad::eOk);
    EXPECT_EQ(value, Mdx_String("20"));
    ASSERT_EQ(byName("Bolts", "anything.HoleOffset", KvValueType::Int, value, true), Acad::eOk);
    EXPECT_EQ(value, Mdx_String("2"));
    value = "24";
    ASSERT_EQ(mapped("Bolts", KvObjectKind::BoltsDiameter, "", value, false), Acad::eOk);
    EXPECT_EQ(tab("Bolts").getBoltData()->diameter, Mdx_String("24"));
    EXPECT_EQ(byName("Plate", "Bolts.Diameter", KvValueType::Double, value, true),
              Acad::eInvalidInput);
}

TEST_F(MacroValueTest, BoltCountsOfBothDirections) {
    EXPECT_EQ(read("Bolts", KvObjectKind::PatternNrBolts2, "BoltPattern"), Mdx_String("3"));
    Mdx_String value = "4";
    ASSERT_EQ(byName("Bolts", "BoltPattern.NrBolts1", KvValueType::String, value, false),
              Acad::eOk);
    value = "5.0000000";
    ASSERT_EQ(byName("Bolts", "BoltPattern.NrBolts2", KvValueType::Double, value, false),
              Acad::eOk);
    EXPECT_EQ(read("Bolts", KvObjectKind::PatternNrBolts1, "BoltPattern"), Mdx_String("4"));
    EXPECT_EQ(read("Bolts", KvObjectKind::PatternNrBolts2, "BoltPattern"), Mdx_String("5"));
    EXPECT_EQ(mapped("Plate", KvObjectKind::PatternNrBolts1, "BoltPattern", value, true),
              Acad::eInvalidInput);
}

TEST_F(MacroValueTest, WritingADistanceFixesItFirstUnlessItIsFixedAlready) {
    tab("Plate").flexFix()[3].flexible = true;  // Width: no button, flexible
    Mdx_String value;
    ASSERT_EQ(mapped("Plate", KvObjectKind::Distance, "L1", value, true), Acad::eOk);
    bool hasButton = false, state = false;
    tab("Plate").getFlexFixBtnStatus("L1", hasButton, state);
    EXPECT_TRUE(state) << "reading must not fix";

    value = "18";
    ASSERT_EQ(mapped("Plate", KvObjectKind::Distance, "L1", value, false), Acad::eOk);
    tab("Plate").getFlexFixBtnStatus("L1", hasButton, state);
    EXPECT_FALSE(state);
    EXPECT_DOUBLE_EQ(module("EndPlate").findDialogVariable("L1")->value, 18);
    value = "210";
    ASSERT_EQ(byName("Plate", "Width", KvValueType::Double, value, false), Acad::eOk);
    tab("Plate").getFlexFixBtnStatus("Width", hasButton, state);
    EXPECT_FALSE(state);
    EXPECT_DOUBLE_EQ(module("EndPlate").findDialogVariable("Width")->value, 210);
}

TEST_F(MacroValueTest, ModuleGroupReadsTheFirstModuleThatKnowsTheNameAndWritesAll) {
    Mdx_String value;
    ASSERT_EQ(byName("Plate", "Clearance", KvValueType::Double, value, true), Acad::eOk);
    EXPECT_EQ(value, Mdx_String("2"));
    module("EndPlate").dialogVariables().append({"Shared", 1, true, false, false});
    module("BeamEnd").dialogVariables().append({"Shared", 2, true, false, false});
    ASSERT_EQ(byName("Plate", "Shared", KvValueType::Double, value, true), Acad::eOk);
    EXPECT_EQ(value, Mdx_String("1"));
    value = "9";
    ASSERT_EQ(byName("Plate", "Shared", KvValueType::Double, value, false), Acad::eOk);
    EXPECT_DOUBLE_EQ(module("EndPlate").findDialogVariable("Shared")->value, 9);
    EXPECT_DOUBLE_EQ(module("BeamEnd").findDialogVariable("Shared")->value, 9);
    EXPECT_EQ(byName("Plate", "Nothing", KvValueType::Double, value, false), Acad::eInvalidInput);
    EXPECT_EQ(byName("Plate", "Clearance", KvValueType::String, value, true), Acad::eInvalidInput);
}

TEST_F(MacroValueTest, MappedObjectThatNoModuleHasIsAFailure) {
    Mdx_String value = "untouched";
    EXPECT_EQ(mapped("Plate", KvObjectKind::Distance, "Gone", value, true), Acad::eInvalidInput);
    EXPECT_EQ(mapped("Gone", KvObjectKind::Distance, "L1", value, true), Acad::eInvalidInput);
    EXPECT_EQ(value, Mdx_String("untouched"));
    EXPECT_EQ(mapped("Plate", KvObjectKind::None, "L1", value, true), Acad::eInvalidInput);
}

TEST_F(MacroValueTest, BaseProfilesAreReadOnlyAndNamedByANumber) {
    EXPECT_EQ(read("", KvObjectKind::PrPlName, "Prof1"), Mdx_String("IPE300"));
    EXPECT_EQ(read("", KvObjectKind::PrPlMaterial, "Prof0"), Mdx_String("S355"));
    EXPECT_EQ(read("", KvObjectKind::MemberSectionSize, "Prof1;1"), Mdx_String("150"));
    EXPECT_EQ(read("", KvObjectKind::MemberSectionSize, "Prof0;0"), Mdx_String("290"));
    Mdx_String value = "HEA260";
    for (const char* refused : {"Prof1x", "Prof", "Prof2", "Prof-1", "Beam1", "Prof0.5"})
        EXPECT_EQ(mapped("", KvObjectKind::PrPlName, refused, value, true), Acad::eInvalidInput)
            << refused;
    EXPECT_EQ(mapped("", KvObjectKind::PrPlName, "Prof1", value, false), Acad::eInvalidInput);
    EXPECT_EQ(mapped("", KvObjectKind::MemberSectionSize, "Prof1;1", value, false),
              Acad::eInvalidInput);
    EXPECT_EQ(mapped("", KvObjectKind::MemberSectionSize, "Prof1;9", value, true),
              Acad::eInvalidInput);
    EXPECT_EQ(mapped("", KvObjectKind::MemberSectionSize, "Prof1", value, true),
              Acad::eInvalidInput);
}

TEST_F(MacroValueTest, MemberNamesOfProfileGroups) {
    EXPECT_EQ(read("Stiffeners", KvObjectKind::OwnedMemberName, "Stiffener1"), Mdx_String("ST1"));
    Mdx_String value = "ST7";
    ASSERT_EQ(byName("Stiffeners", "Stiffener2.MemberName", KvValueType::String, value, false),
              Acad::eOk);
    MacroProfData props;
    ASSERT_TRUE(tab("Stiffeners").getMergedPropsOfGroup("Stiffener2", props));
    EXPECT_EQ(props.memberName, Mdx_String("ST7"));
    // A mapped tie to a group the tab lacks is accepted; by name it is not.
    EXPECT_EQ(mapped("Stiffeners", KvObjectKind::OwnedMemberName, "Stiffener9", value, true),
              Acad::eOk);
    EXPECT_EQ(byName("Stiffeners", "Stiffener9.MemberName", KvValueType::String, value, true),
              Acad::eInvalidInput);
}

TEST_F(MacroValueTest, MappingFileModeUsesTheObjectOfTheVariable) {
    KvSSMapping mapping;
    KvObjectMap map;
    map.groupName = "Plate";
    map.kind = KvObjectKind::Distance;
    map.objectName = "Thickness";
    map.ssVarName = "t";
    mapping.mappedObjectsWrite().append(map);
    mapping.mappingMode = KvSSMapping::kMappingFile;
    request.moduleGroup.setEmpty();
    Mdx_String value;
    ASSERT_EQ(mapping.getMacroVarValue("T", KvValueType::Double, value, request), Acad::eOk);
    EXPECT_EQ(value, Mdx_String("20"));
    EXPECT_EQ(mapping.getMacroVarValue("t", KvValueType::String, value, request),
              Acad::eInvalidInput);
    EXPECT_EQ(mapping.getMacroVarValue("u", KvValueType::Double, value, request),
              Acad::eInvalidInput);
    request.dbMacro = nullptr;
    EXPECT_EQ(mapping.getMacroVarValue("t", KvValueType::Double, value, request),
              Acad::eInvalidInput);
}

TEST_F(MacroValueTest, NothingWorksWithoutTheModulesTab) {
    MacroData empty;
    request.macroData = &empty;
    Mdx_String value;
    EXPECT_EQ(byName("Plate", "L1", KvValueType::Double, value, true), Acad::eInvalidInput);
    KvObjectMap map;
    map.groupName = "Plate";
    map.kind = KvObjectKind::Distance;
    map.objectName = "L1";
    EXPECT_EQ(map.getMacroVarValue(dbMacro, &empty, value, transaction.get()), Acad::eInvalidInput);
    EXPECT_EQ(map.getMacroVarValue(dbMacro, nullptr, value, transaction.get()),
              Acad::eInvalidInput);
    EXPECT_EQ(map.getMacroVarValue(nullptr, &macroData, value, transaction.get()),
              Acad::eInvalidInput);
}

}  // namespace
