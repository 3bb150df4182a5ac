// mdx cutstock and the lists dialog in mdx run, end to end.
#include "MdxBuildPaths.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "testing/MdxProcess.h"

namespace {

using mdx_testing::quoted;
using mdx_testing::readFile;
using mdx_testing::runMdx;
using mdx_testing::ScratchFolder;

TEST(MdxCutstock, ListsAreListedShownAndExtendedInsideTheirGroupFolder) {
    ScratchFolder scratch;
    const std::string library = " --library " + quoted(scratch.path());
    auto run = runMdx("cutstock add Columns Stock1.shp HEA200 6000 4" + library);
    ASSERT_EQ(run.status, 0) << run.out;
    run = runMdx("cutstock add Columns Stock1.shp HEB300 12000 1" + library);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(readFile(scratch / "Cutting Stock" / "Columns" / "Stock1.shp"),
              "HEA200\xBF" "6000\xBF" "4\r\nHEB300\xBF" "12000\xBF" "1\r\n");
    run = runMdx("cutstock show Columns Stock1.shp" + library);
    EXPECT_EQ(run.out, "HEA200\t6000\t4\nHEB300\t12000\t1\n");
    run = runMdx("cutstock list" + library);
    EXPECT_NE(run.out.find("Stock1.shp"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2 records  (latest)"), std::string::npos) << run.out;

    run = runMdx("cutstock add .. Stock1.shp x" + library);
    EXPECT_EQ(run.status, 2);
    run = runMdx("cutstock add Columns ../../evil.shp x" + library);
    EXPECT_EQ(run.status, 2);
    run = runMdx("cutstock add Columns Stock1.shp " + std::string("'a\xC2\xBF" "b'") + library);
    EXPECT_EQ(run.status, 2) << run.out;
    EXPECT_FALSE(std::filesystem::exists(scratch.path().parent_path() / "evil.shp"));
    run = runMdx("cutstock show Columns Stock1.shp" + library);
    EXPECT_EQ(run.out, "HEA200\t6000\t4\nHEB300\t12000\t1\n") << "refused records left no trace";
}

TEST(MdxCutstock, TheListsDialogPlaysInAScenario) {
    const auto run =
        runMdx("run " + quoted(std::filesystem::path(MDX_SOURCE_DIR) / "examples/scenarios/cutting-stock.json"));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("StartDlgCSP2 returned {\"groups\":[\"Columns\",\"Beams\"],"
                           "\"list1\":{\"Columns\":[[\"C1\",\"3200\",\"4\"]]},"
                           "\"list2\":{\"Beams\":[[\"IPE300\",\"7500\",\"3\"],"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"result\":true"), std::string::npos) << run.out;
}

}  // namespace
