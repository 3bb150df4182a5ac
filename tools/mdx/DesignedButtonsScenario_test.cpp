// mdx run on the designed-buttons scenario: the clicks on a designed pattern button, a
// designed group settings button and the segments button of the modeless macro dialog reach
// the loaded drawing, and the example drawing file stays as it was.
#include "MdxBuildPaths.h"
#include <gtest/gtest.h>

#include <string>

#include "testing/MdxProcess.h"

namespace {

const std::string kExamples = std::string(MDX_SOURCE_DIR) + "/examples/";

TEST(MdxRunDesignedButtons, PatternGroupAndSegmentsReachTheDrawing) {
    const std::string drawing = kExamples + "drawings/EndPlate_segments.json";
    const std::string before = mdx_testing::readFile(drawing);
    const mdx_testing::MdxRun run =
        mdx_testing::runMdx("run " + kExamples + "scenarios/designed-buttons.json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("not used"), std::string::npos) << run.out;
    for (const char* line :
         {R"(Bolts.BoltPattern: count1 \"4\", count2 \"3\", spacing \"90\")",
          R"(member \"ST2-east\")", R"(member \"ST1\")",
          R"(Stiffeners.segments: \"75\" \"PL10*140\"; \"80\" \"PL10*140\"; \"40\" \"PL12*140\";)"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
    EXPECT_EQ(mdx_testing::readFile(drawing), before);
}

}  // namespace
