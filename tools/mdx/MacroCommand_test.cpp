// mdx macro show and set end to end: the built program on a copy of the sample drawing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "testing/SampleMacroCommand.h"

namespace {

using mdx_testing::MdxRun;
using mdx_testing::readFile;

using MacroCommand = mdx_testing::SampleMacroCommand;

TEST_F(MacroCommand, ShowListsTheTabsAsTheDialogBindsThem) {
    const MdxRun run = macro("show");
    ASSERT_EQ(run.status, 0) << run.out;
    for (const char* expected : {"Tab Plate (general)", "Plate.L1 = \"15\" (distance, flexible)",
                                 "Plate.Width = \"200\" (distance, read-only)",
                                 "Bolts.bolt: assembly", "Bolts.BoltPattern: count1 \"2\"",
                                 "Tab Stiffeners (sections)", "Stiffeners.Stiffener1: section"})
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
}

TEST_F(MacroCommand, SetAppliesThroughTheUpdateAndWritesOnlyWhenAsked) {
    MdxRun run = macro("set", "Plate.L1=20 Bolts.bolt.diameter=24 Stiffeners.Stiffener1.rotation=90");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("Plate.L1 = \"20\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("diameter \"24\""), std::string::npos) << run.out;
    EXPECT_EQ(readFile(drawing), original) << "no --write, no change";

    run = macro("set", "Plate.L1=20 Bolts.BoltPattern.spacing=95 --write");
    ASSERT_EQ(run.status, 0) << run.out;
    const MdxRun shown = macro("show");
    EXPECT_NE(shown.out.find("Plate.L1 = \"20\""), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("spacing \"95\""), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("Plate.L2 = \"15\""), std::string::npos) << "untouched stays";
}

TEST_F(MacroCommand, RefusedAndMalformedAssignmentsChangeNothing) {
    struct Case {
        const char* arguments;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {"Plate.L1=abc --write", 8, "refused"},
        {"Plate.Width=5 --write", 8, "computed"},
        {"Bolts.bolt.diameter=0 --write", 8, "diameter"},
        {"Stiffeners.Stiffener1.section=NOSUCH --write", 8, "section"},
        {"Plate.L1 --write", 2, "NAME=VALUE"},
        {"Plate.Nothing=3 --write", 2, "no variable"},
        {"Nowhere.L1=3 --write", 2, "no tab"},
    };
    for (const Case& c : cases) {
        const MdxRun run = macro("set", c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.out;
        EXPECT_NE(run.out.find(c.message), std::string::npos) << c.arguments << "\n" << run.out;
        EXPECT_EQ(readFile(drawing), original) << c.arguments;
    }
}

}  // namespace
