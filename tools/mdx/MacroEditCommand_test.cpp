// mdx macro modules|constraints|variables|cuts end to end: the built program on a copy of the
// sample drawing. What is refused leaves the file as it was; only --write writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "testing/SampleMacroCommand.h"

namespace {

using mdx_testing::MdxRun;
using mdx_testing::quoted;
using mdx_testing::readFile;

class MacroEditCommand : public mdx_testing::SampleMacroCommand {
protected:
    static bool has(const MdxRun& run, const char* text) {
        return run.out.find(text) != std::string::npos;
    }
};

TEST_F(MacroEditCommand, ModulesAndConstraintsAreChangedAndWrittenOnlyWithWrite) {
    MdxRun run = macro("modules", "--add --rename BeamEnd=BeamCut");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(has(run, "  BeamCut\n  Module1\n")) << run.out;
    EXPECT_EQ(readFile(drawing), original);

    run = macro("constraints", "EndPlate --add distance:Plate1,Prof1 --add parallel:Plate1,Prof0 "
                               "C1.value=20 C1.bound=atleast C1.option2=2 --write");
    ASSERT_EQ(run.status, 0) << run.out;
    run = macro("constraints", "EndPlate --sort 2,1");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(has(run, "  C1: Distance Plate1 - Prof1, value \"20\", variable \"d1\", at least, "
                         "driving, options 1 2\n  C2: Parallel"))
        << run.out;
    EXPECT_NE(readFile(drawing), original);

    run = macro("constraints", "Bolts --object BoltPattern.flexibility=free "
                               "--object boltpattern.constrained=1 --object BoltPattern.name=Anchors");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(has(run, "  Anchors (Bolt pattern 0, 0, 0): free, constrained\n")) << run.out;

    run = macro("constraints", "Bolts --add parallel:boltpattern,Prof0");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(has(run, "  C1: Parallel boltpattern - Prof0")) << "a bolt pattern is an object\n" << run.out;

    // The old modules are untouched by the new fields: the file still loads for macro show.
    EXPECT_EQ(mdx_testing::runMdx("macro show " + quoted(drawing) + " EndPlate_IPE_HEA").status, 0);
}

TEST_F(MacroEditCommand, RefusalsSayWhyAndLeaveTheFileAsItWas) {
    struct Case {
        const char* command;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {"modules --rename EndPlate=Bolts --write", 8, "cannot be the name"},
        {"modules --rename Nothing=Other --write", 2, "no module \"Nothing\""},
        {"constraints Nothing --write", 2, "no module \"Nothing\""},
        {"constraints EndPlate --add distance:Plate1,Prof7 --write", 8, "refused"},
        {"constraints EndPlate --add glue:Plate1 --write", 2, "KIND:OBJECT"},
        {"constraints EndPlate --add distance:Plate1,Prof1 C1.value=abc --write", 8, "refused"},
        {"constraints EndPlate C9.value=1 --write", 2, "no constraint \"C9\""},
        {"variables EndPlate L1=20 l1x=3 2x=1 --write", 8, "refused the variables"},
        {"variables EndPlate L1=abc --write", 2, "numbers"},
        {"cuts EndPlate --values 10,gen_gap", 8, "not with \"gen_\""},
        {"constraints EndPlate --object Plate1.flexibility=loose --write", 2, "fixed, rigid or free"},
        {"constraints EndPlate --object Nothing.name=X --write", 2, "no object \"Nothing\""},
        {"constraints Bolts --object BoltPattern.name= --write", 8, "not empty"},
        {"constraints Bolts --remove-object BoltPattern --write", 2, "no placed bolt pattern"},
        {"constraints EndPlate --remove-object Plate1 --write", 2, "or coordinate system \"Plate1\""},
        {"cuts EndPlate Cut1.option=3 --write", 2, "option is 1 or 2"},
        {"cuts EndPlate Chamfer.choice=1 --write", 2, "only profile-against-plate"},
        {"cuts EndPlate Cut1.check1326=1 --write", 2, "needs check1325"},
        {"cuts EndPlate Cut1.prefix=p --write", 2, "three-segment"},
        {"cuts EndPlate Cut1.Radius=2 --write", 2, "Offset, PolyOffset"},
        {"cuts EndPlate Cut9.option=1 --write", 2, "no cut \"Cut9\""},
        {"cuts EndPlate Cut1.option=2 Cut1.Offset=abc --write", 8, "values are numbers"},
    };
    for (const Case& c : cases) {
        const std::string words = c.command;
        const auto blank = words.find(' ');
        const MdxRun run = macro(words.substr(0, blank), words.substr(blank + 1));
        EXPECT_EQ(run.status, c.status) << c.command << "\n" << run.out;
        EXPECT_NE(run.out.find(c.message), std::string::npos) << c.command << "\n" << run.out;
        EXPECT_EQ(readFile(drawing), original) << c.command;
    }
    const MdxRun unknown =
        mdx_testing::runMdx("macro modules " + quoted(drawing) + " NoSuchMacro");
    EXPECT_EQ(unknown.status, 5) << unknown.out;
}

TEST_F(MacroEditCommand, VariablesAndCutsAsTheEditorShowsThem) {
    MdxRun run = macro("variables", "EndPlate L1=20 Depth=40:1 --remove Width "
                                    "--equation \"Depth = L1 * 2\" --write");
    ASSERT_EQ(run.status, 0) << run.out;
    run = macro("variables", "EndPlate");
    EXPECT_TRUE(has(run, "  L1 = 20 (type 0)\n  L2 = 15 (type 0)\n  Thickness = 20 (type 0)\n"
                         "  Depth = 40 (type 1)\n"))
        << run.out;
    EXPECT_TRUE(has(run, "Equations:\n  Depth = L1 * 2\n")) << run.out;

    run = macro("cuts", "EndPlate --in-use chamfer --in-use Snipe --values 10,CutGap");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(has(run, "  Cut1: polygon 5 12.5\n  Chamfer: chamfer 10 10\n")) << run.out;
    EXPECT_TRUE(has(run, "Cut name \"chamfer\": in use")) << run.out;
    EXPECT_TRUE(has(run, "Cut name \"Snipe\": free")) << "a cut of another module";
}

// The options a cut keeps are listed after its offsets; a cut with none shows only those.
TEST_F(MacroEditCommand, CutsShowTheOptionsTheyKeep) {
    std::string text = readFile(drawing);
    const std::string after = "[\"cut.offset\", \"real\", 12.5],";
    const auto at = text.find(after);
    ASSERT_NE(at, std::string::npos);
    text.insert(at + after.size(),
                "[\"cut.options\", \"int\", 35], [\"cut.choice\", \"int\", 2], "
                "[\"cut.prefix\", \"text\", \"cp\"], [\"cut.source\", \"int\", 2], "
                "[\"cut.otherModule\", \"text\", \"Bolts\"], [\"cut.otherMacro\", \"id\", \"8\"],");
    mdx_testing::writeFile(drawing.string(), text);
    MdxRun run = macro("cuts", "EndPlate");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(has(run, "  Cut1: polygon 5 12.5; second option, check 1323, check 1325, "
                         "not three segments, choice 2, prefix \"cp\", other part in another "
                         "macro, other module \"Bolts\", other macro \"EndPlate_IPE_HEA\" (8)\n"
                         "  Chamfer: chamfer 10 10\n"))
        << run.out;

    // A macro erased since is said to be gone; the cut can still be changed and written.
    const std::string kept = "[\"cut.otherMacro\", \"id\", \"8\"]";
    text.replace(text.find(kept), kept.size(), "[\"cut.otherMacro\", \"id\", \"7F\"]");
    mdx_testing::writeFile(drawing.string(), text);
    run = macro("cuts", "EndPlate Cut1.choice=1 --write");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(has(run, "choice 1, prefix \"cp\", other part in another macro, other module "
                         "\"Bolts\", other macro 7F (no longer in the drawing)\n"))
        << run.out;
    EXPECT_NE(readFile(drawing).find("\"7F\""), std::string::npos) << "the id is kept";
}

// A cut is changed field by field as the dialog would; only --write keeps the changes.
TEST_F(MacroEditCommand, CutsAreChangedAsTheDialogDoes) {
    MdxRun run = macro("cuts", "EndPlate Cut1.option=2 Cut1.check1323=1 Cut1.choice=3 "
                               "cut1.polyoffset=15 Chamfer.Offset2=7.5");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(has(run, "  Cut1: polygon 5 15; second option, check 1323, choice 3\n"
                         "  Chamfer: chamfer 10 7.5\n"))
        << run.out;
    EXPECT_EQ(readFile(drawing), original);

    ASSERT_EQ(macro("cuts", "EndPlate --write").status, 0);
    const std::string plain = readFile(drawing);
    run = macro("cuts", "EndPlate Cut1.option=2 Cut1.check1323=1 --write");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(readFile(drawing), plain);
    run = macro("cuts", "EndPlate Cut1.option=1 Cut1.check1323=0 --write");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(readFile(drawing), plain) << "options back to a fresh cut's: the old bytes";
}

}  // namespace
