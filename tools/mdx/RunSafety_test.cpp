// mdx run with scenarios that try to escape, to nest without end or to break the reader,
// and as JSON. The built program on scenarios written by the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "testing/MdxProcess.h"

namespace {

namespace fs = std::filesystem;
using namespace mdx_testing;

const fs::path kSections = fs::path(kSourceDir) / "examples" / "scenarios" / "sections.sss";

std::string readSheetScenario(const std::string& path) {
    return R"({"format": "mdx-scenario", "version": 1, "drives": {"C": "{here}/drive"},
               "steps": [{"step": "load"},
                         {"step": "call", "launch": "ReadSSFile", "args": {"path": ")" +
           path + R"("}}]})";
}

TEST(RunSafety, ADriveLetterNeverReachesAboveItsFolder) {
    ScratchFolder scratch;
    fs::create_directories(scratch / "drive");
    fs::copy_file(kSections, scratch / "outside.sss");
    fs::copy_file(kSections, scratch / "drive" / "inside.sss");
    writeFile(scratch / "in.json", readSheetScenario("c:\\\\inside.sss"));
    writeFile(scratch / "out.json", readSheetScenario("c:\\\\..\\\\outside.sss"));
    const MdxRun inside = runMdx("run " + quoted(scratch / "in.json"));
    ASSERT_EQ(inside.status, 0) << inside.out;
    EXPECT_NE(inside.out.find("\"IPE300\""), std::string::npos) << inside.out;
    const MdxRun outside = runMdx("run " + quoted(scratch / "out.json"));
    ASSERT_EQ(outside.status, 0) << outside.out;
    EXPECT_EQ(outside.out.find("\"IPE300\""), std::string::npos)
        << "c:\\..\\outside.sss must not read the file beside the drive's folder\n"
        << outside.out;
}

TEST(RunSafety, UnreadableAndDeepScenariosAreRefusedWithAMessage) {
    ScratchFolder scratch;
    const std::string deep = "{\"format\": \"mdx-scenario\", \"version\": 1, \"steps\": " +
                             std::string(5000, '[') + std::string(5000, ']') + "}";
    writeFile(scratch / "deep.json", deep);
    MdxRun run = runMdx("run " + quoted(scratch / "deep.json"));
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_NE(run.out.find("nested deeper than 64 levels"), std::string::npos) << run.out;
    run = runMdx("run /dev/zero");
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_NE(run.out.find("not a regular file"), std::string::npos) << run.out;
    writeFile(scratch / "typed.json", R"({"format": 1, "version": "1", "steps": []})");
    run = runMdx("run " + quoted(scratch / "typed.json"));
    EXPECT_EQ(run.status, 2) << run.out;
    writeFile(scratch / "clock.json", R"({"format": "mdx-scenario", "version": 1,
        "steps": [{"step": "clock", "ms": 9223372036854775807}]})");
    run = runMdx("run " + quoted(scratch / "clock.json"));
    EXPECT_EQ(run.status, 2) << run.out;
    EXPECT_NE(run.out.find("\"ms\" is out of range"), std::string::npos) << run.out;
}

TEST(RunSafety, JsonIsOneDocumentAndHelpListsTheExitCodes) {
    const MdxRun run = runMdx("run --json '" + kSourceDir +
                                  "/examples/scenarios/read-sheet-file.json'",
                              false);
    ASSERT_EQ(run.status, 0) << run.out;
    const nlohmann::json document = nlohmann::json::parse(run.out, nullptr, false);
    ASSERT_TRUE(document.is_object()) << run.out;
    EXPECT_EQ(document["exitCode"], 0);
    EXPECT_NE(document["transcript"].get<std::string>().find("ReadSSFile returned"),
              std::string::npos);
    const MdxRun help = runMdx("run --help");
    EXPECT_NE(help.out.find("Exit codes:"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("2  the scenario was refused"), std::string::npos) << help.out;
}

}  // namespace
