#include "core/sections/SectionTranslation.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/Mdx_Settings.h"
#include "core/sections/SectionNames.h"
#include "core/sections/SectionTypes.h"

namespace {

namespace fs = std::filesystem;

class TranslationFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("mdx-translation-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        gSettings.setLibraryFolder(folder.string());
    }
    void TearDown() override {
        gSettings.reset();
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
};

TEST_F(TranslationFile, PairsRoundTripAndBadFilesChangeNothing) {
    const Mdx_StringArray names{"IPE-300", "HEA-300", "Tab\tName"};
    const Mdx_StringArray translations{"IPE300", "HE300A", ""};
    ASSERT_TRUE(saveSectionTranslation("CIS2ProfNames.dat", names, translations));
    Mdx_StringArray readNames, readTranslations;
    ASSERT_TRUE(readSectionTranslation("cis2profnames.dat", readNames, readTranslations));
    EXPECT_EQ(readNames, names);
    EXPECT_EQ(readTranslations, translations);

    EXPECT_FALSE(saveSectionTranslation("x.dat", names, Mdx_StringArray{"a"}));
    EXPECT_FALSE(saveSectionTranslation("..\\x.dat", names, translations));
    std::ofstream(folder / "three.dat") << "MDX-RECORDS 1\r\n3\ta\tb\tc\r\n";
    EXPECT_FALSE(readSectionTranslation("three.dat", readNames, readTranslations));
    EXPECT_FALSE(readSectionTranslation("missing.dat", readNames, readTranslations));
    EXPECT_EQ(readNames, names) << "a failed read leaves the lists";
}

TEST(SectionNames, NumbersLanguagesAndTypes) {
    EXPECT_EQ(findFirstNumbers("HEA 100"), 4);
    EXPECT_EQ(findFirstNumbers("Special"), -1);
    const Mdx_StringArray withKorean{"SysName", "I/O", "E", "G", "F", "D", "Korean", "h"};
    EXPECT_EQ(sectionLanguageCount(withKorean, 2), 5);
    EXPECT_EQ(sectionLanguageCount(Mdx_StringArray{"SysName", "I/O", "E", "G", "F", "D"}, 2), 4);
    EXPECT_TRUE(namesSection("IPE300", "IPE", "IPE-300"));
    EXPECT_TRUE(namesSection("ipe-300", "IPE", "IPE300"));
    EXPECT_FALSE(namesSection("IPE-30", "IPE", "IPE-300"));
    EXPECT_TRUE(sectionTypeName(25).isEmpty());
    EXPECT_EQ(sectionTypeDimensionNames(10), (Mdx_StringArray{"h", "b", "t", "r"}));
    EXPECT_EQ(sectionTypeDimensionNames(9), (Mdx_StringArray{"d"}));
    EXPECT_TRUE(sectionTypeDimensionNames(0).isEmpty());
}

}  // namespace
