// The macro editor in mdx run: the example scenario drives the editor on the sample drawing
// through clicks and typing, and the result shows what the drawing holds afterwards; the
// drawing file itself is never written.
#include "MdxBuildPaths.h"
#include <gtest/gtest.h>

#include <string>

#include "testing/MdxProcess.h"

namespace {

TEST(ScenarioMacroEditor, TheExampleAddsAndEditsRulesThroughThePagesAndLeavesTheFile) {
    const std::string drawing =
        std::string(MDX_SOURCE_DIR) + "/examples/drawings/EndPlate_IPE300_HEA300.json";
    const std::string before = mdx_testing::readFile(drawing);
    const mdx_testing::MdxRun run = mdx_testing::runMdx(
        "run " + std::string(MDX_SOURCE_DIR) + "/examples/scenarios/macro-editor.json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    for (const char* expected :
         {"C1: Distance Plate1 - Prof1, value \\\"25\\\", variable \\\"EndGap\\\", exact, "
          "driving, options 2 1",
          "C2: Parallel Plate1 - Prof0, driving, options 1",
          "Plate1 (Plate PL20*200): fixed, constrained", "L1 = 18 (type 0)", "EndGap = 25",
          "  Module1\"]", "\"constraints\":[\"Module BeamEnd: 0 constraints\""})
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
    EXPECT_EQ(mdx_testing::readFile(drawing), before);
}

// Two positions for three placing clicks: the third pick is cancelled and adds nothing. The
// placed pattern is then an object of the page: constrained and renamed there.
TEST(ScenarioMacroEditor, ThePlacingToolsPutWhatTheyPlaceAtThePickedPoints) {
    const mdx_testing::MdxRun run = mdx_testing::runMdx(
        "run " + std::string(MDX_SOURCE_DIR) + "/examples/scenarios/macro-editor-placing.json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"placed\":[\"pattern BoltPattern\",\"pattern Anchors at (0, 120, 0)\","
                           "\"coordinate system CS1 at (35, 0, -10)\"]"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"  Anchors (Bolt pattern 0, 120, 0): fixed, constrained\""),
              std::string::npos)
        << run.out;
}

// The object page's context menu removes the placed coordinate system; the module's own
// pattern is refused with a message and stays.
TEST(ScenarioMacroEditor, TheObjectPageRemovesOnlyPlacedObjects) {
    const mdx_testing::MdxRun run = mdx_testing::runMdx(
        "run " + std::string(MDX_SOURCE_DIR) + "/examples/scenarios/macro-editor-remove-placed.json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"placed\":[\"pattern BoltPattern\",\"pattern Pattern1 at (0, 120, 0)\"]"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("message box \"Objects\": \"Only a bolt pattern"), std::string::npos)
        << run.out;
}

TEST(ScenarioMacroEditor, AnUnknownMacroIsAnsweredNotCrashedOn) {
    const std::string drawing =
        std::string(MDX_SOURCE_DIR) + "/examples/drawings/EndPlate_IPE300_HEA300.json";
    mdx_testing::ScratchFolder scratch;
    const std::string file = (scratch / "bad.json").string();
    mdx_testing::writeFile(file,
                           "{\"format\": \"mdx-scenario\", \"version\": 1, \"steps\": ["
                           "{\"step\": \"load\"}, {\"step\": \"call\", \"launch\": "
                           "\"StartDlgEditConstrModal\", \"args\": {\"drawing\": \"" +
                               drawing + "\", \"macro\": \"Nothing\"}}, {\"step\": \"unload\"}]}");
    const mdx_testing::MdxRun run = mdx_testing::runMdx("run " + file);
    EXPECT_NE(run.out.find("\"result\":false"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("no macro \\\"Nothing\\\""), std::string::npos) << run.out;
}

TEST(ScenarioMacroCuts, TheExampleIsRefusedUntilModuleAndValuesAreRightAndEscapeIsTold) {
    const mdx_testing::MdxRun run = mdx_testing::runMdx(
        "run " + std::string(MDX_SOURCE_DIR) + "/examples/scenarios/macro-cuts.json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    for (const char* expected :
         {"\"flags\":[true,false,false,false],\"module\":\"EndPlate\",\"name\":\"Notch1\"",
          "\"values\":[\"20\",\"0\",\"NotchGap\",\"0\"]},\"result\":true",
          "message box \"No module\"", "message box \"Invalid input\"",
          "message box \"Name in use\"",
          "\"macro\":\"8\",\"module\":\"EndPlate\",\"name\":\"Chamfer2\"",
          "\"name\":\"Chamfer\",\"prefix\":\"\",\"source\":1,\"type\":5,"
          "\"valueNames\":[\"Offset1\",\"Offset2\"],\"values\":[\"15\",\"20\"]},"
          "\"result\":true",
          "{\"escaped\":true"})
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
}

}  // namespace
