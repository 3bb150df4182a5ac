#include "MdxBuildPaths.h"
#include "core/Mdx_Settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "win/FilePaths.h"

namespace {

namespace fs = std::filesystem;

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        unsetenv("MDX_LIBRARY");
        unsetenv("MDX_PRODUCT");
        unsetenv("MDX_PROFILE");
        settings.reset();
        root = fs::temp_directory_path() / ("mdx_settings_" + std::to_string(::getpid()));
        fs::create_directories(root / "lib");
        fs::create_directories(root / "product");
    }
    void TearDown() override {
        unsetenv("MDX_LIBRARY");
        unsetenv("MDX_PRODUCT");
        unsetenv("MDX_PROFILE");
        settings.reset();
        fs::remove_all(root);
    }
    Mdx_Settings settings;
    fs::path root;
};

TEST_F(SettingsTest, DefaultsToTheBundledLibrary) {
    EXPECT_EQ(fs::path(settings.libraryFolder()), fs::path(MDX_SOURCE_DIR) / "examples");
    EXPECT_EQ(settings.productFolder(), settings.libraryFolder());
}

TEST_F(SettingsTest, FoldersEndInABackslashAndReachTheRealFolder) {
    settings.setLibraryFolder((root / "lib").string());
    const Mdx_String lib = settings.libDir();
    EXPECT_EQ(lib.at(lib.length() - 1), '\\');
    ASSERT_TRUE(
        win::writeWholeFileAtomic(win::mapPath((lib + "Connection Standards.txt").str()), "x"));
    EXPECT_TRUE(fs::exists(root / "lib" / "Connection Standards.txt"));

    settings.setProductFolder((root / "product").string());
    const Mdx_String product = settings.mdxDir();
    EXPECT_EQ(product.at(product.length() - 1), '\\');
    EXPECT_NE(product, lib);
    EXPECT_EQ(win::mapPath((product + "icons\\a.bmp").str()), root / "product" / "icons" / "a.bmp");
}

TEST_F(SettingsTest, EnvironmentThenSetterThenBackToEnvironment) {
    setenv("MDX_LIBRARY", (root / "lib").c_str(), 1);
    setenv("MDX_PRODUCT", (root / "product").c_str(), 1);
    EXPECT_EQ(fs::path(settings.libraryFolder()), root / "lib");
    EXPECT_EQ(fs::path(settings.productFolder()), root / "product");

    settings.setLibraryFolder((root / "other").string());
    EXPECT_EQ(fs::path(settings.libraryFolder()), root / "other");
    EXPECT_EQ(win::mapPath(settings.libDir().str() + "x"), root / "other" / "x");

    settings.setLibraryFolder("");
    EXPECT_EQ(fs::path(settings.libraryFolder()), root / "lib");
    EXPECT_EQ(win::mapPath(settings.libDir().str() + "x"), root / "lib" / "x");
}

TEST_F(SettingsTest, EmptyEnvironmentValueCountsAsUnset) {
    setenv("MDX_LIBRARY", "", 1);
    EXPECT_EQ(fs::path(settings.libraryFolder()), fs::path(MDX_SOURCE_DIR) / "examples");
}

TEST_F(SettingsTest, RelativeFoldersBecomeAbsolute) {
    settings.setLibraryFolder("some/lib");
    EXPECT_TRUE(fs::path(settings.libraryFolder()).is_absolute());
}

TEST_F(SettingsTest, ProfileFolderFromEnvironmentAndSetter) {
    setenv("MDX_PROFILE", (root / "profile").c_str(), 1);
    EXPECT_EQ(fs::path(settings.profileFolder()), root / "profile");
    settings.setProfileFolder((root / "p2").string());
    EXPECT_EQ(fs::path(settings.profileFolder()), root / "p2");
    settings.reset();
    EXPECT_EQ(fs::path(settings.profileFolder()), root / "profile");
}

TEST_F(SettingsTest, EachDocumentHasItsOwnStandardsMessagesSwitch) {
    EXPECT_TRUE(settings.current().standardsMessages());
    int drawingA = 0, drawingB = 0;
    settings.setCurrentDocument(&drawingA);
    settings.current().setStandardsMessages(false);
    settings.setCurrentDocument(&drawingB);
    EXPECT_TRUE(settings.current().standardsMessages());
    settings.setCurrentDocument(&drawingA);
    EXPECT_FALSE(settings.current().standardsMessages());

    settings.forgetDocument(&drawingA);
    settings.setCurrentDocument(&drawingA);
    EXPECT_TRUE(settings.current().standardsMessages());

    settings.current().setStandardsMessages(false);
    settings.reset();
    settings.setCurrentDocument(&drawingA);
    EXPECT_TRUE(settings.current().standardsMessages());
}

}  // namespace
