// The standards functions as standards spreadsheets use them: formulas on a real grid
// window, calculated, the cell's value text read back.
#include "MdxBuildPaths.h"
#include "standards/KvStandardsFunctions.h"

#include <gtest/gtest.h>

#include "core/StringHelpers.h"
#include "core/sections/Mdx_SectionTableManager.h"
#include "standards/testing/StandardsSheet.h"
#include "win/GlobalMemory.h"
#include "win/MessageBox.h"
#include "win/ScriptedUser.h"

namespace {

using standards::testing::StandardsSheetTest;

class StandardsFunctionsTest : public StandardsSheetTest {
protected:
    void SetUp() override {
        StandardsSheetTest::SetUp();
        ASSERT_TRUE(registerStandardsFunctions(*sheet));
        Mdx_SectionTable ipe;
        ipe.name = "IPE";
        ipe.columnNames = stringArr({"h", "b", "tw"});
        Mdx_SectionRow row;
        row.systemName = "IPE300";
        row.userName = "IPE 300";
        row.values = stringArr({"300", "150.5", "7.1"});
        ipe.rows.append(row);
        gSectionTables.setTable(ipe);
    }
    void TearDown() override {
        gSectionTables.removeAll();
        StandardsSheetTest::TearDown();
    }
    int messageCount() const { return static_cast<int>(win::user::messageBoxes().size()); }
};

TEST_F(StandardsFunctionsTest, EveryFunctionIsKnownWithItsArgumentCounts) {
    for (const KvStandardsFunction& function : kStandardsFunctions) {
        std::string tooFew = std::string("=") + function.name + "(";
        for (int i = 0; i < function.minArgs - 1; ++i) tooFew += i ? ",1" : "1";
        tooFew += ")";
        EXPECT_EQ(calc(tooFew), "#VALUE!") << tooFew;
        std::string tooMany = std::string("=") + function.name + "(1";
        for (int i = 1; i <= function.maxArgs; ++i) tooMany += ",1";
        tooMany += ")";
        EXPECT_EQ(calc(tooMany), "#VALUE!") << tooMany;
    }
    // Registered, so no name error even where the call itself fails.
    EXPECT_NE(calc("=GETSYSNAME(1)"), "#NAME?");
}

TEST_F(StandardsFunctionsTest, RoundToGoesToTheNearestMultipleOfTheStep) {
    EXPECT_EQ(calc("=ROUNDTO(12.3,5)"), "10");
    EXPECT_EQ(calc("=ROUNDTO(12.5,5)"), "15");
    EXPECT_EQ(calc("=ROUNDTO(0.3,0.1)"), "0.3");
    EXPECT_EQ(calc("=ROUNDTO(7.25,0)"), "7.25");       // step 0 leaves the value
    EXPECT_EQ(calc("=ROUNDTO(\"12\",5)"), "#VALUE!");  // a text is no number here
}

TEST_F(StandardsFunctionsTest, GetCellBuildsItsKeyFromNumbersAndTexts) {
    library->put("Data/Bolts.dat",
                 "// diameter;grade<tab>value\n"
                 "20;M\t330\tignored\n"
                 "20.5;M\t331 // half sizes are rare\n"
                 "24;M\n"
                 "\n"
                 "16;M\t\n");
    EXPECT_EQ(calc("=GETCELL(\"Bolts.dat\",20,\"M\")"), "330");
    EXPECT_EQ(calc("=GETCELL(\"Bolts.dat\",20.5,\"m\")"), "331 ");
    // The value column is text even when it reads as a number.
    EXPECT_EQ(calc("=ISTEXT(GETCELL(\"Bolts.dat\",20,\"M\"))"), calc("=ISTEXT(\"a\")"));
    put(1, 10, "");
    sheet->setDouble(2, 10, 20);
    EXPECT_EQ(calc("=GETCELL(\"Bolts.dat\",B10,\"M\")"), "330");
    EXPECT_EQ(calc("=GETCELL(\"Bolts.dat\",20,\"M\",A10,\"x\")"), "330");  // empty ends the key
    EXPECT_EQ(calc("=GETCELL(\"Bolts.dat\",16,\"M\")"), "");         // empty value: empty result
    EXPECT_EQ(calc("=GETCELL(\"Bolts.dat\",24,\"M\")"), "#VALUE!");  // no value column
    EXPECT_EQ(calc("=GETCELL(\"Bolts.dat\",30,\"M\")"), "#VALUE!");
    EXPECT_EQ(calc("=GETCELL(\"Missing.dat\",20,\"M\")"), "#VALUE!");
    EXPECT_EQ(calc("=GETCELL(20,20)"), "#VALUE!");
}

TEST_F(StandardsFunctionsTest, DataFilesAreLookedUpInOrder) {
    library->put("Sizes.dat", "k\tstandards\n");
    EXPECT_EQ(calc("=GETCELL(\"Sizes.dat\",\"k\")"), "standards");
    library->put("Data/Sizes.dat", "k\tdata\n");
    EXPECT_EQ(calc("=GETCELL(\"Sizes.dat\",\"k\")"), "data");
    const std::string own = (library->standards() / "Own.dat").string();
    library->put("Own.dat", "k\town\n");
    library->put("Data/Own.dat", "k\tdata\n");
    EXPECT_EQ(calc("=GETCELL(\"" + own + "\",\"k\")"), "own");  // the name itself first
    library->put("Data/Empty.dat", "// nothing but remarks\n\n");
    EXPECT_EQ(calc("=GETCELL(\"Empty.dat\",\"k\")"), "#VALUE!");
}

TEST_F(StandardsFunctionsTest, EveryCalculationReadsTheFileAnew) {
    library->put("Data/Bolts.dat", "20;M\t330\n");
    EXPECT_EQ(calc("=GETCELL(\"Bolts.dat\",20,\"M\")"), "330");
    library->put("Data/Bolts.dat", "20;M\t340\n");
    ASSERT_TRUE(sheet->recalcAll());
    EXPECT_EQ(value(kScratchCol, 1), "340");
}

TEST_F(StandardsFunctionsTest, ProfileKeysAreComparedAsSystemNames) {
    library->put("Data/Profiles.dat", "IPE 300\tbeam\nHEB 999\tunknown\n");
    EXPECT_EQ(calc("=GETPROFCELL(\"Profiles.dat\",GETSYSNAME(\"IPE 300\"))"), "beam");
    EXPECT_EQ(calc("=GETPROFCELL(\"Profiles.dat\",\"IPE300\")"), "beam");
    // The argument is not converted, and GETCELL compares the keys as written.
    EXPECT_EQ(calc("=GETPROFCELL(\"Profiles.dat\",\"IPE 300\")"), "#VALUE!");
    EXPECT_EQ(calc("=GETCELL(\"Profiles.dat\",\"IPE300\")"), "#VALUE!");
    EXPECT_EQ(calc("=GETPROFCELL(\"Profiles.dat\",\"HEB 999\")"), "unknown");
}

TEST_F(StandardsFunctionsTest, SectionValuesAndSystemNames) {
    EXPECT_EQ(calc("=SECTIONSIZE(\"IPE300\",2.9)"), "150.5");  // truncated, then from 0
    EXPECT_EQ(calc("=SECTIONSIZE(\"IPE 300\",1)"), "300");
    EXPECT_EQ(calc("=SECTIONSIZE(\"IPE300\",0)"), "#VALUE!");
    EXPECT_EQ(calc("=SECTIONSIZE(\"IPE300\",4)"), "#VALUE!");
    EXPECT_EQ(calc("=SECTIONSIZE(\"HEA999\",1)"), "#VALUE!");
    EXPECT_EQ(calc("=SECTIONSIZE(\"IPE300\",1E300)"), "#VALUE!");
    EXPECT_EQ(calc("=GETSYSNAME(\"IPE 300\")"), "IPE300");
    EXPECT_EQ(calc("=GETSYSNAME(\"Plate 20\")"), "Plate 20");
}

TEST_F(StandardsFunctionsTest, QuotesAroundATextArgumentAreDropped) {
    // A text that arrives with its own quotes, as a quoted general variable inside a text
    // would: one quote is removed at each end, no more.
    EXPECT_EQ(calc("=GETSYSNAME(\"\"\"IPE 300\"\"\")"), "IPE300");
    EXPECT_EQ(calc("=GETSYSNAME(\"\"\"IPE 300\")"), "IPE300");
    EXPECT_EQ(calc("=GETARRAYITEM(\"\"\"\"\"a;b\"\"\"\"\",1)"), "\"a");
    EXPECT_EQ(calc("=TONUMBER(\"\"\"12\"\"\")"), "12");
}

TEST_F(StandardsFunctionsTest, TextResultsAndDeclinedCallsLeaveNoMemoryBehind) {
    library->put("Data/Bolts.dat", "20;M\t330\n");
    const std::size_t before = win::liveGlobalBlocks();
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(calc("=GETCELL(\"Bolts.dat\",20,\"M\")"), "330");
        EXPECT_EQ(calc("=GETCELL(\"Bolts.dat\",21,\"M\")"), "#VALUE!");
        EXPECT_EQ(calc("=GETSYSNAME(\"IPE 300\")"), "IPE300");
    }
    EXPECT_EQ(win::liveGlobalBlocks(), before);
}

TEST_F(StandardsFunctionsTest, ArrayItemsCountFromOne) {
    EXPECT_EQ(calc("=GETARRAYITEM(\"a;b;c\",2)"), "b");
    EXPECT_EQ(calc("=GETARRAYITEM(\"a;b;c\",3.7)"), "c");
    EXPECT_EQ(calc("=GETARRAYITEM(\"a;b;c\",0)"), "");
    EXPECT_EQ(calc("=GETARRAYITEM(\"a;b;c\",4)"), "");
    EXPECT_EQ(calc("=GETARRAYITEM(\"a;b;c\",-1E300)"), "");
    EXPECT_EQ(calc("=ISBLANK(GETARRAYITEM(\"a;b;c\",4))"), calc("=ISBLANK(A39)"));
    EXPECT_EQ(calc("=GETARRAYITEM(5,1)"), "#VALUE!");
}

TEST_F(StandardsFunctionsTest, TextsToNumbersAndTests) {
    EXPECT_EQ(calc("=TONUMBER(\"12.5mm\")"), "12.5");
    EXPECT_EQ(calc("=TONUMBER(\"mm\")"), "0");
    EXPECT_EQ(calc("=TONUMBER(12)"), "#VALUE!");

    EXPECT_EQ(calc("=ISNULL(\"0\")"), "0");
    EXPECT_EQ(calc("=ISNULL(0)"), "1");
    EXPECT_EQ(calc("=ISNULL(0.5)"), "0");
    EXPECT_EQ(calc("=ISNULL(\"\")"), "1");
    EXPECT_EQ(calc("=ISNULL(A38)"), "1");        // an empty cell
    EXPECT_EQ(calc("=ISNULL(1/0)"), "#VALUE!");  // an error value is neither

    EXPECT_EQ(calc("=ISPOSITIVE(\"abc\")"), "0");
    EXPECT_EQ(calc("=ISPOSITIVE(\"3 mm\")"), "1");
    EXPECT_EQ(calc("=ISPOSITIVE(\"-3\")"), "0");
    EXPECT_EQ(calc("=ISPOSITIVE(0.001)"), "1");
    EXPECT_EQ(calc("=ISPOSITIVE(-2)"), "0");
    EXPECT_EQ(calc("=ISPOSITIVE(\"\")"), "0");
    EXPECT_EQ(calc("=ISPOSITIVE(A38)"), "0");
}

TEST_F(StandardsFunctionsTest, NearestStandardSizeTiesGoBelow) {
    library->put("Data/Sizes.txt", "100\n110\n");
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"Sizes.txt\",5,104,5,5)"), "100");
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"Sizes.txt\",5,105,5,5)"), "100");
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"Sizes.txt\",5,106,5,5)"), "110");
    // The nearer one lies outside its tolerance; the farther one fits.
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"Sizes.txt\",5,104,3,6)"), "110");
    EXPECT_EQ(messageCount(), 0);
}

TEST_F(StandardsFunctionsTest, WithoutAFittingSizeTheValueIsRoundedWithinTheBand) {
    library->put("Data/One.txt", "100\n");
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"One.txt\",5,104,2,2)"), "105");
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"One.txt\",5,104,2,0.5)"), "104");
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"One.txt\",5,101.5,2,2)"), "100");  // the size fits
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"One.txt\",5,113,2,2)"), "115");
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"One.txt\",5,112,3,2)"), "110");  // down is nearer
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"One.txt\",0,113.3,2,2)"), "113.3");
    // A missing file offers no sizes: rounding only.
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"Missing.txt\",5,102,2,2)"), "100");
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"Missing.txt\",\"5\",102,2,2)"), "#VALUE!");
}

TEST_F(StandardsFunctionsTest, WidthsOfTheThicknessAndThicknessesInFileOrder) {
    library->put("Data/Plates.txt",
                 "/* width x thickness; a width alone fits every thickness\n"
                 "   140x12 would be here */\n"
                 "130x10\n"
                 "150x12 // only for 12\n"
                 "100\n"
                 "120x10\n");
    // Widths for 10: 100, 120, 130 (sorted); 125 lies 5 from 120 and 130.
    EXPECT_EQ(calc("=STDWIDTHWITHTOLERANCE(\"Plates.txt\",5,10,125,10,10)"), "120");
    // 150 is for 12 only, 130 lies too far below: rounded to the step instead.
    EXPECT_EQ(calc("=STDWIDTHWITHTOLERANCE(\"Plates.txt\",5,10,146,10,10)"), "145");
    EXPECT_EQ(calc("=STDWIDTHWITHTOLERANCE(\"Plates.txt\",5,12,146,10,10)"), "150");
    // Thicknesses: 10, 12, 0, 10.
    EXPECT_EQ(calc("=STDTHICKNESSWITHTOLERANCE(\"Plates.txt\",1,11,1,1)"), "10");
    EXPECT_EQ(calc("=STDTHICKNESSWITHTOLERANCE(\"Plates.txt\",1,11.5,1,1)"), "12");
    EXPECT_EQ(calc("=STDTHICKNESSWITHTOLERANCE(\"Plates.txt\",1,1,1,1)"), "0");
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"Plates.txt\",5,148,5,5)"), "150");
    EXPECT_EQ(calc("=STDWIDTHWITHTOLERANCE(\"Plates.txt\",5,\"10\",125,10,10)"), "#VALUE!");
}

TEST_F(StandardsFunctionsTest, InvalidTolerancesAreReportedAndStillGiveAValue) {
    library->put("Data/Sizes.txt", "100\n110\n");
    const std::string result = calc("=STDSIZEWITHTOLERANCE(\"Sizes.txt\",5,104,-3,1)");
    EXPECT_NE(result, "#VALUE!");
    EXPECT_NE(result, "");
    ASSERT_EQ(messageCount(), 1);
    const win::MessageBoxRecord& box = win::user::messageBoxes()[0];
    EXPECT_EQ(box.text,
              "Invalid tolerances provided.\n DownTolerance is :-3UpTolerance is :1\n"
              "Adding both tolerances should result in a positive value.");
    EXPECT_EQ(box.type & MB_ICONMASK, MB_ICONEXCLAMATION);

    gSettings.current().setStandardsMessages(false);
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"Sizes.txt\",5,104,0,0)", 2), "104");
    EXPECT_EQ(messageCount(), 1);
}

}  // namespace

namespace {

// The data and size files of the bundled library, as the sample standard uses them.
class SampleLibraryFunctionsTest : public StandardsSheetTest {
protected:
    void SetUp() override {
        StandardsSheetTest::SetUp();
        gSettings.setLibraryFolder(std::string(MDX_SOURCE_DIR) + "/examples");
        ASSERT_TRUE(registerStandardsFunctions(*sheet));
    }
};

TEST_F(SampleLibraryFunctionsTest, BoltDataAndPlateSizesOfTheSampleLibrary) {
    EXPECT_EQ(calc("=GETCELL(\"Bolts.dat\",20,\"Hole\")"), "22");
    EXPECT_EQ(calc("=GETCELL(\"Bolts.dat\",24,\"As\")"), "353");
    EXPECT_EQ(calc("=GETCELL(\"Bolts.dat\",22,\"Hole\")"), "#VALUE!");
    // Thicknesses are the second numbers: a plain list offers only zeros to it, so the
    // value is rounded; as sizes, the list is the first numbers.
    EXPECT_EQ(calc("=STDTHICKNESSWITHTOLERANCE(\"PlateThickness.txt\",1,13.2,0,5)"), "14");
    EXPECT_EQ(calc("=STDSIZEWITHTOLERANCE(\"PlateThickness.txt\",1,13.2,0,5)"), "15");
    EXPECT_EQ(calc("=STDTHICKNESSWITHTOLERANCE(\"PlateWidth.txt\",1,13.2,0,5)"), "15");
    // The flat bar 170x15 exists only in 15.
    EXPECT_EQ(calc("=STDWIDTHWITHTOLERANCE(\"PlateWidth.txt\",1,15,172,3,0)"), "170");
    EXPECT_EQ(calc("=STDWIDTHWITHTOLERANCE(\"PlateWidth.txt\",1,10,172,3,0)"), "172");
    EXPECT_EQ(calc("=STDWIDTHWITHTOLERANCE(\"PlateWidth.txt\",1,10,182,3,0)"), "180");
}

}  // namespace
