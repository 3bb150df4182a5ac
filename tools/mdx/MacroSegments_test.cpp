// mdx macro show on a drawing whose stiffeners are made of segments: the file loads and the
// section tab lists the segments; an unsegmented drawing lists none. mdx macro set replaces
// the segments through the tab's apply: a list the profiles cannot take changes nothing.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

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

class MacroSetSegments : public mdx_testing::SampleDrawingCopy {
protected:
    void SetUp() override { copySample("EndPlate_segments.json", "segments.json"); }
    MdxRun set(const std::string& assignment, bool write = true) {
        return mdx_testing::runMdx("macro set " + mdx_testing::quoted(drawing) +
                                   " EndPlate_IPE_HEA \"" + assignment + "\"" +
                                   (write ? " --write" : ""));
    }
};

TEST_F(MacroSetSegments, AListIsWrittenAndABadOneChangesNothing) {
    for (const auto& [assignment, status] :
         std::vector<std::pair<std::string, int>>{{"Stiffeners.segments=0:PL10*140", 8},
                                                  {"Stiffeners.segments=75:", 8},
                                                  {"Stiffeners.segments=75", 2},
                                                  {"Plate.segments=75:PL10*140", 2}}) {
        const MdxRun run = set(assignment);
        EXPECT_EQ(run.status, status) << assignment << "\n" << run.out;
        EXPECT_EQ(readFile(drawing), original) << assignment;
    }
    MdxRun run = set("Stiffeners.segments= 75:PL10*140;;40 : PL12*140;", false);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(readFile(drawing), original) << "written only with --write";
    run = set("Stiffeners.segments= 75:PL10*140;;40 : PL12*140;");
    ASSERT_EQ(run.status, 0) << run.out;
    run = mdx_testing::runMdx("macro show " + mdx_testing::quoted(drawing) + " EndPlate_IPE_HEA");
    EXPECT_NE(run.out.find("Stiffeners.segments: \"75\" \"PL10*140\"; \"40\" \"PL12*140\";\n"),
              std::string::npos)
        << run.out;
}

}  // namespace
