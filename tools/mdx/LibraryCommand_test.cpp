// mdx library list, end to end: the sample library, libraries made for the test with the
// mistakes an author makes, and the libraries that cannot be listed.
#include <gtest/gtest.h>

#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>

#include "testing/MdxProcess.h"

namespace {

using namespace mdx_testing;
namespace fs = std::filesystem;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A standards spreadsheet as the grid writes it: one text per row in column A, and a
// second column after a tab.
std::string kvs(std::initializer_list<std::string> rows) {
    std::string cells;
    int row = 0;
    for (const std::string& text : rows) {
        ++row;
        const size_t tab = text.find('\t');
        auto cell = [&](int col, const std::string& value) {
            std::string escaped;
            for (char c : value) {
                if (c == '"' || c == '\\') escaped += '\\';
                escaped += c;
            }
            cells += "cell " + std::to_string(col) + " " + std::to_string(row) + " s \"" + escaped +
                     "\"\n";
        };
        cell(1, text.substr(0, tab));
        if (tab != std::string::npos) cell(2, text.substr(tab + 1));
    }
    return "MDX-SHEET 1\nsize 2 " + std::to_string(row) + "\n" + cells + "end\n";
}

// Everything under the folder, names and bytes, to see that listing changed nothing.
std::string snapshot(const fs::path& folder) {
    std::string all;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        all += entry.path().string() + "\n" +
               (entry.is_regular_file() ? readFile(entry.path()) : std::string()) + "\n";
    return all;
}

TEST(LibraryList, ShowsTheSampleLibraryAtAGlance) {
    const MdxRun run = runMdx("library list --library '" + kSourceDir + "/examples'");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "7 standards in Connection Standards/ (2 child sheets)"))
        << run.out;
    EXPECT_TRUE(contains(run.out,
                         "EndPlate\n  inputs    Double L1, Double L2, Double Clearance\n"
                         "  outputs   Double Thickness, Double Width\n"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "String Grade")) << run.out;
    EXPECT_TRUE(contains(run.out, "mapping   EndPlate.map: EndPlateStd (5 variables)")) << run.out;
    EXPECT_TRUE(contains(run.out, "FinPlate\n  inputs    Double BeamDepth, Double Shear, Double BoltD"))
        << run.out;
    EXPECT_TRUE(contains(run.out,
                         "calls     A22 BoltLayout.kvs -> Connection Standards/Childs/"
                         "BoltLayout.kvs (HoleDia, EdgeDist, Gauge, Width)\n"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "Childs/BoltLayout (child sheet)\n  inputs    Double Hole"))
        << run.out;
    EXPECT_LT(run.out.find("EndPlate\n"), run.out.find("Childs/BoltLayout"))
        << "the standards a caller evaluates come before the child sheets";
}

TEST(LibraryList, JsonHoldsTheSameAsOneDocument) {
    const MdxRun run = runMdx("library list --json --library '" + kSourceDir + "/examples'", false);
    ASSERT_EQ(run.status, 0);
    const nlohmann::json document = nlohmann::json::parse(run.out, nullptr, false);
    ASSERT_TRUE(document.is_object()) << run.out;
    const nlohmann::json& standards = document["standards"];
    ASSERT_EQ(standards.size(), 7u);
    EXPECT_EQ(standards[0]["name"], "BasePlate") << "sorted by name, child sheets last";
    const nlohmann::json& endPlate = standards[2];
    EXPECT_EQ(endPlate["name"], "EndPlate");
    EXPECT_EQ(endPlate["child"], false);
    EXPECT_TRUE(endPlate["problem"].is_null());
    EXPECT_EQ(endPlate["inputs"].size(), 3u);
    EXPECT_EQ(endPlate["outputs"][1]["name"], "Width");
    EXPECT_EQ(endPlate["locals"][5]["type"], "String");
    EXPECT_EQ(endPlate["mappingFile"], "Connection Standards/EndPlate.map");
    EXPECT_EQ(endPlate["mappingKeys"][0]["key"], "EndPlateStd");
    EXPECT_EQ(endPlate["childCalls"][0]["resolved"], "Connection Standards/Childs/BoltLayout.kvs");
    EXPECT_EQ(endPlate["childCalls"][0]["passed"].size(), 4u);
    EXPECT_TRUE(endPlate["escapingFiles"].empty());
    EXPECT_EQ(standards[5]["child"], true);
    EXPECT_TRUE(standards[5]["mappingFile"].is_null());
}

class MadeLibrary : public ::testing::Test {
protected:
    void put(const std::string& relative, const std::string& bytes) {
        writeFile(folder / "Connection Standards" / relative, bytes);
    }
    MdxRun list(const std::string& options = "") {
        return runMdx("library list --library " + quoted(folder.path()) + " " + options);
    }
    ScratchFolder folder;
};

TEST_F(MadeLibrary, ThingsThatWillFailAreNamedBeforeAnythingRuns) {
    put("Helper.kvs", kvs({"Input", "Double a", "Output", "Double b", "Calc", "b = a * 2"}));
    // Sections in another order; the Parents folder holds child sheets too.
    put("Parents/Base.kvs", kvs({"Output", "Int n", "Input", "String s", "Calc", "n = 1"}));
    put("Caller.kvs", kvs({"Input", "Double a\tremark beside a declaration", "Output", "Double b",
                           "Local", "Double c", "Calc", "CallChild(\"Missing.kvs\", a, b)",
                           "CallChild(\"Helper.kvs\", a, zz)", "CallChild(\"Helper.kvs\", a)",
                           "b = CALLCHILD(Base.kvs, c, b)", "CallChild(\"Caller.kvs\", a, b)",
                           "CallChild(Helper.kvs, a, b)", "CallChild(Helper.kvs, a, a)",
                           "CallChild(helper.KVS, a, c)", "CallChild(Helper.kvs, a, b, c)"}));
    put("Caller.map",
        "Mapping version 1.0\r\nk1=a\x83Plate\x95"
        "Distance L1\xBF"
        "ghost\x83Plate\x95"
        "Distance L2\r\nno mapping here\r\n");
    put("Broken.kvs", "not a sheet\n");
    put("NoCalc.kvs", kvs({"Input", "Output", "Double x"}));
    put("Twice.kvs", kvs({"Input", "Double x", "Output", "Int X", "Calc"}));
    put("Beams/Fin.kvs", kvs({"Output", "Calc"}));
    const std::string before = snapshot(folder.path());

    const MdxRun run = list();
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "7 standards in Connection Standards/ (1 child sheet)"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "Broken\n  problem   ")) << run.out;
    EXPECT_TRUE(contains(run.out, "Broken.kvs: line 1: not a sheet file")) << run.out;
    EXPECT_TRUE(contains(run.out, "Beams/Fin\n  problem   no \"Input\" section")) << run.out;
    EXPECT_TRUE(contains(run.out, "NoCalc\n  problem   no \"Calc\" section")) << run.out;
    EXPECT_TRUE(contains(run.out, "Twice\n  problem   declares \"X\" twice; the later")) << run.out;
    EXPECT_TRUE(contains(run.out,
                         "Parents/Base (child sheet)\n  inputs    String s\n"
                         "  outputs   Int n\n"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "Caller\n  inputs    Double a\n")) << "a remark declares nothing";
    EXPECT_TRUE(contains(run.out, "Caller.map: k1 (2 variables; not declared: ghost)")) << run.out;
    EXPECT_TRUE(contains(run.out, "A8 Missing.kvs -> missing (a, b)\n")) << run.out;
    EXPECT_TRUE(contains(run.out,
                         "A9 Helper.kvs -> Connection Standards/Helper.kvs (a, zz): "
                         "passes \"zz\", which is not declared"))
        << run.out;
    EXPECT_TRUE(contains(run.out,
                         "A10 Helper.kvs -> Connection Standards/Helper.kvs (a): passes 1 "
                         "variable; the child needs 2, one for each input and output"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "A11 Base.kvs -> Connection Standards/Parents/Base.kvs (c, b)\n"))
        << run.out;
    EXPECT_TRUE(contains(run.out,
                         "A12 Caller.kvs -> Connection Standards/Caller.kvs (a, b): calls "
                         "its own spreadsheet"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "A13 Helper.kvs -> Connection Standards/Helper.kvs (a, b)\n"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "(a, a): passes the input \"a\" for the child's output \"b\""))
        << run.out;
    EXPECT_TRUE(contains(run.out,
                         "A15 helper.KVS -> Connection Standards/helper.KVS (a, c): \"c\" is "
                         "a local here and does not receive the child's \"b\""))
        << "letter case of the file does not matter; " << run.out;
    EXPECT_TRUE(contains(run.out, "(a, b, c): passes 3 variables; the child takes 2 and ignores"))
        << run.out;
    EXPECT_EQ(snapshot(folder.path()), before) << "listing writes nothing";
}

TEST_F(MadeLibrary, FileNamesThatLeaveTheLibraryAreFlagged) {
    put("Nosy.kvs", kvs({"Input", "Output", "String s", "Calc",
                         "s = GETCELL(\"/proc/self/status\", \"Name:\")",
                         "s = GETCELL(\"..\\..\\secret.dat\", \"k\")",
                         "CallChild(\"C:\\other\\kid.kvs\", s)", "s = GETCELL(\"Bolts.dat\", 20)"}));
    const MdxRun run = list("--json");
    ASSERT_EQ(run.status, 0) << run.out;
    const nlohmann::json document = nlohmann::json::parse(run.out, nullptr, false);
    ASSERT_TRUE(document.is_object()) << run.out;
    const nlohmann::json& escaping = document["standards"][0]["escapingFiles"];
    ASSERT_EQ(escaping.size(), 3u) << run.out;
    EXPECT_EQ(escaping[0], "A5: /proc/self/status");
    EXPECT_EQ(escaping[1], "A6: ..\\..\\secret.dat");
    EXPECT_EQ(escaping[2], "A7: C:\\other\\kid.kvs");
    EXPECT_TRUE(contains(list().out, "outside   A5: /proc/self/status (leaves the library"));
}

TEST_F(MadeLibrary, TheDefaultLibraryComesFromTheEnvironment) {
    put("Only.kvs", kvs({"Input", "Output", "Calc"}));
    const MdxRun run =
        runShell("env -u MDX_LIBRARY " + std::string(MDX_EXE) + " library list 2>&1");
    EXPECT_TRUE(contains(run.out, "EndPlate")) << "without MDX_LIBRARY: the bundled sample library";
    const MdxRun fromEnvironment =
        runShell("MDX_LIBRARY=" + quoted(folder.path()) + " " + MDX_EXE + " library list 2>&1");
    ASSERT_EQ(fromEnvironment.status, 0) << fromEnvironment.out;
    EXPECT_TRUE(contains(fromEnvironment.out, "1 standard in")) << fromEnvironment.out;
    EXPECT_TRUE(contains(fromEnvironment.out, "\nOnly\n")) << fromEnvironment.out;
}

TEST_F(MadeLibrary, LibrariesWithoutStandardsAreRefusedWithTheirExitCodes) {
    MdxRun run = runMdx("library list --library " + quoted(folder / "nowhere"));
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(contains(run.out, "nowhere does not exist")) << run.out;

    run = list();
    EXPECT_EQ(run.status, 3) << "no Connection Standards folder";
    EXPECT_TRUE(contains(run.out, "holds no standards")) << run.out;

    put("Data/Bolts.dat", "20;Hole\t22\n");
    put("EndPlate.map", "Mapping version 1.0\r\n");
    run = list("--json");
    EXPECT_EQ(run.status, 3) << "data and mapping files are no standards";
    EXPECT_FALSE(contains(run.out, "{")) << "no document after an error";
}

// The tables a standard uses: sizes it names itself are found in the library's tables as a
// calculation finds them (with or without the dash), and cells whose section functions read
// sizes passed in are listed; a table nobody names says so.
TEST(LibraryList, ShowsWhichStandardsUseWhichSectionTables) {
    ScratchFolder folder;
    const fs::path library = folder.path();
    fs::create_directories(library / "Connection Standards");
    fs::create_directories(library / "prof");
    for (const char* table : {"IPE.pr", "HEA.pr", "RHS.pr"})
        fs::copy_file(fs::path(kSourceDir) / "examples" / "prof" / table, library / "prof" / table);
    writeFile(library / "Connection Standards" / "Beam.kvs",
              kvs({"Input", "String Beam", "Output", "Double Depth", "Local", "Double Web",
                   "Calc", "Depth = SECTIONSIZE(Beam, 1)", "Web = SECTIONSIZE(\"IPE300\", 3)",
                   "HEA-200\tthe column we assume"}));
    writeFile(library / "Connection Standards" / "Plain.kvs",
              kvs({"Input", "Double A", "Output", "Double B", "Calc", "B = A * 2"}));
    const MdxRun run = runMdx("library list --library " + quoted(library));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "  sections  names sizes of IPE, HEA; reads sizes passed in at "
                                  "A8: SECTIONSIZE, A9: SECTIONSIZE\n"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "  IPE: named by Beam\n")) << run.out;
    EXPECT_TRUE(contains(run.out, "  RHS: named by no standard\n")) << run.out;
    EXPECT_TRUE(contains(run.out, "Sizes passed in (any table) are read by Beam\n")) << run.out;

    const MdxRun listed = runMdx("library list --json --library " + quoted(library));
    ASSERT_EQ(listed.status, 0) << listed.out;
    const auto document = nlohmann::json::parse(listed.out);
    EXPECT_EQ(document["standards"][0]["sectionTables"], (std::vector<std::string>{"IPE", "HEA"}));
    EXPECT_EQ(document["standards"][1]["sectionTables"].size(), 0u);
    bool found = false;
    for (const auto& table : document["sectionTables"])
        if (table["table"] == "HEA") found = table["usedBy"] == std::vector<std::string>{"Beam"};
    EXPECT_TRUE(found) << listed.out;
}

}  // namespace
