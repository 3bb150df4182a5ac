#include "core/MacroLangs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/Mdx_Settings.h"

namespace {

namespace fs = std::filesystem;

class MacroLangsTest : public ::testing::Test {
protected:
    void SetUp() override {
        gSettings.reset();
        root = fs::temp_directory_path() / ("mdx_langs_" + std::to_string(::getpid()));
        fs::create_directories(root / "Languages");
    }
    void TearDown() override {
        gSettings.reset();
        gMacroLangs.reload();
        fs::remove_all(root);
    }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(root / "Languages" / name, std::ios::binary) << bytes;
    }
    void useTempLibrary() { gSettings.setLibraryFolder(root.string()); }
    fs::path root;
};

TEST_F(MacroLangsTest, TheSampleLibraryTranslatesIntoItsSecondLanguage) {
    MacroLangs langs;
    EXPECT_EQ(langs.GetAllLanguages(), (Mdx_StringArray{"English", "Nederlands"}));
    EXPECT_EQ(langs.GetCurLanguage(), Mdx_String("English"));
    EXPECT_EQ(langs.GetString("Prof", "Height"), Mdx_String("Height")) << "keys are English";
    ASSERT_TRUE(langs.SetCurLanguage("nederlands"));
    EXPECT_EQ(langs.GetCurLanguageIndex(), 1);
    EXPECT_EQ(langs.GetString("prof", "HEIGHT"), Mdx_String("Hoogte"));
    EXPECT_EQ(langs.GetString("", "EndPlate"), Mdx_String("Kopplaat"));
    EXPECT_EQ(langs.GetString("Prof", "Unknown"), Mdx_String("Unknown"));
    EXPECT_EQ(langs.GetStringChopSymbols("  Bolt diameter: ", 120),
              Mdx_String("  Boutdiameter: "));
    EXPECT_EQ(langs.GetStringChopSymbols("::", 120), Mdx_String("::"));
    EXPECT_FALSE(langs.SetCurLanguage("Klingon"));
    EXPECT_EQ(langs.GetCurLanguage(), Mdx_String("Nederlands"));
}

TEST_F(MacroLangsTest, DialogTextsInAllLanguagesFallBackToTheModulesOwnText) {
    useTempLibrary();
    write("languages.txt", "MDX-LANGUAGES 1\nEnglish\nDeutsch\nFran\xE7" "ais\n");
    write("Deutsch.txt", "MDX-LANGUAGE 1\n[Dial]\n764=Neuer Typ\n");
    // The list is Windows-1252; the file system names the file in UTF-8.
    write("Fran\xC3\xA7" "ais.txt", "MDX-LANGUAGE 1\n[Dial]\n764=Nouveau type \xE0 part\n");
    const Mdx_StringArray texts = dialStringAllLangs(764);
    ASSERT_EQ(texts.length(), 3);
    EXPECT_EQ(texts[1], Mdx_String("Neuer Typ"));
    EXPECT_EQ(texts[2], Mdx_String("Nouveau type \xE0 part")) << "Windows-1252 bytes kept";
}

TEST_F(MacroLangsTest, ForeignOrUnsafeFilesAreRefusedWithoutLosingTheRest) {
    useTempLibrary();
    write("languages.txt",
          "MDX-LANGUAGES 1\r\nEnglish\r\n..\\..\\etc\r\nsub\\Deutsch\r\nDeutsch\r\ndeutsch\r\n");
    write("Deutsch.txt", "something else\n[Prof]\nHeight=Hoehe\n");
    MacroLangs langs;
    EXPECT_EQ(langs.GetAllLanguages(), (Mdx_StringArray{"English", "Deutsch"}))
        << "names that would leave the folder, and repeats, are dropped";
    ASSERT_TRUE(langs.SetCurLanguage("Deutsch"));
    EXPECT_EQ(langs.GetString("Prof", "Height"), Mdx_String("Height")) << "unknown format";
    write("languages.txt", "");
    langs.reload();
    EXPECT_EQ(langs.GetAllLanguages(), (Mdx_StringArray{"English"}));
    EXPECT_EQ(langs.GetCurLanguage(), Mdx_String("English"));
}

TEST_F(MacroLangsTest, AnotherLibraryFolderIsReadAfresh) {
    MacroLangs langs;
    EXPECT_EQ(langs.GetAllLanguages().length(), 2);
    useTempLibrary();
    write("languages.txt", "MDX-LANGUAGES 1\nSvenska\n");
    EXPECT_EQ(langs.GetAllLanguages(), (Mdx_StringArray{"Svenska"}));
}

}  // namespace
