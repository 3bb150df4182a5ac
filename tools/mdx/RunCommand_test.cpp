// mdx run, end to end: the built program on the scenarios of examples/scenarios.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct MdxResult {
    int exitCode = -1;
    std::string output;
};

MdxResult mdx(const std::string& arguments) {
    MdxResult run;
    const std::string command = std::string(MDX_EXE) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer{};
    for (size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        run.output.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string scenario(const std::string& name) {
    return std::string(MDX_SOURCE_DIR) + "/examples/scenarios/" + name;
}

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class TemporaryScenario {
public:
    explicit TemporaryScenario(const std::string& text)
        : path(std::filesystem::temp_directory_path() /
               ("mdx-scenario-" + std::to_string(::getpid()) + ".json")) {
        std::ofstream(path) << text;
    }
    ~TemporaryScenario() { std::filesystem::remove(path); }
    std::string file() const { return path.string(); }

private:
    std::filesystem::path path;
};

TEST(MdxRun, ReadsASheetFileIntoHeadersAndRows) {
    const MdxResult run = mdx("run " + scenario("read-sheet-file.json"));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(
        run.output.find("ReadSSFile returned {\"firstCell\":\"IPE300\",\"headers\":[\"Section\","
                        "\"Height\",\"Width\"],\"rows\":[[\"IPE300\",\"300\",\"150\"],"
                        "[\"HEA300\",\"290\",\"300\"]]}"),
        std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("module unloaded"), std::string::npos);
}

TEST(MdxRun, EvaluatesALookUpAndPlaysTheHostsControls) {
    const MdxResult run = mdx("run " + scenario("evaluate-lookup.json"));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("Loading spreadsheet:c:\\a\\t3.sss\n"), std::string::npos);
    EXPECT_NE(run.output.find("Result is string: 290\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("Save failed\n"), std::string::npos);
    EXPECT_EQ(run.output.find("user step failed"), std::string::npos) << run.output;
}

TEST(MdxRun, MacroSlotsAreReusedAndABusyCloseWaits) {
    const MdxResult run = mdx("run " + scenario("macro-slots.json"));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("> step 9: call StartDlgMacroModeless\n  StartDlgMacroModeless "
                              "returned {\"result\":true,\"slot\":3}"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(count(run.output, "Delayed timer called.\n"), 3);
    EXPECT_NE(run.output.find("> step 17: call GetDlgMacroData\n  GetDlgMacroData returned "
                              "{\"result\":false"),
              std::string::npos);
}

TEST(MdxRun, TheGridDialogReturnsTheEditedRows) {
    const MdxResult run = mdx("run " + scenario("grid-dialog.json"));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("[[\"M16\",\"8.8\",\"60\"],[\"M20\",\"10.9\",\"\"],"
                              "[\"M24\",\"\",\"\"]]"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("user step failed: click: control 1089 is disabled"),
              std::string::npos);
    EXPECT_NE(run.output.find("StartDlgGrid returned {\"record\":{\"firstCount\":6,"
                              "\"firstName\":\"X\","),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("\"option\":true"), std::string::npos);
    EXPECT_NE(run.output.find("StartDlgStandardsSStest returned {\"result\":false}"),
              std::string::npos);
}

TEST(MdxRun, TheOtherLaunchPointsReturnTheirRecords) {
    const MdxResult run = mdx("run " + scenario("launch-points.json"));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    for (const char* expected :
         {"\"radio\":0,\"result\":2,\"text1\":\"IPE\",\"text2\":\"300\"",
          "StartDlgSelectMacro returned {\"chosen\":\"Base\",\"result\":true}",
          "StartEditProfCutsDlg returned {\"lastIndex\":1,\"result\":true}",
          "GetImageDlgCtrlNames returned {\"names\":[\"T\",\"W\"]}",
          "StartDlgCSP2 returned {\"result\":false}",
          "SSregisterOpmCLSIDs returned {\"status\":\"eInvalidInput\"}"})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    EXPECT_EQ(count(run.output, "StartDlgEditConstraints returned {\"result\":true}"), 2);
}

TEST(MdxRun, ABadStepRefusesTheWholeScenarioBeforeAnythingRuns) {
    const MdxResult run = mdx("run " + scenario("bad-step.json"));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.output.find("step 3 (call StartDlgNoSuchThing): unknown launch point"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(run.output.find("module loaded"), std::string::npos) << "nothing ran";
}

TEST(MdxRun, MalformedScenariosNameWhatIsWrong) {
    {
        TemporaryScenario bad(R"({"format": "mdx-scenario", "version": 1, "steps": [
            {"step": "load"},
            {"step": "call", "launch": "startGridDialog", "args": {"headers": "Bolt"}}]})");
        const MdxResult run = mdx("run " + bad.file());
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.output.find("step 2 (call startGridDialog): \"headers\" must be a list"),
                  std::string::npos)
            << run.output;
    }
    {
        TemporaryScenario bad(R"({"format": "mdx-scenario", "version": 1, "steps": [
            {"step": "call", "launch": "EvaluateSS", "user": [{"action": "click"}]}]})");
        const MdxResult run = mdx("run " + bad.file());
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.output.find("step 1 (call EvaluateSS): user step 1: \"control\" is missing"),
                  std::string::npos)
            << run.output;
    }
    {
        TemporaryScenario bad(R"({"format": "mdx-scenario", "version": 1, "steps": [
            {"step": "clock", "ms": -5}]})");
        EXPECT_EQ(mdx("run " + bad.file()).exitCode, 2);
    }
    {
        TemporaryScenario bad("{\"format\": \"mdx-scenario\", \"ver");
        const MdxResult run = mdx("run " + bad.file());
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.output.find("not valid JSON"), std::string::npos);
    }
    EXPECT_EQ(mdx("run /nonexistent/scenario.json").exitCode, 1);
}

TEST(MdxVersion, StillPrintsTheVersion) {
    const MdxResult run = mdx("version");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "mdx 0.1\n");
}

}  // namespace
