// The declared variables of a standards spreadsheet: finding them in the four sections,
// moving their values between the sheet and the macro.
#include "standards/KvVarCells.h"

#include <gtest/gtest.h>

#include "core/Mdx_Timer.h"
#include "core/macro/MacroData.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "host/AcTransaction.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvSheetSections.h"
#include "standards/testing/StandardsSheet.h"
#include "win/MessageBox.h"
#include "win/ScriptedUser.h"

namespace {

using standards::testing::StandardsSheetTest;

// name, section and type of every variable, in order: "a:I:D b:O:I c:L:S".
std::string describe(const KvVarCells& cells) {
    std::string text;
    for (int i = 0; i < cells.length(); ++i) {
        const KvVarCell& cell = cells[i];
        if (i) text += ' ';
        text += cell.name.str() + ':' + "IOL"[static_cast<int>(cell.cellType)] + ':' +
                "IDS"[static_cast<int>(cell.valueType)];
    }
    return text;
}

class VarCellsTest : public StandardsSheetTest {
protected:
    KvVarCells read() {
        KvVarCells cells;
        EXPECT_EQ(cells.initFromSheet(*sheet), Acad::eOk);
        return cells;
    }
};

TEST_F(VarCellsTest, SectionsAreFoundInAnyOrder) {
    putColumn(1, 1,
              {"Input", "Double a", "Int b", "Output", "Double c", "Local", "String d", "Calc",
               "c=a+1", "Double e"});
    const std::string inOrder = describe(read());
    EXPECT_EQ(inOrder, "a:I:D b:I:I c:O:D d:L:S");

    sheet->clearRows(1, 40);
    putColumn(2, 3,
              {"Output", "Double c", "Input", "Double a", "", "Int b", "Local", "String d", "Calc",
               "c=a+1"});
    EXPECT_EQ(describe(read()), inOrder);
    const KvSheetSections sections(*sheet);
    EXPECT_EQ(sections.output().startRow, 4);
    EXPECT_EQ(sections.output().endRow, 5);  // up to the Input keyword's row
    EXPECT_EQ(sections.input().endRow, 9);
    EXPECT_EQ(sections.calc().endRow, sheet->getMaxRows());
}

TEST_F(VarCellsTest, DeclarationsAreReadByTheirTypePrefix) {
    putColumn(1, 1,
              {"Input", "Double", "Integer count", "   Double width", "int lower",
               "Strings of text", "Remark", "Double width", "Output"});
    put(3, 4, "String label");  // further right in a row comes later
    const KvVarCells cells = read();
    EXPECT_EQ(describe(cells), ":I:D count:I:I width:I:D label:I:S of text:I:S width:I:D");
    int index = -1;
    ASSERT_EQ(cells.findVarCell("WIDTH", index), Acad::eOk);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(cells[index].row, 4);
    EXPECT_EQ(cells[index].col, 1);
    EXPECT_EQ(cells.findVarCell("lower", index), Acad::eInvalidInput);
}

TEST_F(VarCellsTest, InputAndOutputMustBeThereLocalNeedNot) {
    putColumn(1, 1, {"Input", "Double a", "Output", "Double b"});
    EXPECT_EQ(describe(read()), "a:I:D b:O:D");

    put(1, 3, "Outputs");  // a keyword must be the whole text
    KvVarCells cells;
    EXPECT_EQ(cells.initFromSheet(*sheet), Acad::eInvalidInput);

    put(1, 3, "Output");
    put(1, 1, "");
    EXPECT_EQ(cells.initFromSheet(*sheet), Acad::eInvalidInput);
    EXPECT_EQ(cells.length(), 0);
}

TEST_F(VarCellsTest, ValuesGoIntoTheDeclarationCellsFormattedByType) {
    putColumn(1, 1,
              {"Input", "Double width", "Int count", "String name", "Output", "Double area",
               "Local", "String note"});
    KvVarCells cells = read();
    cells[0].value = "12.5";
    cells[1].value = "3";
    cells[2].value = std::string(KvVarCell::kMaxTextLength, 'x');
    cells[3].value = "";
    cells[4].value = "007";
    ASSERT_EQ(cells.setValuesToSS(*sheet), Acad::eOk);
    EXPECT_EQ(value(1, 2), "12.5000000");
    EXPECT_EQ(value(1, 3), "3");
    EXPECT_EQ(value(1, 4), std::string(KvVarCell::kMaxTextLength, 'x'));
    EXPECT_EQ(value(1, 6), "");
    EXPECT_EQ(value(1, 8), "007");  // a text stays a text

    // Only the outputs are read back.
    sheet->setCellValue(1, 2, "99");
    sheet->setCellValue(1, 6, "41.25");
    ASSERT_EQ(cells.getValuesFromSS(*sheet), Acad::eOk);
    EXPECT_EQ(cells[0].value, Mdx_String("12.5"));
    EXPECT_EQ(cells[3].value, Mdx_String("41.2500000"));

    // A number cell refuses a text; the cells before it were written.
    cells[0].value = "7";
    cells[1].value = "many";
    EXPECT_EQ(cells.setValuesToSS(*sheet), Acad::eInvalidInput);
    EXPECT_EQ(value(1, 2), "7.0000000");
}

TEST_F(VarCellsTest, AValueFromAnotherVariableIsWrittenIntoTheCell) {
    putColumn(1, 1, {"Input", "Int n", "Output"});
    KvVarCells cells = read();
    KvVarCell other;
    other.value = "4";
    ASSERT_EQ(cells[0].setValueFromOther(*sheet, other), Acad::eOk);
    EXPECT_EQ(cells[0].value, Mdx_String("4"));
    EXPECT_EQ(value(1, 2), "4");
}

// Reading from and writing to the sample end-plate macro.
class VarCellsMacroTest : public VarCellsTest {
protected:
    void SetUp() override {
        VarCellsTest::SetUp();
        dbMacro = endplate::buildAndOpen(db, drawing, transaction);
        ASSERT_NE(dbMacro, nullptr);
        ASSERT_EQ(macroData.addMacro(drawing.macro, *transaction), Acad::eOk);
        putColumn(1, 1,
                  {"Input", "Double Thickness", "Double Missing", "Output", "Double Width", "Local",
                   "Double scratch"});
        cells = read();
        cells[1].value = "kept";
        cells[3].value = "stale";
    }
    void request(const char* mapsTo) {
        ASSERT_EQ(data.initialize(dbMacro, "EndPlate", mapsTo, &macroData), Acad::eOk);
        data.transaction = transaction.get();
    }
    const std::vector<win::MessageBoxRecord>& boxes() const { return win::user::messageBoxes(); }

    AcDbDatabase db;
    endplate::Drawing drawing;
    std::unique_ptr<AcTransaction> transaction;
    Mdx_DbMacro* dbMacro = nullptr;
    MacroData macroData;
    KvDlgStandardsData data;
    KvVarCells cells;
};

TEST_F(VarCellsMacroTest, ModuleGroupValuesAreReadAndFailuresReported) {
    request("Module.Plate");
    const int runs = gInitFromMacro.count();
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    EXPECT_EQ(gInitFromMacro.count(), runs + 1);
    EXPECT_FALSE(gInitMapping.isRunning());
    EXPECT_EQ(cells[0].value.toDouble(), 20);
    EXPECT_EQ(cells[1].value, Mdx_String("kept"));  // not in the macro: unchanged
    EXPECT_EQ(cells[2].value.toDouble(), 200);
    EXPECT_EQ(cells[3].value, Mdx_String(""));  // locals start empty
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text,
              "The following Input variable couldn't be retrieved : \nMissing\n"
              "Make sure the variable exists in the macro or module.\nSpreadsheet : EndPlate");
    EXPECT_EQ(boxes()[0].type & MB_ICONMASK, MB_ICONEXCLAMATION);

    gSettings.current().setStandardsMessages(false);
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    EXPECT_EQ(boxes().size(), 1u);
}

TEST_F(VarCellsMacroTest, OnlyOutputsAreWrittenToTheMacro) {
    request("Module.Plate");
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    cells[0].value = "25";
    cells[2].value = "240";
    ASSERT_EQ(cells.setToMacro(data), Acad::eOk);
    KvVarCells again = cells;
    ASSERT_EQ(again.getFromMacro(data), Acad::eOk);
    EXPECT_EQ(again[0].value.toDouble(), 20);
    EXPECT_EQ(again[2].value.toDouble(), 240);
}

TEST_F(VarCellsMacroTest, WithoutAStoredMappingNothingIsReadAndNothingReported) {
    request("Connection 1");
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    EXPECT_EQ(cells[1].value, Mdx_String("kept"));
    EXPECT_EQ(cells[0].value, Mdx_String(""));
    EXPECT_EQ(cells[3].value, Mdx_String("stale"));  // nothing was read at all
    EXPECT_TRUE(boxes().empty());

    // A mapping file without any mapping: every input and output is reported.
    library->put("EndPlate.map", "Mapping version 1.0\r\n");
    ASSERT_EQ(cells.getFromMacro(data), Acad::eOk);
    ASSERT_EQ(boxes().size(), 3u);
    EXPECT_NE(boxes()[2].text.find("Output variable couldn't be set : \nWidth\n"),
              std::string::npos);
}

TEST_F(VarCellsMacroTest, ARequestWithoutMacroOrGroupIsRefused) {
    data.fileName = "EndPlate";
    EXPECT_EQ(cells.getFromMacro(data), Acad::eInvalidInput);
    EXPECT_FALSE(gInitMapping.isRunning());
    EXPECT_TRUE(boxes().empty());
}

}  // namespace
