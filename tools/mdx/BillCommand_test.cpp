// mdx bill, end to end on the sample feed.
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
using mdx_testing::writeFile;

const std::filesystem::path kFeed = std::string(MDX_SOURCE_DIR) + "/examples/bills/frame-bill.json";

TEST(MdxBill, TheSampleFeedIsLaidOutSavedAndDrawn) {
    ScratchFolder scratch;
    const auto run = runMdx("bill " + quoted(kFeed) + " --settings Bill --out " +
                            quoted(scratch / "frame.sss") + " --png " + quoted(scratch / "frame.png"));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("(8 rows, 5 columns)"), std::string::npos) << run.out;
    EXPECT_EQ(readFile(scratch / "frame.png").substr(1, 3), "PNG");
    EXPECT_TRUE(std::filesystem::exists(scratch / "frame_pictures" / "row2.bmp"));
    const auto shown = runMdx("sheet show " + quoted(scratch / "frame.sss"));
    ASSERT_EQ(shown.status, 0) << shown.out;
    EXPECT_NE(shown.out.find("IPE300"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("2063.7"), std::string::npos) << "the total, one decimal";

    const auto csv = runMdx("bill " + quoted(kFeed) + " --out " + quoted(scratch / "frame.csv"));
    ASSERT_EQ(csv.status, 0) << csv.out;
    EXPECT_NE(readFile(scratch / "frame.csv").find("B2,IPE240,5,5000.0,768.0"), std::string::npos)
        << readFile(scratch / "frame.csv");
}

TEST(MdxBill, BadFeedsAndNamesAreRefusedAndWriteNothing) {
    ScratchFolder scratch;
    writeFile(scratch / "bad.json", R"({"columns": [{"name": "A", "kind": "money"}], "feed": []})");
    auto run = runMdx("bill " + quoted(scratch / "bad.json") + " --out " + quoted(scratch / "b.sss"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("unknown column kind \"money\""), std::string::npos) << run.out;
    writeFile(scratch / "cut.json", R"({"columns": [{"name": "A"}], "feed": [{"row": ["x"]})");
    run = runMdx("bill " + quoted(scratch / "cut.json") + " --out " + quoted(scratch / "b.sss"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("not a bill feed"), std::string::npos) << run.out;
    run = runMdx("bill " + quoted(kFeed) + " --settings ../Bill --out " + quoted(scratch / "b.sss"));
    EXPECT_EQ(run.status, 2) << run.out;
    run = runMdx("bill " + quoted(kFeed) + " --out " + quoted(scratch / "b.xlsx"));
    EXPECT_EQ(run.status, 2) << run.out;
    EXPECT_FALSE(std::filesystem::exists(scratch / "b.sss"));
    // A picture named outside the feed's folder is never read.
    for (const char* picture : {"../secret.bmp", "/etc/hosts", "pictures/../../x.bmp"}) {
        writeFile(scratch / "far.json", std::string(R"({"columns": [{"name": "A"}], "feed": [],
            "pictures": {"C1": ")") + picture + "\"}}");
        run = runMdx("bill " + quoted(scratch / "far.json") + " --out " + quoted(scratch / "b.sss"));
        EXPECT_EQ(run.status, 2) << picture;
        EXPECT_NE(run.out.find("must be a file inside the feed's folder"), std::string::npos)
            << run.out;
    }
    EXPECT_FALSE(std::filesystem::exists(scratch / "b.sss"));
    writeFile(scratch / "plain", "a file, not a folder");
    run = runMdx("bill " + quoted(kFeed) + " --out " + quoted(scratch / "plain" / "b.sss"));
    EXPECT_EQ(run.status, 1) << run.out;
}

}  // namespace
