// mdx run on the profile-details scenarios: a refused rotation is told, the typed properties
// reach the group in the loaded drawing, and the preview's object is erased; the section page
// of the macro dialog opens the same dialog for the group it shows.
#include "MdxBuildPaths.h"
#include <gtest/gtest.h>

#include <string>

#include "testing/MdxProcess.h"

namespace {

TEST(MdxRunProfileDetails, TheTypedPropertiesReachTheGroupAndThePreviewGoes) {
    const mdx_testing::MdxRun run = mdx_testing::runMdx(
        "run " + std::string(MDX_SOURCE_DIR) + "/examples/scenarios/profile-details.json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"The rotation must be an angle from -360 to 360 degrees; leave it "
                           "empty to keep it.\" answered 1"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Stiffeners.Stiffener1: section \\\"PL12*140\\\", offset \\\"Bottom\\\", "
                           "rotation \\\"45\\\", plane \\\"xp\\\", member \\\"ST7\\\""),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"previewErased\":true"), std::string::npos) << run.out;
}

TEST(MdxRunProfileDetails, TheSectionPageOpensTheSettingsOfTheGroupItShows) {
    const mdx_testing::MdxRun run = mdx_testing::runMdx(
        "run " + std::string(MDX_SOURCE_DIR) + "/examples/scenarios/section-settings.json");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("user step failed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Stiffeners.Stiffener2: section \\\"PL10*140\\\", offset "
                           "\\\"Centre\\\", rotation \\\"135\\\", plane \\\"\\\", "
                           "member \\\"ST2-west\\\""),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("member \\\"ST1\\\""), std::string::npos) << "the other group keeps its own";
}

}  // namespace
