#include "standards/KvDlgStandardsData.h"

#include <gtest/gtest.h>

#include "core/macro/MacroData.h"
#include "core/macro/Mdx_DbMacro.h"

namespace {

TEST(StandardsDataTest, ModulePrefixNamesTheGroup) {
    Mdx_DbMacro macro;
    MacroData macroData;
    KvDlgStandardsData data;
    data.mode = 1;
    ASSERT_EQ(data.initialize(&macro, "EndPlate", "Module.Plate", &macroData), Acad::eOk);
    EXPECT_EQ(data.moduleGroup, Mdx_String("Plate"));
    EXPECT_EQ(data.mode, KvDlgStandardsData::kMainEvaluation);
    EXPECT_EQ(data.dbMacro, &macro);
    EXPECT_EQ(data.macroData, &macroData);
    EXPECT_EQ(data.mapsTo, Mdx_String("Module.Plate"));

    ASSERT_EQ(data.initialize(&macro, "EndPlate", "Module.Plate.Left", &macroData), Acad::eOk);
    EXPECT_EQ(data.moduleGroup, Mdx_String("Plate.Left"));
    for (const char* mapsTo : {"Module.", "Modules.Plate", "aB3kQ9zX1mN7pL2rT5vW8yC4", "Plate"}) {
        ASSERT_EQ(data.initialize(&macro, "EndPlate", mapsTo, &macroData), Acad::eOk);
        EXPECT_TRUE(data.moduleGroup.isEmpty()) << mapsTo;
    }
}

TEST(StandardsDataTest, WithoutMacroOrDataNothingChanges) {
    Mdx_DbMacro macro;
    MacroData macroData;
    KvDlgStandardsData data;
    data.fileName = "Old";
    data.mode = 1;
    EXPECT_EQ(data.initialize(nullptr, "New", "Module.Plate", &macroData), Acad::eInvalidInput);
    EXPECT_EQ(data.initialize(&macro, "New", "Module.Plate", nullptr), Acad::eInvalidInput);
    EXPECT_EQ(data.fileName, Mdx_String("Old"));
    EXPECT_EQ(data.mode, 1);
    EXPECT_TRUE(data.moduleGroup.isEmpty());
    EXPECT_EQ(data.dbMacro, nullptr);
}

TEST(StandardsDataTest, CopiesShareThePointersAndOwnTheLists) {
    Mdx_DbMacro macro;
    MacroData macroData;
    KvDlgStandardsData data;
    ASSERT_EQ(data.initialize(&macro, "EndPlate", "K", &macroData), Acad::eOk);
    data.genVarNames.append("gen_gap");
    KvVarCell cell;
    cell.name = "width";
    data.varCells.append(cell);
    KvDlgStandardsData copy(data);
    copy.genVarNames.append("gen_weld");
    copy.varCells[0].value = "12";
    EXPECT_EQ(copy.dbMacro, &macro);
    EXPECT_EQ(copy.macroData, &macroData);
    EXPECT_EQ(data.genVarNames.length(), 1);
    EXPECT_TRUE(data.varCells[0].value.isEmpty());
}

TEST(StandardsDataTest, VariablesAreFoundByNameAndInputsCompared) {
    KvVarCells cells, other;
    KvVarCell width;
    width.name = "Width";
    width.valueType = KvValueType::Double;
    width.value = "200";
    cells.append(width);
    KvVarCell result = width;
    result.name = "Result";
    result.cellType = KvCellType::Output;
    cells.append(result);
    int index = -1;
    ASSERT_EQ(cells.findVarCell("result", index), Acad::eOk);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(cells.findVarCell("missing", index), Acad::eInvalidInput);

    EXPECT_FALSE(cells.hasSameInput(other));
    other.append(result);  // outputs are not compared
    width.name = "WIDTH";
    other.append(width);
    EXPECT_TRUE(cells.hasSameInput(other));
    other[1].valueType = KvValueType::Int;
    EXPECT_FALSE(cells.hasSameInput(other));
}

}  // namespace
