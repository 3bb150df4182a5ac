// Every mappable object of the sample macro, in the order and categories the standards page
// lists them.
#include <gtest/gtest.h>

#include "core/macro/testing/EndPlateDrawing.h"
#include "host/AcTransaction.h"
#include "standards/KvSSMapping.h"

namespace {

// "group|kind|object|category|column" for each object, to compare whole lists at once.
std::vector<std::string> describe(const KvSSMapping& mapping, int from, int count) {
    std::vector<std::string> lines;
    for (int i = from; i < from + count && i < mapping.mappedObjects().length(); ++i) {
        const KvObjectMap& o = mapping.mappedObjects()[i];
        lines.push_back(o.groupName.str() + "|" + std::string(kindKeyword(o.kind)) + "|" +
                        o.objectName.str() + "|" + std::to_string(o.category) + "|" +
                        o.columnName.str());
    }
    return lines;
}

class CollectTest : public ::testing::Test {
protected:
    void SetUp() override {
        drawing = endplate::build(db);
        transaction = std::make_unique<AcTransaction>(db);
        ASSERT_EQ(transaction->getObject(dbMacro, drawing.macro), Acad::eOk);
    }
    AcDbDatabase db;
    endplate::Drawing drawing;
    std::unique_ptr<AcTransaction> transaction;
    Mdx_DbMacro* dbMacro = nullptr;
};

TEST_F(CollectTest, ModulesInOrderThenBaseProfilesThenGeneralVariables) {
    KvSSMapping mapping;
    ASSERT_EQ(mapping.initAllVarsFromMacro(dbMacro, transaction.get()), Acad::eOk);
    EXPECT_EQ(
        describe(mapping, 0, 8),
        (std::vector<std::string>{
            "Plate|Distance|L1|0|", "Plate|Distance|L2|1|", "Plate|Distance|Thickness|2|",
            "Plate|Distance|Width|3|", "Plate|CutOffset|Cut1|0|", "Plate|CutPolyOffset|Cut1|0|",
            "Plate|CutChamferOffset1|Chamfer|0|", "Plate|CutChamferOffset2|Chamfer|0|"}));
    EXPECT_EQ(
        describe(mapping, 8, 7),
        (std::vector<std::string>{
            "Bolts|Distance|EdgeDist|0|", "Bolts|BoltsDiameter||0|", "Bolts|BoltsHoleOffset||0|",
            "Bolts|PatternNrBolts1|BoltPattern|0|", "Bolts|PatternReverseStart1|BoltPattern|0|",
            "Bolts|PatternNrBolts2|BoltPattern|0|", "Bolts|PatternReverseStart2|BoltPattern|0|"}));
    // The stiffeners have no group: their module name stands in. The unnamed placement is
    // left out.
    EXPECT_EQ(describe(mapping, 15, 8),
              (std::vector<std::string>{
                  "Stiffeners|Distance|Gap|1|", "Stiffeners|CutOffset|Snipe|0|",
                  "Stiffeners|CutRadius|Snipe|0|", "Stiffeners|OwnedMemberName|Stiffener1|0|",
                  "Stiffeners|OwnedMemberName|Stiffener2|0|", "Plate|Distance|Clearance|1|",
                  "Plate|CutOffset|BeamCut|0|", "|PrPlName|Prof0|0|"}));
    EXPECT_EQ(describe(mapping, 23, 3),
              (std::vector<std::string>{"|PrPlMaterial|Prof0|0|", "|MemberSectionSize|Prof0;0|0|h",
                                        "|MemberSectionSize|Prof0;1|0|b"}));
    int total = mapping.mappedObjects().length();
    // Two base profiles with six columns each, then the two general variables.
    EXPECT_EQ(total, 22 + 2 * (2 + 6) + 2);
    EXPECT_EQ(describe(mapping, total - 3, 3),
              (std::vector<std::string>{"|MemberSectionSize|Prof1;5|0|A", "|GenVar|gen_gap|0|",
                                        "|GenVar|gen_weld|0|"}));
}

TEST_F(CollectTest, AppendsWithoutRemovingAndNeedsAMacro) {
    KvSSMapping mapping;
    ASSERT_EQ(mapping.initAllVarsFromMacro(dbMacro, transaction.get()), Acad::eOk);
    int once = mapping.mappedObjects().length();
    ASSERT_EQ(mapping.initAllVarsFromMacro(dbMacro, transaction.get()), Acad::eOk);
    EXPECT_EQ(mapping.mappedObjects().length(), 2 * once);
    EXPECT_EQ(mapping.initAllVarsFromMacro(nullptr, transaction.get()), Acad::eInvalidInput);
    Mdx_DbMacro empty;
    EXPECT_EQ(mapping.initAllVarsFromMacro(&empty, transaction.get()), Acad::eInvalidInput);
    EXPECT_EQ(mapping.mappedObjects().length(), 2 * once);
}

TEST_F(CollectTest, SectionWithoutATableGivesNoSizeObjects) {
    gSectionTables.removeAll();
    KvSSMapping mapping;
    ASSERT_EQ(mapping.initAllVarsFromMacro(dbMacro, transaction.get()), Acad::eOk);
    EXPECT_EQ(mapping.mappedObjects().length(), 22 + 2 * 2 + 2);
}

}  // namespace
