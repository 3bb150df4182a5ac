// mdx run on the macro dialog scenario: the user's steps on the pages of the modal and the
// modeless macro dialog reach the loaded drawing, and the sample drawing file stays as it was.
#include "MdxBuildPaths.h"
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "testing/MdxProcess.h"

namespace {

const std::string kExamples = std::string(MDX_SOURCE_DIR) + "/examples/";

// The part of the output from the step's line to the next step.
std::string stepOutput(const std::string& out, int step) {
    const std::string head = "> step " + std::to_string(step) + ":";
    const auto from = out.find(head);
    if (from == std::string::npos) return {};
    const auto to = out.find("> step " + std::to_string(step + 1) + ":", from);
    return out.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

TEST(MdxRunMacroDialog, ChangesOnThePagesReachTheDrawingAndTheFileIsNotWritten) {
    const std::string drawing = kExamples + "drawings/EndPlate_IPE300_HEA300.json";
    const std::string before = mdx_testing::readFile(drawing);
    const mdx_testing::MdxRun run =
        mdx_testing::runMdx("run " + kExamples + "scenarios/macro-dialog.json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("not used"), std::string::npos) << run.out;

    const std::string modal = stepOutput(run.out, 2);
    EXPECT_NE(modal.find(R"(Bolts.EdgeDist = \"45\")"), std::string::npos) << modal;
    EXPECT_NE(modal.find(R"(diameter \"24\")"), std::string::npos) << modal;
    EXPECT_NE(modal.find(R"(Stiffener1: section \"PL10*140\", offset \"Centre\", rotation \"90\")"),
              std::string::npos)
        << modal;
    EXPECT_NE(modal.find(R"(Stiffener2: section \"PL10*140\", offset \"Centre\", rotation \"0\")"),
              std::string::npos)
        << "the other group keeps its rotation\n" << modal;

    // The modeless window starts again from the file: the modal changes were never saved.
    const std::string modeless = stepOutput(run.out, 3);
    EXPECT_NE(modeless.find(R"(Bolts.EdgeDist = \"40\")"), std::string::npos) << modeless;
    EXPECT_NE(modeless.find(R"(Stiffeners.Gap = \"7.5\")"), std::string::npos) << modeless;
    EXPECT_NE(modeless.find(R"(rotation \"180\")"), std::string::npos) << modeless;
    EXPECT_NE(modeless.find(R"(Plate.L1 = \"18\")"), std::string::npos)
        << "the first tab's page is reached after the later pages of its template\n"
        << modeless;
    EXPECT_NE(stepOutput(run.out, 5).find("EndDlgMacroModeless returned {\"result\":true}"),
              std::string::npos);
    EXPECT_EQ(mdx_testing::readFile(drawing), before);
}

TEST(MdxRunMacroDialog, ADesignedPageTakesTypingAndTheFlexButtonThroughItsOwnControls) {
    const std::string drawing = kExamples + "drawings/EndPlate_designed.json";
    const std::string before = mdx_testing::readFile(drawing);
    const mdx_testing::MdxRun run =
        mdx_testing::runMdx("run " + kExamples + "scenarios/macro-dialog-designed.json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    const std::string modeless = stepOutput(run.out, 2);
    EXPECT_NE(modeless.find(R"(Plate.L1 = \"16\" (distance, fixed))"), std::string::npos)
        << "typed into the designed edit, then fixed by its flex button\n" << modeless;
    EXPECT_NE(modeless.find(R"(Plate.Clearance = \"3\")"), std::string::npos) << modeless;
    EXPECT_EQ(mdx_testing::readFile(drawing), before);
}

TEST(MdxRunMacroDialog, AMissingDrawingIsAFailedCallNotAnOpenDialog) {
    const std::string path = ::testing::TempDir() + "missing-drawing-scenario.json";
    std::ofstream(path) << R"({"format": "mdx-scenario", "version": 1, "steps": [
        {"step": "load"},
        {"step": "call", "launch": "StartDlgMacroModeless",
         "args": {"drawing": "{here}/no-such-drawing.json", "macro": "M"}},
        {"step": "call", "launch": "GetDlgMacroData", "args": {"slot": 0}},
        {"step": "call", "launch": "StartDlgMacro", "args": {"drawing": "x.json"}}]})";
    const mdx_testing::MdxRun run = mdx_testing::runMdx("run " + path);
    EXPECT_EQ(run.status, 2) << "a drawing without its macro is refused before anything runs\n"
                             << run.out;
    EXPECT_NE(run.out.find("\"drawing\" and \"macro\" go together"), std::string::npos) << run.out;
    std::ofstream(path) << R"({"format": "mdx-scenario", "version": 1, "steps": [
        {"step": "load"},
        {"step": "call", "launch": "StartDlgMacroModeless",
         "args": {"drawing": "{here}/no-such-drawing.json", "macro": "M"}},
        {"step": "call", "launch": "GetDlgMacroData", "args": {"slot": 0}}]})";
    const mdx_testing::MdxRun second = mdx_testing::runMdx("run " + path);
    EXPECT_EQ(second.status, 0) << second.out;
    EXPECT_NE(second.out.find("StartDlgMacroModeless returned {\"error\":\"cannot read the drawing"),
              std::string::npos)
        << second.out;
    EXPECT_NE(second.out.find("GetDlgMacroData returned {\"result\":false"), std::string::npos)
        << second.out;
    std::remove(path.c_str());
}

}  // namespace
