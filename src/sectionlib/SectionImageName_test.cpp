#include "sectionlib/SectionImageName.h"

#include <filesystem>
#include <fstream>

#include "core/Mdx_Settings.h"
#include "frame/FrameTestSupport.h"
#include "sectionlib/SectionPictureNames.h"

namespace {

namespace fs = std::filesystem;

class SectionPictures : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        fs::create_directories(folder / "product" / "icons");
        fs::create_directories(folder / "library" / "User Sections");
        gSettings.setProductFolder((folder / "product").string());
        gSettings.setLibraryFolder((folder / "library").string());
    }
    void TearDown() override {
        gSettings.reset();
        FrameTest::TearDown();
    }
    void touch(const fs::path& path) { std::ofstream(path, std::ios::binary) << "BM"; }
};

TEST_F(SectionPictures, IconsByTypeDrawingOrUserSection) {
    touch(folder / "product" / "icons" / "ProfSectionRectTube-big.bmp");
    touch(folder / "product" / "icons" / "HEA-small.bmp");
    EXPECT_EQ(getSectionImageName("10", "", true), Mdx_String("ProfSectionRectTube-big.bmp"));
    EXPECT_EQ(getSectionImageName("10", "", false), Mdx_String("Unknown-small.bmp"));
    EXPECT_EQ(getSectionImageName("HEA.dwg", "", false), Mdx_String("HEA-small.bmp"));
    EXPECT_EQ(getSectionImageName("25", "", true), Mdx_String("Unknown-big.bmp"));

    touch(folder / "library" / "User Sections" / "Purlin.bmp");
    EXPECT_EQ(getSectionImageName("", "User Sections\\Purlin.usr", false),
              Mdx_String("Purlin-automated.bmp"));
    EXPECT_TRUE(fs::exists(folder / "product" / "icons" / "Purlin-automated.bmp"));
    EXPECT_EQ(getSectionImageName("", "User Sections\\Purlin.usr", true),
              Mdx_String("Unknown-big.bmp"));
    EXPECT_EQ(getSectionImageName("", "User Sections\\..\\..\\x.usr", false),
              Mdx_String("Unknown-small.bmp"))
        << "a name from a library never reaches outside the icons folder";
}

TEST_F(SectionPictures, ShownNamesGoBackToWhatWasStored) {
    KvTempResourceOverride resources;  // the type names are the module's texts
    EXPECT_EQ(shownPictureName("10"), Mdx_String("<Rectangular tube>"));
    EXPECT_EQ(shownPictureName("24"), Mdx_String("<Double cleat>"));
    EXPECT_EQ(storedPictureName("<Rectangular tube>"), Mdx_String("10"));
    EXPECT_EQ(storedPictureName("HEA.DWG"), Mdx_String("HEA.DWG"));
    EXPECT_EQ(storedPictureName("Profile.png"), Mdx_String("Profile.png"))
        << "a picture the list does not know is kept, not lost";
    EXPECT_EQ(builtInPictureType("010"), -1);
    EXPECT_EQ(builtInPictureType("7"), 7);
    EXPECT_EQ(builtInPictureNames().length(), 24);
}

}  // namespace
