#include "win/StableFileNames.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "win/FilePaths.h"

namespace fs = std::filesystem;

namespace {

class StableFileNamesTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("mdx_stable_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "Data");
        win::clearDriveRoots();
        win::setDriveRoot('L', root);
    }
    void TearDown() override {
        win::clearDriveRoots();
        fs::remove_all(root);
    }
    fs::path root;
};

TEST_F(StableFileNamesTest, AFileWrittenInTheScopeIsFoundUnderAnyCase) {
    win::StableFileNames stable;
    EXPECT_EQ(win::mapPath("L:\\data\\Bolts.DAT"), root / "Data" / "Bolts.DAT");  // not there yet
    ASSERT_TRUE(win::writeWholeFileAtomic(root / "Data" / "bolts.dat", "M20"));
    EXPECT_EQ(win::mapPath("L:\\data\\Bolts.DAT"), root / "Data" / "bolts.dat");
}

TEST_F(StableFileNamesTest, NamesAreLookedUpAfreshOnceTheScopeEnds) {
    {
        win::StableFileNames stable;
        EXPECT_EQ(win::mapPath("L:\\Data\\steel.dat"), root / "Data" / "steel.dat");
        std::ofstream(root / "Data" / "Steel.dat") << "S355";  // not through the module
        EXPECT_EQ(win::mapPath("L:\\Data\\steel.dat"), root / "Data" / "steel.dat");
    }
    EXPECT_EQ(win::mapPath("L:\\Data\\steel.dat"), root / "Data" / "Steel.dat");
}

TEST_F(StableFileNamesTest, ADriveMovedToAnotherRootIsNotAnsweredFromTheOldOne) {
    win::StableFileNames stable;
    EXPECT_EQ(win::mapPath("L:\\Data"), root / "Data");
    win::setDriveRoot('L', root / "Data");
    EXPECT_EQ(win::mapPath("L:\\Data"), root / "Data" / "Data");
}

}  // namespace
