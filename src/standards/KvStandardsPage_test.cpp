// The standards page of the settings dialog on the sample library and macro, driven by the
// scripted user: ties stored under fresh keys that stay with their entries, lines other
// macros share left alone, nothing rewritten that the user did not change, and names that
// would leave the library refused.
#include "standards/KvStandardsPage.h"

#include <gtest/gtest.h>

#include <stb/stb_image.h>

#include <cstdlib>
#include <algorithm>
#include <filesystem>

#include "MdxBuildPaths.h"

#include "grid/GridUserSteps.h"
#include "spread/SheetTestSupport.h"
#include "standards/KvMappingFile.h"
#include "standards/MacroSettingsDlg.h"
#include "standards/StandardsName.h"
#include "standards/testing/LibraryFolder.h"
#include "standards/testing/SampleMacro.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/WindowPainter.h"

namespace {

namespace fs = std::filesystem;
using standards::testing::examplesFolder;

constexpr int kTabs = MacroSettingsDlg::kTabs;
constexpr int kList = KvStandardsPage::kListGrid;
constexpr int kMapping = KvStandardsPage::kMappingGrid;
const win::DialogRef kPage{KvStandardsPage::kTemplateId, ""};
// Rows of the end-plate standard in the mapping grid: separator, "Input", L1, L2,
// Clearance, separator, "Output", Thickness, Width.
constexpr int kRowL1 = 3;
constexpr int kRowWidth = 9;

class StandardsPage : public spread_testing::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        library = std::make_unique<standards::testing::LibraryFolder>();
        fs::copy(examplesFolder() / "Connection Standards", library->standards(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        std::string error;
        ASSERT_TRUE(macro.load(error)) << error;
        settings.dbMacro = macro.dbMacro;
        settings.transaction = macro.transaction.get();
        settings.standards.spreadsheetNames = Mdx_StringArray{"EndPlate", "FinPlate"};
        settings.standards.mapsToKeys = Mdx_StringArray{"EndPlateStd", "Module.Plate"};
    }
    void TearDown() override {
        library.reset();
        SheetTest::TearDown();
    }
    static KvStandardsPage* page() {
        return static_cast<KvStandardsPage*>(
            CWnd::FromHandlePermanent(win::findDialog(KvStandardsPage::kTemplateId)));
    }
    static std::string cell(Mdx_Spread& sheet, int col, int row) {
        Mdx_String text;
        sheet.getCellText(col, row, text, kTextData);
        return text.str();
    }
    // Runs the dialog with the standards tab chosen first and then the steps; true on OK.
    bool run(const std::function<void()>& steps, bool confirm = true) {
        win::user::select(kTabs, MacroSettingsDlg::kStandardsPage);
        steps();
        win::user::click(confirm ? IDOK : IDCANCEL);
        const bool result = RunMacroSettingsDialog(nullptr, settings);
        EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
        return result;
    }
    std::string map(const char* name) const { return library->get(std::string(name) + ".map"); }
    static Mdx_String lineOf(const char* name, const Mdx_String& key) {
        Mdx_StringArray lines;
        mappingfile::readLines(name, lines);
        const int index = mappingfile::findKey(lines, key);
        return index < 0 ? Mdx_String() : lines[index];
    }

    std::unique_ptr<standards::testing::LibraryFolder> library;
    standards::testing::SampleMacro macro;
    MacroSettings settings;
};

TEST_F(StandardsPage, ShowsTheListAndTheTiesOfTheFirstSpreadsheet) {
    std::vector<std::string> seen;
    run([&] {
        win::user::act([&] {
            KvStandardsPage& p = *page();
            seen = {cell(p.listGrid, 1, 1), cell(p.listGrid, 2, 1), cell(p.listGrid, 1, 2),
                    cell(p.listGrid, 2, 2), cell(p.mappingGrid, SS_HEADER, kRowL1),
                    cell(p.mappingGrid, 1, kRowL1), cell(p.mappingGrid, 2, kRowL1),
                    cell(p.mappingGrid, SS_HEADER, 7), cell(p.mappingGrid, 1, kRowWidth),
                    cell(p.mappingGrid, 2, kRowWidth)};
            EXPECT_EQ(p.mappingRows().size(), 5u) << "three inputs and two outputs";
            EXPECT_TRUE(p.mappingGrid.isCellLocked(1, kRowL1)) << "names are not typed over";
            EXPECT_TRUE(p.mappingGrid.isCellLocked(2, 2)) << "a title row ties nothing";
            EXPECT_FALSE(p.mappingGrid.isCellLocked(2, kRowL1));
        });
    }, false);
    EXPECT_EQ(seen, (std::vector<std::string>{"EndPlate", "<Entire macro>", "FinPlate", "Plate",
                                              "Decim", "L1", "Plate.L1", "Output", "Width",
                                              "Plate.Width"}));
}

TEST_F(StandardsPage, ObjectsAreLabelledAsTheUserKnowsThem) {
    std::vector<std::string> labels;
    run([&] {
        win::user::act([&] {
            KvStandardsPage& p = *page();
            ASSERT_FALSE(p.mappingRows().empty());
            for (int position : p.mappingRows().front().offered)
                labels.push_back(p.objectLabel(position).str());
        });
    }, false);
    auto has = [&labels](const char* label) {
        return std::find(labels.begin(), labels.end(), label) != labels.end();
    };
    EXPECT_TRUE(has("Plate.L1"));
    EXPECT_TRUE(has("Bolts.BoltsDiameter"));
    EXPECT_TRUE(has("gen_gap.GenVar"));
    EXPECT_FALSE(has("Plate.Distance.L1")) << "a distance shows no kind";
}

TEST_F(StandardsPage, AChangedTieGetsAFreshKeyThatMovesWithItsEntry) {
    const std::string before = map("EndPlate");
    ASSERT_TRUE(run([] {
        grid::user::typeInCell(kMapping, 2, kRowL1, "Plate.L2", kPage);
        grid::user::clickCell(kList, 1, 1, kPage);
        win::user::click(KvStandardsPage::kDown, kPage);  // stores the tie, moves the entry
    }));
    const TabMappingData& result = settings.standards;
    ASSERT_EQ(result.spreadsheetNames, (Mdx_StringArray{"FinPlate", "EndPlate"}));
    EXPECT_EQ(result.mapsToKeys[0], Mdx_String("Module.Plate"));
    const Mdx_String key = result.mapsToKeys[1];
    EXPECT_EQ(key.length(), 24);
    const Mdx_String line = lineOf("EndPlate", key);
    EXPECT_TRUE(line.hasASubstr("L1\x83Plate\x95" "Distance L2", true)) << line.str();
    EXPECT_TRUE(line.hasASubstr("Width\x83Plate\x95" "Distance Width", true)) << line.str();
    EXPECT_EQ(lineOf("EndPlate", "EndPlateStd"),
              Mdx_String(before.substr(before.find("EndPlateStd="),
                                       before.find('\r', before.find("EndPlateStd=")) -
                                           before.find("EndPlateStd="))))
        << "the line other macros share stays as it was";

    // A second session that changes nothing keeps the key and writes nothing.
    const std::string stored = map("EndPlate");
    ASSERT_TRUE(run([] { grid::user::clickCell(kList, 1, 2, kPage); }));
    EXPECT_EQ(settings.standards.mapsToKeys[1], key);
    EXPECT_EQ(map("EndPlate"), stored);
}

TEST_F(StandardsPage, AddAndRemoveKeepEveryOtherEntrysKey) {
    settings.standards.spreadsheetNames = Mdx_StringArray{"EndPlate", "FinPlate", "EndPlate"};
    settings.standards.mapsToKeys = Mdx_StringArray{"EP-01", "Module.Plate", "EP-02"};
    const std::string before = map("EndPlate");
    ASSERT_TRUE(run([] {
        grid::user::clickCell(kList, 1, 2, kPage);
        win::user::click(KvStandardsPage::kAdd, kPage);     // empty entry before FinPlate
        grid::user::clickCell(kList, 1, 3, kPage);
        win::user::click(KvStandardsPage::kRemove, kPage);  // FinPlate goes
        grid::user::clickCell(kList, 1, 3, kPage);
        win::user::click(KvStandardsPage::kUp, kPage);      // EP-02 before the empty entry
        grid::user::clickCell(kList, 1, 1, kPage);
        win::user::click(KvStandardsPage::kUp, kPage);      // the first cannot move up
    }));
    EXPECT_EQ(settings.standards.spreadsheetNames, (Mdx_StringArray{"EndPlate", "EndPlate", ""}));
    EXPECT_EQ(settings.standards.mapsToKeys, (Mdx_StringArray{"EP-01", "EP-02", ""}));
    EXPECT_EQ(map("EndPlate"), before) << "no tie was changed, so no line was written";
}

TEST_F(StandardsPage, EntireMacroForAModuleGroupEntryStartsWithoutKey) {
    std::string box;
    ASSERT_TRUE(run([] {
        grid::user::typeInCell(kList, 2, 2, "<Entire macro>", kPage);
        grid::user::clickCell(kList, 1, 2, kPage);
    }));
    EXPECT_EQ(settings.standards.mapsToKeys, (Mdx_StringArray{"EndPlateStd", ""}));
    // Its first tie makes a key of its own.
    ASSERT_TRUE(run([] {
        grid::user::clickCell(kList, 1, 2, kPage);
        grid::user::typeInCell(kMapping, 2, kRowL1, "Plate.L1", kPage);
    }));
    EXPECT_EQ(settings.standards.mapsToKeys[1].length(), 24);
    EXPECT_FALSE(lineOf("FinPlate", settings.standards.mapsToKeys[1]).isEmpty());
}

TEST_F(StandardsPage, ANameThatLeavesTheLibraryIsRefusedAndKept) {
    library->put("../../outside.kvs", library->get("EndPlate.kvs"));
    settings.standards.spreadsheetNames = Mdx_StringArray{"..\\..\\outside"};
    settings.standards.mapsToKeys = Mdx_StringArray{"EndPlateStd"};
    size_t rows = 99;
    ASSERT_TRUE(run([&] { win::user::act([&] { rows = page()->mappingRows().size(); }); }));
    EXPECT_EQ(rows, 0u) << "the spreadsheet outside was not read";
    ASSERT_FALSE(win::user::messageBoxes().empty());
    EXPECT_NE(win::user::messageBoxes().front().text.find("..\\..\\outside"), std::string::npos);
    EXPECT_EQ(settings.standards.spreadsheetNames, Mdx_StringArray{"..\\..\\outside"});
    EXPECT_FALSE(fs::exists(library->standards() / ".." / ".." / "outside.map"));
    fs::remove(library->standards() / ".." / ".." / "outside.kvs");
}

// The page as a person sees it, with the end plate's ties; written to docs/ on request.
TEST_F(StandardsPage, ThePictureShowsTheListAndTheTies) {
    std::string png;
    RECT dialog{}, grid{}, nameCell{};
    run([&] {
        grid::user::typeInCell(kMapping, 2, kRowL1, "Plate.L2", kPage);
        win::user::act([&] {
            HWND window = win::findDialog(MacroSettingsDlg::kTemplateId);
            ASSERT_TRUE(win::paintWindowToPngData(window, png));
            ::GetWindowRect(window, &dialog);
            ::GetWindowRect(page()->mappingGrid.m_hWnd, &grid);
            SSGetCellRect(page()->mappingGrid.m_hWnd, 1, kRowL1, &nameCell);
        });
    }, false);
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels =
        stbi_load_from_memory(reinterpret_cast<const unsigned char*>(png.data()),
                              static_cast<int>(png.size()), &w, &h, &channels, 3);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(w, dialog.right - dialog.left);
    // The variable's name lies on light grey.
    const int x = grid.left - dialog.left + nameCell.right - 3;
    const int y = grid.top - dialog.top + nameCell.top + 3;
    const unsigned char* p = pixels + 3 * (y * w + x);
    EXPECT_EQ(RGB(p[0], p[1], p[2]), RGB(0xF0, 0xF0, 0xF0));
    stbi_image_free(pixels);
    if (std::getenv("MDX_UPDATE_DOCS")) {
        EXPECT_TRUE(win::writeWholeFileAtomic(
            fs::path(MDX_SOURCE_DIR) / "docs" / "dialog-macro-settings-standards.png", png));
    }
}

TEST(StandardsName, OnlyNamesInsideTheStandardsFolderAreTaken) {
    for (const char* inside : {"EndPlate", "Childs\\Bolt", "Sub/Deeper\\x", "a.b"})
        EXPECT_TRUE(isStandardsNameInside(inside)) << inside;
    for (const char* outside : {"", "..", "..\\x", "a\\..\\..\\x", "a/../../x", "C:\\x", "C:x",
                                "\\x", "/etc/passwd", "a\\...", "a\\.. ", "a\\\\b", "a\\"})
        EXPECT_FALSE(isStandardsNameInside(outside)) << outside;
}

}  // namespace
