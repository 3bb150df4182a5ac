// mdx run on the scenario of the macro dialog's bar: values loaded from the macro's
// standards, saved to a property file and loaded back over a typed value, the view turned
// and a filter set, all through clicks on the open window, on a scratch copy of the library.
#include "MdxBuildPaths.h"
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "testing/MdxProcess.h"

namespace {

const std::string kExamples = std::string(MDX_SOURCE_DIR) + "/examples/";

bool has(const std::string& out, const std::string& part) {
    return out.find(part) != std::string::npos;
}

TEST(MdxRunMacroDialogBar, StandardsPropertyFilesViewAndFilterThroughClicks) {
    const std::string drawing = kExamples + "drawings/EndPlate_standards.json";
    const std::string before = mdx_testing::readFile(drawing);
    const mdx_testing::MdxRun run =
        mdx_testing::runMdx("run " + kExamples + "scenarios/macro-dialog-toolbar.json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_FALSE(has(run.out, "user step failed")) << run.out;
    EXPECT_FALSE(has(run.out, "not used")) << run.out;
    EXPECT_TRUE(has(run.out, R"(Plate.Width = \"180\")")) << "the standard's width\n" << run.out;
    EXPECT_TRUE(has(run.out, R"("propertyFiles":["Wide plate"])")) << run.out;
    EXPECT_TRUE(has(run.out, R"(Plate.L1 = \"15\")")) << "the file's L1 over the typed 25\n"
                                                       << run.out;
    EXPECT_TRUE(has(run.out, R"("shown":["Stiffeners"])")) << run.out;
    EXPECT_TRUE(has(run.out, R"("view":{"from":"above","on":"EndPlate_IPE_HEA.Plate"})"))
        << run.out;
    EXPECT_EQ(mdx_testing::readFile(drawing), before);
    EXPECT_FALSE(std::filesystem::exists(kExamples + "Macro Properties"))
        << "the scratch copy of the library took the file";

    // Without loading the file the typed value stays: the load above really took it back.
    std::ifstream in(kExamples + "scenarios/macro-dialog-toolbar.json");
    nlohmann::json scenario = nlohmann::json::parse(in);
    nlohmann::json& user = scenario["steps"][1]["user"];
    user.erase(user.begin() + 6, user.begin() + 9);
    scenario["scratchLibrary"] = kExamples;
    scenario["steps"][1]["args"]["drawing"] = drawing;
    const std::string path = ::testing::TempDir() + "macro-dialog-bar-without-load.json";
    std::ofstream(path) << scenario.dump();
    const mdx_testing::MdxRun typed = mdx_testing::runMdx("run " + path);
    ASSERT_EQ(typed.status, 0) << typed.out;
    EXPECT_TRUE(has(typed.out, R"(Plate.L1 = \"25\")")) << typed.out;
}

// A second standard that cannot be evaluated undoes what the first one wrote: the width
// stays, and the window says which standard failed.
TEST(MdxRunMacroDialogBar, AStandardThatFailsUndoesTheOnesBeforeIt) {
    std::string drawing = mdx_testing::readFile(kExamples + "drawings/EndPlate_standards.json");
    const std::string one = "[\"settings.standard\", \"text\", \"EndPlate\"],";
    const std::string key = "[\"settings.mapTo\", \"text\", \"EP-03\"]";
    ASSERT_TRUE(has(drawing, one) && has(drawing, key));
    drawing.replace(drawing.find(one), one.size(),
                    one + "[\"settings.standard\", \"text\", \"Missing\"],");
    drawing.replace(drawing.find(key), key.size(),
                    key + ",[\"settings.mapTo\", \"text\", \"Module.Plate\"]");
    for (const char* count : {"\"settings.standards\", \"int\", 1", "\"settings.mapsTo\", \"int\", 1"}) {
        std::string from = count;
        drawing.replace(drawing.find(from), from.size(), from.substr(0, from.size() - 1) + "2");
    }
    const std::string drawingPath = ::testing::TempDir() + "endplate-two-standards.json";
    std::ofstream(drawingPath, std::ios::binary) << drawing;

    std::ifstream in(kExamples + "scenarios/macro-dialog-toolbar.json");
    nlohmann::json scenario = nlohmann::json::parse(in);
    nlohmann::json& user = scenario["steps"][1]["user"];
    user.erase(user.begin() + 1, user.end());  // the click on "Load from standards" alone
    scenario["scratchLibrary"] = kExamples;
    scenario["steps"][1]["args"]["drawing"] = drawingPath;
    const std::string path = ::testing::TempDir() + "macro-dialog-bar-failing-standard.json";
    std::ofstream(path) << scenario.dump();
    const mdx_testing::MdxRun run = mdx_testing::runMdx("run " + path);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(has(run.out, R"(Plate.Width = \"200\")")) << run.out;
    EXPECT_TRUE(has(run.out, R"(the standard "Missing" (Module.Plate) could not be evaluated)"))
        << run.out;
}

}  // namespace
