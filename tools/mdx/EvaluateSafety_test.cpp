// mdx evaluate on bad days: failed equations, drawings that must not be written or read,
// two runs at once, no temporary folder. The built program on copies of the sample.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <future>
#include <nlohmann/json.hpp>
#include <string>

#include "testing/SampleDrawingCopy.h"

namespace {

namespace fs = std::filesystem;
using mdx_testing::MdxRun;
using mdx_testing::quoted;
using mdx_testing::readFile;
using mdx_testing::runMdx;
using mdx_testing::writeFile;
using nlohmann::json;

using mdx_testing::kExamples;
const std::string kSample = "EndPlate --macro EndPlate_IPE_HEA --maps-to EndPlateStd";

class EvaluateSafety : public mdx_testing::SampleDrawingCopy {
protected:
    void SetUp() override { copySample("EndPlate_IPE300_HEA300.json", "connection.json"); }
    MdxRun evaluate(const std::string& arguments, const fs::path& file) {
        return runMdx("evaluate " + arguments + " --drawing " + quoted(file));
    }
};

TEST_F(EvaluateSafety, AFailedEquationExitsTenAndWritesNothingUnlessAllowed) {
    // Without gen_Grade the equation Grade = gen_Grade fails; Width is still computed.
    MdxRun run = evaluate(kSample + " --write --json", drawing);
    ASSERT_EQ(run.status, 10) << run.out;
    const json report = json::parse(run.out.substr(run.out.find('{')));
    ASSERT_EQ(report["failures"].size(), 1u) << run.out;
    const json& failure = report["failures"][0];
    EXPECT_EQ(failure["variable"], "Grade");
    EXPECT_EQ(failure["formula"], "gen_Grade") << "as written, not as cell addresses";
    EXPECT_EQ(failure["errorValue"], "#NAME?");
    EXPECT_EQ(failure["cell"], "A24");
    EXPECT_TRUE(fs::path(failure["file"].get<std::string>()).is_absolute());
    EXPECT_EQ(fs::path(failure["file"].get<std::string>()).filename(), "EndPlate.kvs");
    EXPECT_NE(failure["tip"].get<std::string>().find("gen_"), std::string::npos);
    EXPECT_EQ(report["written"], false);
    EXPECT_EQ(readFile(drawing), original);

    run = evaluate(kSample + " --write --allow-failures", drawing);
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(readFile(drawing), original);
}

TEST_F(EvaluateSafety, AMacroReferringToTheWrongObjectSaysWhich) {
    const std::string pattern = R"(["pattern","id","7"])";
    std::string text = json::parse(original).dump();
    const std::size_t at = text.find(pattern);
    ASSERT_NE(at, std::string::npos);
    const struct {
        const char* id;
        const char* why;
    } cases[] = {{"8", "refers to pattern 8, which is the macro itself"},
                 {"3", "refers to pattern 3, which is no pattern"},
                 {"77", "refers to pattern 77, which the drawing does not hold"}};
    for (const auto& broken : cases) {
        std::string changed = text;
        changed.replace(at, pattern.size(), R"(["pattern","id",")" + std::string(broken.id) + "\"]");
        writeFile(drawing, changed);
        const MdxRun run = evaluate(kSample, drawing);
        EXPECT_EQ(run.status, 5) << run.out;
        EXPECT_NE(run.out.find(broken.why), std::string::npos) << run.out;
    }
}

TEST_F(EvaluateSafety, MessagesNameFilesAsTheyLieOnDisk) {
    const MdxRun run = evaluate(kSample, drawing);
    EXPECT_EQ(run.out.find("L:\\"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Connection Standards/EndPlate.kvs (line: 24)"), std::string::npos)
        << run.out;
}

TEST_F(EvaluateSafety, WritingThroughALinkChangesTheTargetAndKeepsTheLink) {
    const fs::path link = scratch / "link.json";
    fs::create_symlink(drawing, link);
    const MdxRun run = evaluate(kSample + " --gen gen_Grade=S355 --write", link);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_NE(readFile(drawing), original);
}

TEST_F(EvaluateSafety, AReadOnlyDrawingIsRefusedAndKept) {
    fs::permissions(drawing, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const MdxRun run = evaluate(kSample + " --gen gen_Grade=S355 --write", drawing);
    EXPECT_EQ(run.status, 9) << run.out;
    EXPECT_NE(run.out.find("read-only"), std::string::npos) << run.out;
    EXPECT_EQ(readFile(drawing), original);
}

TEST_F(EvaluateSafety, TwoWritersAtOnceNeverLoseAnUpdateSilently) {
    // One run sizes the plate, the other sets the bolt diameter: different fields.
    const fs::path library = scratch / "library";
    fs::create_directories(library);
    fs::copy(kExamples / "Connection Standards", library / "Connection Standards",
             fs::copy_options::recursive);
    writeFile(library / "Connection Standards" / "Bolt.kvs",
              "MDX-SHEET 1\nsize 1 5\ncell 1 1 s \"Input\"\ncell 1 2 s \"Output\"\n"
              "cell 1 3 s \"Double Bolts.Diameter\"\ncell 1 4 s \"Calc\"\n"
              "cell 1 5 s \"Bolts.Diameter = 24\"\nend\n");
    const std::string lib = " --library " + quoted(library);
    for (int round = 0; round < 3; ++round) {
        writeFile(drawing, original);
        auto plate = std::async(std::launch::async, [&] {
            return evaluate(kSample + " --gen gen_Grade=S355 --write" + lib, drawing);
        });
        const MdxRun bolt = evaluate("Bolt --macro 8 --maps-to Module.Bolts --write" + lib, drawing);
        const MdxRun first = plate.get();
        const std::string written = readFile(drawing);
        const bool hasWidth = written.find("180.0") != std::string::npos;
        const bool hasBolt = written.find("\"bolts.diameter\", \"text\", \"24") != std::string::npos;
        // Each run either changed the drawing or said that it could not (exit 9).
        EXPECT_TRUE(first.status == 0 ? hasWidth : first.status == 9) << first.out;
        EXPECT_TRUE(bolt.status == 0 ? hasBolt : bolt.status == 9) << bolt.out;
    }
}

TEST_F(EvaluateSafety, DrawingsThatAreNoRegularFilesAreRefusedAtOnce) {
    MdxRun run = evaluate(kSample, "/dev/zero");
    EXPECT_EQ(run.status, 3) << run.out;
    EXPECT_NE(run.out.find("not a regular file"), std::string::npos) << run.out;
    ASSERT_EQ(::mkfifo((scratch / "pipe.json").c_str(), 0600), 0);
    run = evaluate(kSample, scratch / "pipe.json");
    EXPECT_EQ(run.status, 3) << run.out;
}

TEST_F(EvaluateSafety, NoTemporaryFolderIsReportedWithItsOwnCode) {
    const MdxRun run = runMdx("evaluate " + kSample + " --drawing " + quoted(drawing) +
                              " --gen gen_Grade=S355", true);
    ASSERT_EQ(run.status, 0) << run.out;
    const MdxRun refused =
        mdx_testing::runShell("TMPDIR=" + quoted(scratch / "missing") + " " + MDX_EXE +
                              " evaluate " + kSample + " --drawing " + quoted(drawing) + " 2>&1");
    EXPECT_EQ(refused.status, 11) << refused.out;
    EXPECT_NE(refused.out.find("cannot create a profile folder"), std::string::npos)
        << refused.out;
}

TEST_F(EvaluateSafety, EveryCommandFailsWhenItsOutputCannotBeWritten) {
    const std::string sheet = quoted(kExamples / "sheets" / "bolt-shear-check.sss");
    for (const std::string& command :
         {std::string("library list"), "sheet show " + sheet, "sheet calc " + sheet,
          "evaluate " + kSample + " --gen gen_Grade=S355 --drawing " + quoted(drawing),
          std::string("run --help")}) {
        const MdxRun run = mdx_testing::runShell(std::string(MDX_EXE) + " " + command +
                                                 " > /dev/full 2>&1");
        EXPECT_NE(run.status, 0) << command;
        const MdxRun message = mdx_testing::runShell(std::string(MDX_EXE) + " " + command +
                                                     " 2>&1 >/dev/full");
        EXPECT_NE(message.out.find("the output could not be written"), std::string::npos)
            << command << "\n" << message.out;
    }
}

}  // namespace
