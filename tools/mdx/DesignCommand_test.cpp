// mdx design, end to end: the sample designs of the bundled library and designs made for
// the test with the mistakes a designer makes.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "testing/MdxProcess.h"

namespace {

using namespace mdx_testing;
namespace fs = std::filesystem;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const std::string kSample = "--library '" + kSourceDir + "/examples'";
const std::string kDrawing = "--drawing '" + kSourceDir +
                             "/examples/drawings/EndPlate_IPE300_HEA300.json' --macro "
                             "EndPlate_IPE_HEA";

TEST(DesignCommand, ListsAndShowsTheSampleDesigns) {
    const MdxRun list = runMdx("design list " + kSample);
    ASSERT_EQ(list.status, 0) << list.out;
    EXPECT_TRUE(contains(list.out, "3 designs in L:\\Dialog Templates\\Dialog Design\\")) << list.out;
    EXPECT_TRUE(contains(list.out, "Bolts\\EndPlateBolts")) << list.out;
    EXPECT_TRUE(contains(list.out, "13 controls, picture 360 x 240")) << list.out;

    const MdxRun show = runMdx("design show EndPlate " + kSample);
    ASSERT_EQ(show.status, 0) << show.out;
    EXPECT_TRUE(contains(show.out, "Flex button (30)")) << show.out;
    EXPECT_TRUE(contains(show.out, "Ends;L1;;")) << show.out;
    EXPECT_TRUE(contains(show.out, "120, 12, 168, 30")) << show.out;
    EXPECT_EQ(runMdx("design show Bolts/EndPlateBolts " + kSample).status, 0);
}

TEST(DesignCommand, RendersADesignOverItsPicture) {
    const fs::path png = fs::temp_directory_path() / ("mdx-design-" + std::to_string(::getpid()) + ".png");
    const MdxRun run = runMdx("design render EndPlate --png " + quoted(png) + " " + kSample);
    ASSERT_EQ(run.status, 0) << run.out;
    const std::string bytes = readFile(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    auto be32 = [&bytes](std::size_t at) {
        return (unsigned(static_cast<unsigned char>(bytes[at])) << 24) |
               (unsigned(static_cast<unsigned char>(bytes[at + 1])) << 16) |
               (unsigned(static_cast<unsigned char>(bytes[at + 2])) << 8) |
               unsigned(static_cast<unsigned char>(bytes[at + 3]));
    };
    EXPECT_EQ(be32(16), 360u);
    EXPECT_EQ(be32(20), 240u);
    fs::remove(png);
    EXPECT_EQ(runMdx("design render EndPlate --png /no/such/folder/x.png " + kSample).status, 3);
}

TEST(DesignCommand, TheSampleDesignsFitTheSampleMacro) {
    const MdxRun run = runMdx("design check EndPlate " + kSample + " " + kDrawing);
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "EndPlate: no problems")) << run.out;
    EXPECT_EQ(runMdx("design check Bolts/EndPlateBolts " + kSample + " " + kDrawing).status, 0);
    EXPECT_EQ(runMdx("design check EndPlate " + kSample + " --drawing nowhere.json --macro X").status,
              5);
}

TEST(DesignCommand, CheckNamesEveryKindOfMistake) {
    const fs::path library =
        fs::temp_directory_path() / ("mdx-design-check-" + std::to_string(::getpid()));
    const fs::path root = library / "Dialog Templates" / "Dialog Design";
    fs::create_directories(root);
    std::ofstream(root / "Bad.txt", std::ios::binary)
        << "MDX-PROPERTIES 1\r\nnrOfControls\ti\t3\r\n"
           "type0\ti\t44\r\ntopLeftX0\td\t0.1\r\ntopLeftY0\td\t0.1\r\nbottomRightX0\td\t0.3\r\n"
           "bottomRightY0\td\t0.2\r\ncontents0\ts\tOdd\r\n"
           "type1\ti\t2\r\ntopLeftX1\td\t0.2\r\ntopLeftY1\td\t0.15\r\nbottomRightX1\td\t1.2\r\n"
           "bottomRightY1\td\t0.3\r\ncontents1\ts\tNoSuchVariable\r\n";
    const MdxRun run = runMdx("design check Bad --library " + quoted(library) + " " + kDrawing);
    EXPECT_EQ(run.status, 4) << run.out;
    for (const char* problem :
         {"the design has no picture", "control 0 (Odd): unknown type 44",
          "control 1 (NoSuchVariable): lies partly outside the picture",
          "control 0 (Odd) overlaps control 1", "the macro has no variable NoSuchVariable"})
        EXPECT_TRUE(contains(run.out, problem)) << problem << "\n" << run.out;

    const MdxRun missing = runMdx("design show Missing --library " + quoted(library));
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(contains(missing.out, "there is no design \"Missing\"")) << missing.out;
    EXPECT_EQ(runMdx("design show ../../../etc/passwd --library " + quoted(library)).status, 2);
    fs::remove_all(library);
}

// Patterns, section groups, arrays, cuts and bolt values are looked up as the macro dialog
// looks them up: what the macro has passes, what it lacks is named.
TEST(DesignCommand, CheckLooksUpPatternsCutsArraysAndSectionGroups) {
    const fs::path library =
        fs::temp_directory_path() / ("mdx-design-bind-" + std::to_string(::getpid()));
    const fs::path root = library / "Dialog Templates" / "Dialog Design";
    fs::create_directories(root);
    struct Bound {
        int type;
        const char* contents;
    };
    const Bound controls[] = {{4, "BoltPattern"}, {6, "NoPattern"}, {28, "Cut1"},
                              {28, "NoCut"},      {8, "any"},       {18, "NoArray"},
                              {13, "NoGroup"},    {29, "Check"}};
    std::ofstream file(root / "Bound.txt", std::ios::binary);
    file << "MDX-PROPERTIES 1\r\nnrOfControls\ti\t" << std::size(controls) << "\r\n";
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        const double top = 0.1 * static_cast<double>(i);
        file << "type" << i << "\ti\t" << controls[i].type << "\r\ntopLeftX" << i
             << "\td\t0.1\r\ntopLeftY" << i << "\td\t" << top << "\r\nbottomRightX" << i
             << "\td\t0.2\r\nbottomRightY" << i << "\td\t" << top + 0.05 << "\r\ncontents" << i
             << "\ts\t" << controls[i].contents << "\r\ncomboList" << i << "\ts\t"
             << (controls[i].type == 29 ? "NoFlag" : "") << "\r\n";
    }
    file.close();
    const MdxRun run = runMdx("design check Bound --library " + quoted(library) + " " + kDrawing);
    EXPECT_EQ(run.status, 4) << run.out;
    for (const char* problem :
         {"control 1 (NoPattern): the macro has no pattern NoPattern",
          "control 3 (NoCut): the macro has no cut NoCut",
          "control 5 (NoArray): the macro has no array NoArray",
          "control 6 (NoGroup): the macro has no section group NoGroup",
          "control 7 (Check): the macro has no variable NoFlag"})
        EXPECT_TRUE(contains(run.out, problem)) << problem << "\n" << run.out;
    for (const char* fine : {"control 0 (", "control 2 (", "control 4 ("})
        EXPECT_FALSE(contains(run.out, fine)) << fine << "\n" << run.out;
    fs::remove_all(library);
}

}  // namespace
