// mdx sheet show and calc on sheets that declare more than they hold, and as JSON.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "testing/MdxProcess.h"

namespace {

using namespace mdx_testing;

TEST(SheetLimits, TheLargestDeclaredGridIsWorkedOnByItsUsedRange) {
    ScratchFolder scratch;
    // 40 bytes that declare 16384 columns and 1048576 rows.
    writeFile(scratch / "huge.sss", "MDX-SHEET 1\nsize 16384 1048576\nend\n");
    writeFile(scratch / "some.sss",
              "MDX-SHEET 1\nsize 16384 1048576\ncell 2 3 s \"x\"\ncell 1 1 s \"y\"\nend\n");
    for (const char* command : {"sheet show", "sheet calc"}) {
        const MdxRun empty = runMdx(std::string(command) + " " + quoted(scratch / "huge.sss"));
        EXPECT_EQ(empty.status, 0) << command << "\n" << empty.out;
        EXPECT_LT(empty.out.size(), 100u) << empty.out;
        const MdxRun some = runMdx(std::string(command) + " " + quoted(scratch / "some.sss"));
        EXPECT_EQ(some.status, 0) << some.out;
        EXPECT_NE(some.out.find("\n3  "), std::string::npos) << "rows up to the last used";
        EXPECT_EQ(some.out.find("\n4"), std::string::npos) << some.out;
    }
}

TEST(SheetLimits, ExportWritesTheUsedRangeOfTheLargestDeclaredGrid) {
    ScratchFolder scratch;
    writeFile(scratch / "some.sss",
              "MDX-SHEET 1\nsize 16384 1048576\ncell 2 3 s \"x\"\ncell 1 1 s \"y\"\nend\n");
    for (const char* format : {"tsv", "csv", "xlsx"}) {
        const std::string out = std::string("some.") + format;
        const MdxRun run = runMdx("sheet export " + quoted(scratch / "some.sss") + " " +
                                  quoted(scratch / out));
        EXPECT_EQ(run.status, 0) << format << "\n" << run.out;
        EXPECT_NE(run.out.find("3 rows, 2 columns"), std::string::npos) << run.out;
    }
    EXPECT_EQ(readFile(scratch / "some.tsv"), "y\t\n\t\n\tx\n");
}

TEST(SheetLimits, ImportAndExportFailWhenTheirReportCannotBePrinted) {
    ScratchFolder scratch;
    writeFile(scratch / "in.tsv", "a\tb\n1\t2\n");
    const MdxRun imported = runShell(std::string(MDX_EXE) + " sheet import " +
                                     quoted(scratch / "in.tsv") + " " +
                                     quoted(scratch / "out.sss") + " >/dev/full 2>/dev/null");
    EXPECT_EQ(imported.status, 12);
    const MdxRun exported = runShell(std::string(MDX_EXE) + " sheet export " +
                                     quoted(scratch / "out.sss") +
                                     " - --format csv >/dev/full 2>/dev/null");
    EXPECT_EQ(exported.status, 12);
}

TEST(SheetLimits, JsonListsTheCellsThatHoldSomething) {
    const MdxRun run = runMdx("sheet calc --json '" + kSourceDir +
                                  "/examples/sheets/bolt-shear-check.sss' --set B7=1200",
                              false);
    ASSERT_EQ(run.status, 0) << run.out;
    const nlohmann::json document = nlohmann::json::parse(run.out, nullptr, false);
    ASSERT_TRUE(document.is_object()) << run.out;
    bool sawSet = false, sawFormula = false;
    for (const nlohmann::json& cell : document["cells"]) {
        if (cell["cell"] == "B7") sawSet = cell["number"] == 1200;
        sawFormula = sawFormula || cell.contains("formula");
    }
    EXPECT_TRUE(sawSet) << run.out;
    EXPECT_TRUE(sawFormula) << run.out;
}

}  // namespace
