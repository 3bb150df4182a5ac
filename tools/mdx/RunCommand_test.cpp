// mdx run, end to end: the built program on the scenarios of examples/scenarios.
#include "MdxBuildPaths.h"
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "testing/MdxProcess.h"

namespace {

using mdx_testing::MdxRun;

MdxRun mdx(const std::string& arguments) { return mdx_testing::runMdx(arguments); }

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
    const MdxRun run = mdx("run " + scenario("read-sheet-file.json"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(
        run.out.find("ReadSSFile returned {\"firstCell\":\"IPE300\",\"headers\":[\"Section\","
                        "\"Height\",\"Width\"],\"rows\":[[\"IPE300\",\"300\",\"150\"],"
                        "[\"HEA300\",\"290\",\"300\"]]}"),
        std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("module unloaded"), std::string::npos);
}

TEST(MdxRun, EvaluatesALookUpAndPlaysTheHostsControls) {
    const MdxRun run = mdx("run " + scenario("evaluate-lookup.json"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("Loading spreadsheet:c:\\a\\t3.sss\n"), std::string::npos);
    EXPECT_NE(run.out.find("Result is string: 290\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Save failed\n"), std::string::npos);
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
}

TEST(MdxRun, MacroSlotsAreReusedAndABusyCloseWaits) {
    const MdxRun run = mdx("run " + scenario("macro-slots.json"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("> step 9: call StartDlgMacroModeless\n  StartDlgMacroModeless "
                              "returned {\"result\":true,\"slot\":3}"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(count(run.out, "Delayed timer called.\n"), 3);
    EXPECT_NE(run.out.find("> step 17: call GetDlgMacroData\n  GetDlgMacroData returned "
                              "{\"result\":false"),
              std::string::npos);
}

TEST(MdxRun, TheGridDialogReturnsTheEditedRows) {
    const MdxRun run = mdx("run " + scenario("grid-dialog.json"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("[[\"M16\",\"8.8\",\"60\"],[\"M20\",\"10.9\",\"\"],"
                              "[\"M24\",\"\",\"\"]]"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("user step failed: click: control 1089 is disabled"),
              std::string::npos);
    EXPECT_NE(run.out.find("StartDlgGrid returned {\"record\":{\"firstCount\":6,"
                              "\"firstName\":\"X\","),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"option\":true"), std::string::npos);
    EXPECT_NE(run.out.find("StartDlgStandardsSStest returned {\"result\":false}"),
              std::string::npos);
}

TEST(MdxRun, GridDialogsAreDrivenThroughClicksAndKeys) {
    const MdxRun run = mdx("run " + scenario("grid-input.json"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    // String-array grid: keys moved to (2, 2), which was typed; row 3 clicked and removed;
    // "M16" edited after a double click.
    EXPECT_NE(run.out.find("startGridDialog returned {\"result\":true,\"rows\":[[\"M\",\"8.8\"],"
                           "[\"M20\",\"12.9\"]]}"),
              std::string::npos)
        << run.out;
    // General variables: a row added at the clicked row, cells typed into both grids.
    EXPECT_NE(run.out.find("\"dwgGenValues\":[\"5\",\"10\",\"25\"],\"dwgGenVars\":[\"Edge\","
                           "\"Gap\",\"Pitch\"]"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"stdGenOverrides\":[\"S355\"]"), std::string::npos);
    // Sheet host: both typed cells hold the text its find dialog (opened by F3) replaces.
    EXPECT_NE(run.out.find("\"Replace all\": \"Replaced 2 occurrences.\""), std::string::npos)
        << run.out;
}

TEST(MdxRun, GridStepsNameTheirMistakes) {
    TemporaryScenario bad(R"({"format": "mdx-scenario", "version": 1, "steps": [
        {"step": "call", "launch": "EvaluateSS", "user": [
          {"action": "tickCell", "control": 1004, "col": 1, "row": 1, "state": 3}]}]})");
    const MdxRun run = mdx("run " + bad.file());
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("\"state\" must be 0, 1 or -1"), std::string::npos) << run.out;

    // A locked or wrong cell is reported, not written.
    TemporaryScenario refused(R"({"format": "mdx-scenario", "version": 1, "steps": [
        {"step": "load"},
        {"step": "call", "launch": "startGridDialog",
         "args": {"headers": ["Bolt"], "rows": [["M16"]], "editable": true},
         "user": [{"action": "tickCell", "control": 1196, "col": 1, "row": 1},
                  {"action": "clickCell", "control": 1196, "col": 1, "row": 9},
                  {"action": "click", "control": 1}]}]})");
    const MdxRun second = mdx("run " + refused.file());
    EXPECT_EQ(second.status, 0) << second.out;
    EXPECT_NE(second.out.find("tick cell: cell (1, 1) is no check box"), std::string::npos)
        << second.out;
    EXPECT_NE(second.out.find("click cell: cell (1, 9) is outside the sheet"), std::string::npos);
    EXPECT_NE(second.out.find("\"rows\":[[\"M16\"]]"), std::string::npos);
}

TEST(MdxRun, TheOtherLaunchPointsReturnTheirRecords) {
    const MdxRun run = mdx("run " + scenario("launch-points.json"));
    EXPECT_EQ(run.status, 0) << run.out;
    for (const char* expected :
         {"\"radio\":0,\"result\":2,\"text1\":\"IPE\",\"text2\":\"300\"",
          "StartDlgSelectMacro returned {\"chosen\":\"Base\",\"result\":true}",
          "StartEditProfCutsDlg returned {\"lastIndex\":1,\"result\":true}",
          "GetImageDlgCtrlNames returned {\"names\":[\"T\",\"W\"]}",
          "StartDlgCSP2 returned {\"groups\":[],\"list1\":{},\"list2\":{},\"list3\":{},\"result\":false}",
          "SSregisterOpmCLSIDs returned {\"status\":\"eInvalidInput\"}"})
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
    EXPECT_EQ(count(run.out, "StartDlgEditConstraints returned {\"result\":true}"), 2);
}

TEST(MdxRun, APictureIsChosenByAClickOnItsThumbnail) {
    const MdxRun run = mdx("run " + scenario("select-image.json"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("StartDlgSelectImage returned {\"result\":true,"
                           "\"selection\":\"FinPlate\"}"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
}

TEST(MdxRun, ABadStepRefusesTheWholeScenarioBeforeAnythingRuns) {
    const MdxRun run = mdx("run " + scenario("bad-step.json"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("step 3 (call StartDlgNoSuchThing): unknown launch point"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("module loaded"), std::string::npos) << "nothing ran";
}

TEST(MdxRun, MalformedScenariosNameWhatIsWrong) {
    {
        TemporaryScenario bad(R"({"format": "mdx-scenario", "version": 1, "steps": [
            {"step": "load"},
            {"step": "call", "launch": "startGridDialog", "args": {"headers": "Bolt"}}]})");
        const MdxRun run = mdx("run " + bad.file());
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.out.find("step 2 (call startGridDialog): \"headers\" must be a list"),
                  std::string::npos)
            << run.out;
    }
    {
        TemporaryScenario bad(R"({"format": "mdx-scenario", "version": 1, "steps": [
            {"step": "call", "launch": "EvaluateSS", "user": [{"action": "click"}]}]})");
        const MdxRun run = mdx("run " + bad.file());
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.out.find("step 1 (call EvaluateSS): user step 1: \"control\" is missing"),
                  std::string::npos)
            << run.out;
    }
    {
        TemporaryScenario bad(R"({"format": "mdx-scenario", "version": 1, "steps": [
            {"step": "clock", "ms": -5}]})");
        EXPECT_EQ(mdx("run " + bad.file()).status, 2);
    }
    {
        TemporaryScenario bad("{\"format\": \"mdx-scenario\", \"ver");
        const MdxRun run = mdx("run " + bad.file());
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.out.find("not valid JSON"), std::string::npos);
    }
    EXPECT_EQ(mdx("run /nonexistent/scenario.json").status, 1);
}

TEST(MdxVersion, StillPrintsTheVersion) {
    const MdxRun run = mdx("version");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "mdx 0.1\n");
}

// The designer driven by the pointer on a copy of the sample library: a control is added,
// moved, resized, given a variable and saved under a new name; the library itself is left
// as it was.
TEST(MdxRun, TheDesignerSavesANewDesignInAScratchCopyOfTheLibrary) {
    const MdxRun run = mdx("run " + scenario("dialog-designer.json"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("StartDlgDesigner returned {\"result\":true}"), std::string::npos);
    EXPECT_NE(run.out.find("{\"names\":[\"L1\",\"L2\",\"Thickness\",\"Width\",\"Clearance\","
                           "\"Gap\"]}"),
              std::string::npos)
        << run.out;
    EXPECT_FALSE(std::filesystem::exists(std::string(MDX_SOURCE_DIR) +
                                         "/examples/Dialog Templates/Dialog Design/"
                                         "EndPlateGap.txt"));

    const TemporaryScenario missing(R"({"format": "mdx-scenario", "version": 1,
        "scratchLibrary": "{here}/no-such-library", "steps": [{"step": "load"}]})");
    const MdxRun refused = mdx("run '" + missing.file() + "'");
    EXPECT_EQ(refused.status, 2) << refused.out;
    EXPECT_NE(refused.out.find("is no folder"), std::string::npos) << refused.out;

    // A temporary folder inside the library to copy would receive copies of itself.
    const std::filesystem::path library =
        std::filesystem::temp_directory_path() / ("mdx-scratch-" + std::to_string(::getpid()));
    std::filesystem::create_directories(library / "tmp");
    std::ofstream(library / "s.json") << R"({"format": "mdx-scenario", "version": 1,
        "scratchLibrary": "{here}", "steps": [{"step": "load"}]})";
    const MdxRun inside = mdx_testing::runShell("TMPDIR='" + (library / "tmp").string() + "' " +
                                                MDX_EXE + " run '" + (library / "s.json").string() +
                                                "' 2>&1");
    EXPECT_EQ(inside.status, 2) << inside.out;
    EXPECT_NE(inside.out.find("holds the temporary folder"), std::string::npos) << inside.out;
    EXPECT_TRUE(std::filesystem::is_empty(library / "tmp"));
    std::filesystem::remove_all(library);
}

TEST(MdxRun, TheArraySettingsTakeTypedEntriesAndRefuseAValueWithAUnit) {
    const MdxRun run = mdx("run " + scenario("array-settings.json"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("StartArrayDlg returned {\"entries\":[[\"S1\",\"100\"],[\"S2\",\"250\"],"
                           "[\"S3\",\"400\"]],\"kind\":\"list\",\"result\":true,\"values\":[\"3\","
                           "\"150\",\"\",\"40\",\"\"]}"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"Values 2 to 5 must be numbers or empty.\" answered 1"),
              std::string::npos)
        << run.out;
}

TEST(MdxRun, TheBracingDialogRefusesAMissingSectionThenTakesTheTypedRecord) {
    const MdxRun run = mdx("run " + scenario("bracing.json"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"Name the section of the bracing members.\" answered 1"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("StartDlgBracing returned {\"record\":{\"boltCount\":\"3\","
                           "\"boltDiameter\":\"20\",\"kind\":0,\"plateThickness\":\"12\","
                           "\"section\":\"L80x8\",\"tensionOnly\":true},\"result\":true}"),
              std::string::npos)
        << run.out;
}

TEST(MdxRun, TheProfileDialogsRefuseWhatCannotBeRightThenTakeTheTypedRows) {
    const MdxRun features = mdx("run " + scenario("profile-features.json"));
    EXPECT_EQ(features.status, 0) << features.out;
    EXPECT_EQ(features.out.find("user step failed"), std::string::npos) << features.out;
    EXPECT_NE(features.out.find("listed twice; each feature is listed once.\" answered 1"),
              std::string::npos)
        << features.out;
    EXPECT_NE(features.out.find("StartDlgProfFeatures returned {\"features\":[\"Hole D22\","
                                "\"Notch 40x60\",\"Marking A\"],\"result\":true}"),
              std::string::npos)
        << features.out;

    const MdxRun points = mdx("run " + scenario("dstv-points.json"));
    EXPECT_EQ(points.status, 0) << points.out;
    EXPECT_EQ(points.out.find("user step failed"), std::string::npos) << points.out;
    EXPECT_NE(points.out.find("\"M3\"\" answered 1"), std::string::npos) << points.out;
    EXPECT_NE(points.out.find("StartDSTVPointsDlg returned {\"points\":[[\"M1\",\"v\",\"100\","
                              "\"50\"],[\"M2\",\"o\",\"2500\",\"-20\"],[\"M3\",\"u\",\"40\","
                              "\"25\"]]}"),
              std::string::npos)
        << points.out;
}

TEST(MdxRun, TheCladdingDialogRefusesAThickSheetThenTakesTheRoof) {
    const MdxRun run = mdx("run " + scenario("cladding.json"));
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"The sheet thickness must be a number above 0 and at most 5 mm.\" "
                           "answered 1"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("StartDlgCladdingSettings returned {\"record\":{\"direction\":0,"
                           "\"endOverlap\":\"150\",\"face\":1,\"fixingSpacing\":\"414\","
                           "\"sheetProfile\":\"Trapezoid 35/207\",\"sheetThickness\":\"0.88\"},"
                           "\"result\":true}"),
              std::string::npos)
        << run.out;
}

}  // namespace
