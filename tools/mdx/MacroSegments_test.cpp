// mdx macro show on a drawing whose stiffeners are made of segments: the file loads and the
// section tab lists the segments; an unsegmented drawing lists none.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "testing/SampleMacroCommand.h"

namespace {

using mdx_testing::MdxRun;
using mdx_testing::readFile;

using MacroSegments = mdx_testing::SampleMacroCommand;

TEST_F(MacroSegments, ShowListsTheSegmentsOfASegmentedModuleOnly) {
    MdxRun run = macro("show");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find(".segments:"), std::string::npos) << run.out;

    // The segments follow the last placement of the stiffeners' module.
    std::string text = original;
    const std::string last = "[\"placement.member\", \"text\", \"ST2\"],\n        [\"placement.profile\", \"id\", \"6\"],\n";
    const auto at = text.find(last);
    ASSERT_NE(at, std::string::npos);
    text.insert(at + last.size(),
                "        [\"segments\", \"int\", 2],\n"
                "        [\"segment.length\", \"text\", \"1200\"],\n"
                "        [\"segment.section\", \"text\", \"IPE300\"],\n"
                "        [\"segment.length\", \"text\", \"800\"],\n"
                "        [\"segment.section\", \"text\", \"IPE240\"],\n");
    std::ofstream(drawing, std::ios::binary) << text;
    run = macro("show");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("Stiffeners.segments: \"1200\" \"IPE300\"; \"800\" \"IPE240\";"),
              std::string::npos)
        << run.out;
}

}  // namespace
