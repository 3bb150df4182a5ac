// mdx run on the settings scenario: ties stored from the standards page under a fresh key
// that follows its entry, the general variables' "..." choice, and the sample library left
// as it was (the scenario works on a scratch copy).
#include "MdxBuildPaths.h"
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>

#include "testing/MdxProcess.h"

namespace {

const std::string kExamples = std::string(MDX_SOURCE_DIR) + "/examples";

std::string bytesOf(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The JSON a launch point returned, from the run's output.
nlohmann::json returned(const std::string& out, const std::string& launch) {
    const std::string marker = launch + " returned ";
    const auto at = out.find(marker);
    if (at == std::string::npos) return {};
    const auto end = out.find('\n', at);
    return nlohmann::json::parse(out.substr(at + marker.size(), end - at - marker.size()));
}

TEST(MacroSettingsScenario, TiesGetAKeyThatFollowsTheirEntryAndDrawingsJoinTheFilter) {
    const std::string before = bytesOf(kExamples + "/Connection Standards/EndPlate.map");
    ASSERT_FALSE(before.empty());
    const mdx_testing::MdxRun run =
        mdx_testing::runMdx("run '" + kExamples + "/scenarios/standards-settings.json'");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;

    const nlohmann::json settings = returned(run.out, "MacroSettings");
    ASSERT_TRUE(settings.is_object()) << run.out;
    EXPECT_EQ(settings["result"], true);
    const nlohmann::json& standards = settings["standards"];
    ASSERT_EQ(standards.size(), 3u);
    EXPECT_EQ(standards[0]["name"], "FinPlate");
    EXPECT_EQ(standards[0]["mapsTo"], "Module.Plate");
    EXPECT_EQ(standards[1]["name"], "EndPlate");
    EXPECT_EQ(standards[1]["mapsTo"].get<std::string>().size(), 24u);
    EXPECT_EQ(standards[2]["name"], "BasePlate");
    EXPECT_EQ(standards[2]["mapsTo"], "") << "a new entry has no key until it ties something";
    const nlohmann::json& endPlate = settings["mappingFiles"]["EndPlate"];
    EXPECT_EQ(endPlate["lines"], 12) << "one line added to the eleven";
    ASSERT_EQ(endPlate["used"].size(), 1u);
    EXPECT_NE(endPlate["used"][0].get<std::string>().find("L1ƒPlate•Distance L2"),
              std::string::npos);

    const nlohmann::json genVars = returned(run.out, "StartDlgGenVars");
    ASSERT_TRUE(genVars.is_object()) << run.out;
    EXPECT_EQ(genVars["record"]["dwgGenFilters"][1], "Halls;Office.dwg")
        << "the drawing outside the Macros folder is left out";

    EXPECT_EQ(bytesOf(kExamples + "/Connection Standards/EndPlate.map"), before);
}

}  // namespace
