#include "bill/KvSSBillOutput.h"

#include "MdxBuildPaths.h"
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/CTime.h"
#include "core/KvTempResourceOverride.h"
#include "core/Mdx_Bill.h"
#include "core/Mdx_Settings.h"
#include "grid/CellType.h"
#include "host/AcDbDatabase.h"
#include "host/AcTransaction.h"
#include "resources/ModuleResources.h"
#include "spread/Mdx_Spread.h"
#include "spread/SheetSettings.h"
#include "win/FilePaths.h"
#include "win/Profile.h"
#include "win/WinTestSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr COLORREF kDefaultColor = 0x8000000B;

// Bills are written under drive B:, the settings file "Bill" lies in the product folder.
class BillOutput : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        folder = fs::temp_directory_path() / ("mdx-bill-test-" + std::to_string(::getpid()));
        fs::create_directories(folder / "product");
        fs::create_directories(folder / "bills");
        win::setProfileFolder(folder);
        win::setDriveRoot('B', folder / "bills");
        gSettings.setProductFolder((folder / "product").string());
        HINSTANCE module = resources::moduleResourceHandle();
        ASSERT_NE(module, nullptr);
        AfxSetResourceHandle(module);
        KvTempResourceOverride::SaveDefaultResource(module);
        SheetSettings settings;
        settings.fontFace = "Arial";
        settings.fontHeight = 14;
        ASSERT_TRUE(settings.saveToFile("Bill"));
        setFixedTime(CTime(2026, 12, 6, 20, 55, 0));
    }
    void TearDown() override {
        clearFixedTime();
        win::setWriteFaultHook({});
        KvTempResourceOverride::SaveDefaultResource(nullptr);
        gSettings.reset();
        WindowSystemTest::TearDown();
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    void start(KvSSBillOutput& bill, const char* file, const AcArray<int>& kinds) {
        ASSERT_EQ(bill.init(file, {"Mark", "Count", "Length", "Note"}, AcArray<int>(), kinds,
                            "Bill", {"Project"}, {"Hall 3"}),
                  Acad::eOk);
        ASSERT_EQ(bill.onStartFeed(), Acad::eOk);
    }
    static std::string value(Mdx_Spread& sheet, int col, int row) {
        Mdx_String text;
        sheet.getCellText(col, row, text, kTextValue);
        return text.str();
    }
    static AcArray<int> kinds(std::initializer_list<int> list) {
        AcArray<int> out;
        for (int k : list) out.append(k);
        return out;
    }

    fs::path folder;
};

TEST_F(BillOutput, TheSheetGrowsInStepsOfAHundredAndIsTrimmedAtTheEnd) {
    KvSSBillOutput bill;
    start(bill, "B:\\grow.sss", kinds({3, 1, 2}));
    Mdx_Spread& sheet = *bill.sheet();
    EXPECT_EQ(sheet.getMaxRows(), 11) << "the prepared layout";
    for (int i = 1; i <= 11; ++i) bill.onAddRow({"A", "1", "2.5", "x"});
    EXPECT_EQ(sheet.getMaxRows(), 11);
    bill.onAddRow({"B", "2", "3", "y"});
    EXPECT_EQ(sheet.getMaxRows(), 112);
    for (int i = 13; i <= 113; ++i) bill.onAddRow({"C", "3", "1", ""});
    EXPECT_EQ(sheet.getMaxRows(), 213);
    EXPECT_TRUE(value(sheet, 1, 114).empty()) << "grown rows are empty";
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    EXPECT_EQ(sheet.getMaxRows(), 113);
}

// A bill as the core library feeds one: 250 rows in groups of 50, each group followed by its
// subtotals, and a picture under one row.
TEST_F(BillOutput, ABillWithSubtotalsAndAPictureIsLaidOutAndSaved) {
    AcDbDatabase database;
    AcTransaction transaction(database);
    Mdx_Bill source;
    const Mdx_String marker = MDX_SOURCE_DIR "/src/resources/marker.bmp";
    source.setPicture("P-7", marker);
    KvSSBillOutput bill;
    bill.setVars(-1, 30, 0, true, true, &source, &transaction);
    start(bill, "B:\\hall\xBF" "frame.sss", kinds({3, 1, 2}));
    Mdx_Spread& sheet = *bill.sheet();
    int pictureRow = 0;
    for (int group = 0; group < 5; ++group) {
        for (int i = 1; i <= 50; ++i) {
            const int n = group * 50 + i;
            const Mdx_String mark = Mdx_String::format("P-%d", n);
            bill.onAddRow({mark, "2", "1250.25", n == 7 ? "pictured" : ""});
            if (n == 7) pictureRow = bill.currentRow();
        }
        bill.onAddSubTotals({"", "100", "", "sum"}, {}, false, 0);
    }
    EXPECT_EQ(bill.currentRow(), 250 + 5 + 1);
    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);

    EXPECT_EQ(sheet.getMaxRows(), 256);
    EXPECT_EQ(value(sheet, 1, 1), "P-1");
    EXPECT_EQ(value(sheet, 4, 7), "pictured");
    EXPECT_EQ(value(sheet, 1, pictureRow + 1), "P-8") << "the picture row counts as one row";
    EXPECT_EQ(sheet.getCellTypeCode(2, pictureRow), grid::kTypePicture);
    EXPECT_EQ(sheet.getCellTypeCode(1, pictureRow), grid::kTypePicture) << "the marker";
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    EXPECT_TRUE(sheet.GetCellSpan(3, pictureRow, &anchorCol, &anchorRow, &cols, &rows));
    EXPECT_EQ(anchorCol, 2);
    int height = 0;
    sheet.GetRowHeightInPixels(pictureRow, &height);
    EXPECT_EQ(height, 17) << "the picture's own height";
    SSCELLTYPE type;
    ASSERT_TRUE(sheet.GetCellType(2, pictureRow, &type));
    EXPECT_TRUE(fs::exists(win::mapPath(type.text))) << "the saved sheet can still show it";

    const int subtotal = 51 + 1;  // 50 rows, the picture row, then the subtotals
    EXPECT_EQ(value(sheet, 2, subtotal), "100");
    COLORREF back = 0, fore = 0;
    SSGetColor(sheet.GetSafeHwnd(), 2, subtotal, &back, &fore);
    EXPECT_EQ(back, 0xFFD0A4u);
    WORD borderType = 0, style = 0;
    COLORREF color = 0;
    SSGetBorder(sheet.GetSafeHwnd(), 2, subtotal, &borderType, &style, &color);
    EXPECT_EQ(borderType, 31);
    SSGetColor(sheet.GetSafeHwnd(), 1, subtotal, &back, &fore);
    EXPECT_EQ(back, kDefaultColor) << "an empty subtotal cell stays unmarked";
    EXPECT_EQ(sheet.getCellTypeCode(2, 10), grid::kTypeNumber);
    EXPECT_EQ(sheet.getCellTypeCode(3, 10), grid::kTypeNumber);
    EXPECT_EQ(value(sheet, 3, 10), "1250.3") << "kind 2 keeps one decimal";
    EXPECT_FALSE(isBMPDialogOpen());

    // The saved file carries the rows and, in its settings, the bill's variables first.
    ASSERT_EQ(SSLoadFromFile(sheet.GetSafeHwnd(), "B:\\hall\xBF" "frame.sss"), 1);
    SheetSettings settings;
    ASSERT_TRUE(settings.readFromSheet(sheet));
    ASSERT_EQ(settings.varNames.length(), 4);
    EXPECT_EQ(settings.varNames[0].str(), "Date");
    EXPECT_EQ(settings.varValues[0].str(), "06 December, 2026 (20:55)");
    EXPECT_EQ(settings.varValues[1].str(), "frame") << "the title after the last 0xBF";
    EXPECT_EQ(settings.varValues[2].str(), "B:\\hall\xBF" "frame.sss");
    EXPECT_EQ(settings.varNames[3].str(), "Project");
    EXPECT_EQ(settings.fontFace.str(), "Arial");
    EXPECT_EQ(value(sheet, 1, 256), "");
    EXPECT_EQ(value(sheet, 2, 256), "100");
}

// A save that fails is reported, the previous file stays, and ending the feed again neither
// doubles the bill's variables nor loses the caller's.
TEST_F(BillOutput, AFailedSaveIsReportedAndAnotherEndDoesNotRepeatTheVariables) {
    std::ofstream(folder / "bills" / "old.sss") << "previous bill";
    KvSSBillOutput bill;
    start(bill, "B:\\old.sss", kinds({3}));
    bill.onAddRow({"A", "1"});
    win::setWriteFaultHook([](win::WriteStage stage) { return stage == win::WriteStage::Write; });
    EXPECT_EQ(bill.onEndFeed(), Acad::eFileWriteFailed);
    win::setWriteFaultHook({});
    std::ifstream in(folder / "bills" / "old.sss");
    std::string kept((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(kept, "previous bill");

    ASSERT_EQ(bill.onEndFeed(), Acad::eOk);
    SheetSettings settings;
    ASSERT_TRUE(settings.readFromSheet(*bill.sheet()));
    ASSERT_EQ(settings.varNames.length(), 4);
    EXPECT_EQ(settings.varNames[3].str(), "Project");
}

TEST_F(BillOutput, RowsWidenTheSheetAndKindsReachOnlyTheirColumns) {
    KvSSBillOutput bill;
    start(bill, "B:\\wide.sss", kinds({1}));
    Mdx_Spread& sheet = *bill.sheet();
    bill.onAddRow({"1", "b", "c", "d", "e", "f"});
    EXPECT_EQ(sheet.getMaxCols(), 6);
    EXPECT_EQ(value(sheet, 6, 1), "f");
    EXPECT_EQ(sheet.getCellTypeCode(1, 1), grid::kTypeNumber);
    EXPECT_NE(sheet.getCellTypeCode(2, 1), grid::kTypeNumber);
    EXPECT_EQ(billTitle("C:\\bills\\frame.sss").str(), "frame");
    EXPECT_EQ(SSGetGridType(sheet.GetSafeHwnd()), 7);
}

}  // namespace
