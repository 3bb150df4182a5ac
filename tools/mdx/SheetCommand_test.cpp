// End to end: the built mdx run on the bundled sample sheet and on files of its own.
#include <gtest/gtest.h>

#include <string>

#include "testing/MdxProcess.h"

namespace {

using namespace mdx_testing;

const std::string kSample = kSourceDir + "/examples/sheets/bolt-shear-check.sss";
const std::string kEndPlate = kSourceDir + "/examples/Connection Standards/EndPlate.kvs";

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(SheetCommand, DemoCalculatesTheSampleCheck) {
    const MdxRun run = runMdx("demo");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "Tensile stress area            245")) << run.out;
    EXPECT_TRUE(contains(run.out, "564.48")) << run.out;
    EXPECT_TRUE(contains(run.out, "Verdict                        OK")) << run.out;
}

TEST(SheetCommand, CalcAppliesSetValuesBeforeCalculating) {
    const MdxRun run = runMdx("sheet calc '" + kSample + "' --set B7=1200");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "2.126")) << run.out;
    EXPECT_TRUE(contains(run.out, "FAILS")) << run.out;
}

TEST(SheetCommand, ShowFormulasPrintsTheFormulaTexts) {
    const MdxRun run = runMdx("sheet show '" + kSample + "' --formulas");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "=B4*B5")) << run.out;
}

TEST(SheetCommand, ShowReadsAStandardsSpreadsheet) {
    const MdxRun run = runMdx("sheet show '" + kEndPlate + "'");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "Double Thickness")) << run.out;
    EXPECT_TRUE(contains(run.out, "CallChild(\"BoltLayout.kvs\"")) << run.out;
    EXPECT_FALSE(contains(run.out, "A A")) << "an unnamed header shows its letters once";
}

TEST(SheetCommand, BadInputIsRefusedWithAnExitCodeAndAReason) {
    ScratchFolder folder;
    MdxRun run = runMdx("sheet show /nonexistent/sheet.sss");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(contains(run.out, "/nonexistent/sheet.sss: no such file")) << run.out;

    writeFile(folder / "cut.sss", "MDX-SHEET 1\nsize 2 2\ncell 1 1 s \"a\"\n");
    run = runMdx("sheet calc " + quoted(folder / "cut.sss"));
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(contains(run.out, "cut.sss: line 3: file is cut short")) << run.out;

    run = runMdx("sheet calc '" + kSample + "' --set 7B=1");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(contains(run.out, "is not CELL=TEXT")) << run.out;
    EXPECT_EQ(runMdx("sheet calc '" + kSample + "' --set B0=1").status, 2);
    run = runMdx("sheet calc '" + kSample + "' --set D1=1");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(contains(run.out, "the sheet has 3 columns")) << run.out;
    run = runMdx("sheet calc '" + kSample + "' --set 'C1==SUM(1'");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(contains(run.out, "refused the text")) << run.out;
}

TEST(SheetCommand, ImportAndExportCarryTheGridBetweenForms) {
    ScratchFolder folder;
    writeFile(folder / "bolts.tsv", "Size\tHole\tNote\n12\t13\tM12, fine\n16\t18\t\"quoted\"\n");
    MdxRun run =
        runMdx("sheet import " + quoted(folder / "bolts.tsv") + " " + quoted(folder / "bolts.sss"));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "3 rows, 3 columns")) << run.out;
    EXPECT_EQ(readFile(folder / "bolts.sss").rfind("MDX-SHEET 1\n", 0), 0u);

    run = runMdx("sheet export " + quoted(folder / "bolts.sss") + " " + quoted(folder / "b.csv"));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(readFile(folder / "b.csv"),
              "Size,Hole,Note\n12,13,\"M12, fine\"\n16,18,\"\"\"quoted\"\"\"\n");
    run = runMdx("sheet export " + quoted(folder / "b.csv") + " " + quoted(folder / "b.tsv"));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(readFile(folder / "b.tsv"), readFile(folder / "bolts.tsv"));
}

TEST(SheetCommand, PlainGridsAreUtf8OutsideAndWindows1252Inside) {
    ScratchFolder folder;
    writeFile(folder / "areas.tsv", "Area\tUnit\n245\tmm\xC2\xB2\n");
    ASSERT_EQ(
        runMdx("sheet import " + quoted(folder / "areas.tsv") + " " + quoted(folder / "areas.sss"))
            .status,
        0);
    EXPECT_TRUE(contains(readFile(folder / "areas.sss"), "\"mm\xB2\""))
        << "the sheet keeps its single-byte text";
    const MdxRun shown = runMdx("sheet show " + quoted(folder / "areas.sss"));
    EXPECT_TRUE(contains(shown.out, "2  245   mm\xC2\xB2\n")) << shown.out;
    ASSERT_EQ(
        runMdx("sheet export " + quoted(folder / "areas.sss") + " " + quoted(folder / "back.tsv"))
            .status,
        0);
    EXPECT_EQ(readFile(folder / "back.tsv"), readFile(folder / "areas.tsv"));

    writeFile(folder / "windows.csv", "Unit\nmm\xB2\n");  // not UTF-8: Windows-1252
    ASSERT_EQ(runMdx("sheet import " + quoted(folder / "windows.csv") + " " +
                     quoted(folder / "windows.sss"))
                  .status,
              0);
    EXPECT_TRUE(contains(readFile(folder / "windows.sss"), "\"mm\xB2\""));
}

TEST(SheetCommand, ExportWritesCalculatedValuesNotFormulas) {
    ScratchFolder folder;
    const MdxRun run = runMdx("sheet export '" + kSample + "' " + quoted(folder / "check.tsv"));
    ASSERT_EQ(run.status, 0) << run.out;
    const std::string table = readFile(folder / "check.tsv");
    EXPECT_TRUE(contains(table, "564.48")) << table;
    EXPECT_FALSE(contains(table, "=B4")) << table;
}

TEST(SheetCommand, AFailedConversionLeavesTheOutputAsItWas) {
    ScratchFolder folder;
    writeFile(folder / "open.csv", "a,b\n1,\"never\n2,3\n");
    writeFile(folder / "keep.sss", "previous");
    MdxRun run =
        runMdx("sheet import " + quoted(folder / "open.csv") + " " + quoted(folder / "keep.sss"));
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(contains(run.out, "open.csv: line 2: a quoted field never closes")) << run.out;
    EXPECT_EQ(readFile(folder / "keep.sss"), "previous");

    writeFile(folder / "bad.sss", "MDX-SHEET 1\nsize 2 2\ncell 1 1 q\nend\n");
    writeFile(folder / "keep.tsv", "previous");
    run = runMdx("sheet export " + quoted(folder / "bad.sss") + " " + quoted(folder / "keep.tsv"));
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(contains(run.out, "bad.sss: line 3: bad cell record")) << run.out;
    EXPECT_EQ(readFile(folder / "keep.tsv"), "previous");

    run = runMdx("sheet export '" + kSample + "' " + quoted(folder / "missing" / "x.tsv"));
    EXPECT_EQ(run.status, 1) << "a write that cannot happen";
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST(SheetCommand, ConversionsRefuseTheWrongForms) {
    ScratchFolder folder;
    writeFile(folder / "a.tsv", "1\t2\n");
    EXPECT_EQ(runMdx("sheet import '" + kSample + "' " + quoted(folder / "x.sss")).status, 2)
        << "import reads plain grids only";
    EXPECT_EQ(
        runMdx("sheet import " + quoted(folder / "a.tsv") + " " + quoted(folder / "x.csv")).status,
        2)
        << "a plain grid is written by export";
    EXPECT_EQ(runMdx("sheet export '" + kSample + "' " + quoted(folder / "x.sss")).status, 2);
    EXPECT_FALSE(std::filesystem::exists(folder / "x.sss"));
    EXPECT_FALSE(std::filesystem::exists(folder / "x.csv"));
}

TEST(SheetCommand, ExportToStandardOutputAndToAWorkbook) {
    ScratchFolder folder;
    const MdxRun toFile =
        runMdx("sheet export '" + kSample + "' " + quoted(folder / "check.tsv"));
    ASSERT_EQ(toFile.status, 0) << toFile.out;
    const MdxRun piped = runMdx("sheet export '" + kSample + "' - --format tsv", false);
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(piped.out, readFile(folder / "check.tsv")) << "the same bytes, nothing else";
    const MdxRun unnamed = runMdx("sheet export '" + kSample + "' -");
    EXPECT_EQ(unnamed.status, 2);
    EXPECT_TRUE(contains(unnamed.out, "needs --format")) << unnamed.out;

    // Formulas travel as formulas: the workbook read back calculates as the sheet did.
    ASSERT_EQ(runMdx("sheet export '" + kSample + "' " + quoted(folder / "check.xlsx")).status, 0);
    ASSERT_EQ(runMdx("sheet import " + quoted(folder / "check.xlsx") + " " +
                     quoted(folder / "back.sss"))
                  .status,
              0);
    const MdxRun back = runMdx("sheet show " + quoted(folder / "back.sss") + " --formulas");
    EXPECT_TRUE(contains(back.out, "=B4*B5")) << back.out;
    EXPECT_EQ(runMdx("sheet export " + quoted(folder / "back.sss") + " - --format tsv", false).out,
              piped.out);
}

TEST(SheetCommand, HelpExplainsTheExitCodes) {
    const MdxRun run = runMdx("sheet import --help");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(contains(run.out, "mdx sheet import sizes.tsv")) << run.out;
    EXPECT_TRUE(contains(run.out, "Exit codes: 0 done")) << run.out;
}

}  // namespace
