#include "spread/SheetSettings.h"

#include <fstream>

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "spread/SheetSettingsFiles.h"
#include "spread/SheetTestSupport.h"
#include "win/FilePaths.h"
#include "win/Registry.h"

namespace {

namespace fs = std::filesystem;

// Sheets live under drive S:, the product folder with its settings files is M:.
class SheetSettingsTest : public spread_testing::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        fs::create_directories(profile / "product");
        fs::create_directories(profile / "sheets" / "bills");
        gSettings.setProductFolder((profile / "product").string());
        win::setDriveRoot('S', profile / "sheets");
        win::reloadRegistry();
    }
    void TearDown() override {
        win::setWriteFaultHook({});
        gSettings.reset();
        SheetTest::TearDown();
    }
    void writeFile(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string tag() const {
        Mdx_String text;
        sheet->getCellText(0, 0, text, kTextTag);
        return text.str();
    }
};

TEST_F(SheetSettingsTest, DefaultsCarryTheSixPrintFlagsAsOnes) {
    SheetSettings settings;
    PropStore store;
    settings.toStore(store);
    for (const char* flag :
         {"smartPrint", "colors", "colHeader", "rowHeader", "cellSeperators", "border"}) {
        const PropValue* value = store.find(flag);
        ASSERT_NE(value, nullptr) << flag;
        EXPECT_EQ(value->kind(), PropValue::Int) << flag;
        EXPECT_EQ(value->intValue(), 1) << flag;
    }
    EXPECT_EQ(store.entries().front().key.str(), "defaultFont");
    EXPECT_FALSE(settings.writeToSheet(*sheet)) << "never loaded";
}

// The settings travel in the sheet's own file: a saved and reloaded sheet gives them back,
// variables with the separator byte included.
TEST_F(SheetSettingsTest, SettingsComeBackFromTheTagOfASavedAndLoadedSheet) {
    attach(3, 3);
    SheetSettings settings;
    settings.valid = true;
    settings.fontFace = "Verdana";
    settings.marginLeft = 21;
    settings.cellSeperators = false;
    settings.varNames = {"Price", "Note"};
    settings.varValues = {"12 \xA4", "after"};
    ASSERT_TRUE(settings.writeToSheet(*sheet));
    ASSERT_EQ(sheet->saveToFile("S:\\tagged.sss", 0), 1);

    Mdx_Spread other;
    ASSERT_TRUE(other.attachToDlgItem(host.get(), 1300, false));
    ASSERT_EQ(other.loadFromFile("S:\\tagged.sss"), 1);
    SheetSettings read;
    ASSERT_TRUE(read.readFromSheet(other));
    EXPECT_TRUE(read.valid);
    EXPECT_EQ(read.sheetWindow, other.GetSafeHwnd());
    EXPECT_EQ(read.fontFace.str(), "Verdana");
    EXPECT_EQ(read.marginLeft, 21);
    EXPECT_FALSE(read.cellSeperators);
    ASSERT_EQ(read.varValues.length(), 2);
    EXPECT_EQ(read.varValues[0].str(), "12 \xA4");
    EXPECT_EQ(read.varValues[1].str(), "after");
    EXPECT_EQ(read.varNames[1].str(), "Note");
}

TEST_F(SheetSettingsTest, PreparingFallsBackToTheEditorsDefaultSettings) {
    SheetSettings named;
    named.fontFace = "Courier New";
    named.fontHeight = 17;
    named.marginBottom = 8;
    ASSERT_TRUE(named.saveToFile("House"));
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKey(HKEY_LOCAL_MACHINE, kEditorRegistryKey, &key), ERROR_SUCCESS);
    RegSetValueEx(key, "Default Settings", 0, REG_SZ, reinterpret_cast<const BYTE*>("House"), 6);
    RegCloseKey(key);
    EditorDefaults defaults;
    EXPECT_FALSE(readEditorDefaults(defaults)) << "no Language value";
    EXPECT_EQ(defaults.language.str(), "EN");
    EXPECT_EQ(defaults.defaultSettings.str(), "House");

    ASSERT_TRUE(sheet->attachToDlgItem(host.get(), spread_testing::kPlaceholder, false));
    ASSERT_TRUE(sheet->loadLayoutSettings("Missing"));
    EXPECT_EQ(sheet->getMaxCols(), 6);
    EXPECT_EQ(sheet->getMaxRows(), 11);
    EXPECT_EQ(sheet->getCellTypeCode(6, 11), sheet->getCellTypeCode(1, 1));
    SheetSettings read;
    ASSERT_TRUE(read.readFromSheet(*sheet));
    EXPECT_EQ(read.fontFace.str(), "Courier New");
    EXPECT_EQ(read.marginBottom, 8);
    LOGFONT font{};
    ASSERT_TRUE(SSGetFont(sheetWindow(), 3, 4, &font));
    EXPECT_STREQ(font.lfFaceName, "Courier New");
    ASSERT_TRUE(SSGetFont(sheetWindow(), 2, SS_HEADER, &font));
    EXPECT_EQ(font.lfWeight, 700);
}

TEST_F(SheetSettingsTest, UnreadableSettingsFilesLeaveTheDefaults) {
    SheetSettings settings;
    EXPECT_FALSE(settings.loadFromFile("Nothing"));
    EXPECT_TRUE(settings.valid);
    writeFile(profile / "product" / "Broken.kvd", "defaultFont\xA4" "4e\xA4 bad \\x\xA4");
    settings.marginTop = 40;
    EXPECT_FALSE(settings.loadFromFile("Broken"));
    EXPECT_EQ(settings.marginTop, 5);
    EXPECT_EQ(settings.fontFace.str(), "Tahoma");
}

TEST_F(SheetSettingsTest, HeaderFilesAreFoundBesideTheSheetThenInTheSettingsFolder) {
    writeFile(profile / "sheets" / "bills" / "head.txt", "h");
    writeFile(profile / "sheets" / "up.txt", "u");
    writeFile(profile / "product" / "foot.txt", "f");
    Mdx_String name = "head.txt";
    resolveSettingsFile("S:\\bills\\a.sss", name);
    EXPECT_EQ(name.str(), "S:\\bills\\head.txt");
    name = "..\\up.txt";
    resolveSettingsFile("S:\\bills\\a.sss", name);
    EXPECT_EQ(name.str(), "S:\\up.txt");
    name = "foot.txt";
    resolveSettingsFile("S:\\bills\\a.sss", name);
    EXPECT_EQ(name.str(), settingsFolder().str() + "foot.txt");
    name = "C:\\elsewhere\\x.txt";
    resolveSettingsFile("S:\\bills\\a.sss", name);
    EXPECT_EQ(name.str(), "C:\\elsewhere\\x.txt");
    name = "nowhere.txt";
    resolveSettingsFile("S:\\bills\\a.sss", name);
    EXPECT_EQ(name.str(), "nowhere.txt");
}

// The names made relative are in the file as well as in memory; a save that fails leaves
// the tag, the changed flag and the old file as they were.
TEST_F(SheetSettingsTest, SavingKeepsFileAndSheetInAgreementAndReportsFailure) {
    writeFile(profile / "sheets" / "bills" / "head.txt", "h");
    attach(2, 2);
    SheetSettings settings;
    settings.valid = true;
    settings.headerFile = "S:\\bills\\head.txt";
    settings.footerFile = "S:\\elsewhere.txt";
    ASSERT_TRUE(settings.writeToSheet(*sheet));
    const std::string before = tag();

    sheet->SetBool(kOptionChanged, TRUE);
    win::setWriteFaultHook([](win::WriteStage stage) { return stage == win::WriteStage::Rename; });
    EXPECT_FALSE(saveSheetWithSettings(*sheet, "S:\\bills\\b.sss"));
    win::setWriteFaultHook({});
    EXPECT_EQ(tag(), before);
    EXPECT_TRUE(sheet->GetBool(kOptionChanged));
    EXPECT_FALSE(fs::exists(profile / "sheets" / "bills" / "b.sss"));

    ASSERT_TRUE(saveSheetWithSettings(*sheet, "S:\\bills\\b.sss"));
    EXPECT_FALSE(sheet->GetBool(kOptionChanged));
    SheetSettings inMemory;
    ASSERT_TRUE(inMemory.readFromSheet(*sheet));
    EXPECT_EQ(inMemory.headerFile.str(), "head.txt");
    EXPECT_EQ(inMemory.footerFile.str(), "S:\\elsewhere.txt");
    Mdx_Spread reloaded;
    ASSERT_TRUE(reloaded.attachToDlgItem(host.get(), 1300, false));
    ASSERT_EQ(reloaded.loadFromFile("S:\\bills\\b.sss"), 1);
    SheetSettings inFile;
    ASSERT_TRUE(inFile.readFromSheet(reloaded));
    EXPECT_EQ(inFile.headerFile.str(), "head.txt");

    ASSERT_TRUE(setSheetVariables(*sheet, {"A"}, {"1"}));
    ASSERT_TRUE(inMemory.readFromSheet(*sheet));
    EXPECT_EQ(inMemory.varNames.length(), 1);
    EXPECT_EQ(inMemory.headerFile.str(), "head.txt") << "the other fields stay";
}

}  // namespace
