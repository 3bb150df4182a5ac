#include "cutstock/KvDlgCSP2.h"

#include "MdxBuildPaths.h"

#include <filesystem>
#include <fstream>

#include "core/CTime.h"
#include "core/ExportStartDlgInfo.h"
#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/Texts.h"
#include "cutstock/CuttingStockLaunch.h"
#include "frame/FrameTestSupport.h"
#include "resources/cutstock_ids.h"
#include "resources/spread_ids.h"
#include "spread/Mdx_Spread.h"
#include "win/MouseSteps.h"
#include "win/ScriptedUser.h"
#include "win/Tooltips.h"
#include "win/WinMessages.h"
#include "win/Window.h"
#include "win/WindowPainter.h"
#include "win/FilePaths.h"

namespace {

namespace fs = std::filesystem;
using win::DialogRef;

class CuttingStockDialog : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        gSettings.setLibraryFolder((folder / "library").string());
        data.groupIds.append(1);
        data.groupNames.append("Columns");
        data.list2.columnNames = {"Section", "Length"};
        data.list2.groupIds.append(1);
        data.list2.records.append({"HEA200", "6000"});
    }
    void TearDown() override {
        gSettings.reset();
        FrameTest::TearDown();
    }
    fs::path stock(const std::string& group) const {
        return folder / "library" / "Cutting Stock" / group;
    }
    void writeList(const std::string& group, const std::string& name, const std::string& text,
                   int secondsAgo) const {
        fs::create_directories(stock(group));
        std::ofstream(stock(group) / name, std::ios::binary) << text;
        fs::last_write_time(stock(group) / name,
                            fs::file_time_type::clock::now() - std::chrono::seconds(secondsAgo));
    }
    // The message boxes shown, by their text number.
    DlgCSP2Data data;
};

// A name that would reach outside the stock folder, or share a folder with another group by
// letter case, is refused with a message; nothing is created and the groups stay.
TEST_F(CuttingStockDialog, AGroupNameTryingToLeaveItsFolderIsRefused) {
    const DialogRef prompt{8069, ""};
    win::user::click(IDC_CSP_ADD_GROUP);
    win::user::typeText(IDC_VALUE_EDIT, "..\\..\\outside", prompt);
    win::user::click(IDOK, prompt);
    win::user::click(IDC_CSP_ADD_GROUP);
    win::user::typeText(IDC_VALUE_EDIT, "COLUMNS", prompt);
    win::user::click(IDOK, prompt);
    win::user::click(IDC_CSP_ADD_GROUP);
    win::user::typeText(IDC_VALUE_EDIT, "Beams", prompt);
    win::user::click(IDOK, prompt);
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_TRUE(told(639));
    EXPECT_TRUE(told(640));
    EXPECT_EQ(data.groupNames, (Mdx_StringArray{"Columns", "Beams"}));
    EXPECT_EQ(data.groupIds[1], 2);
    EXPECT_FALSE(fs::exists(folder / "outside"));
    EXPECT_FALSE(fs::exists(folder / "library" / "outside"));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

// Opening proposes the newest file; one that cannot be read leaves the group's list as it
// was and says so.
TEST_F(CuttingStockDialog, AnUnreadableListLeavesTheGroupAsItWas) {
    writeList("Columns", "Stock1.shp", "IPE100\xBF" "1000\r\n", 500);
    fs::create_directories(stock("Columns"));
    {
        std::ofstream huge(stock("Columns") / "Stock2.shp", std::ios::binary);
    }
    fs::resize_file(stock("Columns") / "Stock2.shp", 17u << 20);
    win::user::click(IDC_CSP_SHAPE_OPEN);
    win::user::answerFileDialog({(stock("Columns") / "Stock2.shp").string()});
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgCSP2(data));
    ASSERT_EQ(win::user::fileDialogs().size(), 1u);
    EXPECT_NE(win::user::fileDialogs()[0].fileName.find("Stock2.shp"), std::string::npos)
        << "the newest file is proposed";
    EXPECT_TRUE(told(641));
    ASSERT_EQ(data.list2.records.length(), 1);
    EXPECT_EQ(data.list2.records[0], (Mdx_StringArray{"HEA200", "6000"}));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

TEST_F(CuttingStockDialog, ACellHoldingTheSeparatorIsNotSaved) {
    data.list2.records[0] = {"HEA\xBF" "200", "6000"};
    win::user::click(IDC_CSP_SHAPE_SAVE);
    win::user::answerFileDialog({(stock("Columns") / "Stock1.shp").string()});
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_TRUE(told(642));
    EXPECT_FALSE(fs::exists(stock("Columns") / "Stock1.shp"));
    EXPECT_EQ(data.list2.records[0][0].str(), "HEA\xBF" "200") << "the cell is kept";
}

// The overview loads the newest shape and buy lists of every group and tells when and from
// which file; a group without files is named as such.
TEST_F(CuttingStockDialog, TheLatestFilesAreLoadedAndListedWithTheirTimes) {
    data.groupIds.append(2);
    data.groupNames.append("Beams");
    writeList("Columns", "Stock1.shp", "old\xBF" "1\r\n", 900);
    writeList("Columns", "Stock7.shp", "HEB300\xBF" "12000\r\nHEB200\xBF" "6000\r\n", 60);
    writeList("Columns", "Stock3.buy", "S355\xBF" "12\r\n", 30);
    std::int64_t seconds = 0;
    ASSERT_TRUE(getFileTime((stock("Columns") / "Stock7.shp").string(), seconds));
    const CTime stamp(seconds);
    std::string overview;
    win::user::click(IDC_CSP_LOAD_LATEST);
    win::user::act([&] {
        char text[4096] = {};
        GetDlgItemText(win::findDialog(kInfoDialogTemplate), kInfoDialogText, text, sizeof text);
        overview = text;
    });
    win::user::click(IDOK, DialogRef{kInfoDialogTemplate, ""});
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(overview.rfind(std::string(116, '-') + "\r\n", 0), 0u) << overview;
    EXPECT_NE(overview.find("Loaded on " + stamp.Format("%d %B, %Y (%H:%M)").str() +
                            "for group \"Columns\" shape list \"Stock7.shp\" "),
              std::string::npos)
        << overview;
    EXPECT_NE(overview.find("No buy list for group \"Beams\"."), std::string::npos) << overview;
    ASSERT_EQ(data.list2.records.length(), 2);
    EXPECT_EQ(data.list2.records[0], (Mdx_StringArray{"HEB300", "12000"}));
    ASSERT_EQ(data.list3.records.length(), 1);
    EXPECT_EQ(data.list3.groupIds[0], 1);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

TEST_F(CuttingStockDialog, BatchModeLeavesOnlyTheShapeListsToEdit) {
    data.batchMode = true;
    bool buyGridEnabled = true, shapeGridEnabled = false, askShown = false;
    win::user::act([&] {
        HWND dialog = win::findDialog(IDD_OPTIMIZECSP2);
        buyGridEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_CSP_BUYS));
        shapeGridEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_CSP_SHAPES));
        askShown = IsWindowVisible(GetDlgItem(dialog, IDC_CSP_ASK_EACH));
    });
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgCSP2(data));
    EXPECT_FALSE(buyGridEnabled);
    EXPECT_TRUE(shapeGridEnabled);
    EXPECT_TRUE(askShown);
}

// The row and file buttons are icons that say what they do when the pointer rests on them.
TEST_F(CuttingStockDialog, TheRowAndFileButtonsShowIconsAndTellTheirUseOnHover) {
    bool iconsShown = true;
    win::user::act([&] {
        HWND dialog = win::findDialog(IDD_OPTIMIZECSP2);
        for (int id : {IDC_CSP_LIST1_INSERT, IDC_CSP_SHAPE_DELETE, IDC_CSP_BUY_OPEN,
                       IDC_CSP_SHAPE_SAVE}) {
            const win::TooltipRecord* tip = win::tooltipOf(GetDlgItem(dialog, id));
            iconsShown = iconsShown && tip && !tip->text.empty();
        }
    });
    win::user::hover(IDC_CSP_BUY_SAVE);
    std::string shown;
    UINT shownId = 0;
    win::user::act([&] {
        if (const win::TooltipRecord* tip = win::shownTooltip()) {
            shown = tip->text;
            shownId = tip->textId;
        }
    });
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgCSP2(data));
    EXPECT_TRUE(iconsShown);
    KvTempResourceOverride resources;
    EXPECT_EQ(shownId, 619u);
    EXPECT_EQ(shown, dialString(619).str());
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

// Widening and heightening the dialog gives the room to the three lists; the closing buttons
// stay in the corner, and the dialog cannot be made smaller than its minimum.
TEST_F(CuttingStockDialog, ResizingGivesTheRoomToTheListsAndKeepsAMinimum) {
    struct Places {
        RECT grid{}, buyGrid{}, ok{}, client{};
    } before, after;
    MINMAXINFO limits{};
    auto measure = [](Places& places) {
        HWND dialog = win::findDialog(IDD_OPTIMIZECSP2);
        GetClientRect(dialog, &places.client);
        auto place = [dialog](int id, RECT& r) {
            GetWindowRect(GetDlgItem(dialog, id), &r);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<LPPOINT>(&r), 2);
        };
        place(IDC_CSP_SHAPES, places.grid);
        place(IDC_CSP_BUYS, places.buyGrid);
        place(IDOK, places.ok);
    };
    win::user::act([&] { measure(before); });
    win::user::act([&] {
        HWND dialog = win::findDialog(IDD_OPTIMIZECSP2);
        RECT w;
        GetWindowRect(dialog, &w);
        MoveWindow(dialog, w.left, w.top, w.right - w.left + 300, w.bottom - w.top + 100, TRUE);
        measure(after);
        SendMessage(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    });
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgCSP2(data));
    const auto width = [](const RECT& r) { return r.right - r.left; };
    const auto height = [](const RECT& r) { return r.bottom - r.top; };
    EXPECT_EQ(height(after.grid), height(before.grid) + 100);
    EXPECT_GT(width(after.grid), width(before.grid) + 50) << "the lists share the new width";
    EXPECT_LT(after.grid.right, after.buyGrid.left) << "the lists do not overlap";
    EXPECT_LT(after.buyGrid.right, after.client.right) << "the last list stays inside";
    EXPECT_GT(after.buyGrid.right, before.buyGrid.right + 250);
    EXPECT_EQ(after.client.right - after.ok.right, before.client.right - before.ok.right);
    EXPECT_EQ(after.client.bottom - after.ok.bottom, before.client.bottom - before.ok.bottom);
    EXPECT_EQ(limits.ptMinTrackSize.x, 200);
    EXPECT_EQ(limits.ptMinTrackSize.y, 130);
}

// The picture of the documentation: two groups, the shape and buy lists of the first.
TEST_F(CuttingStockDialog, PictureOfTheListsOfAGroup) {
    data.groupIds.append(2);
    data.groupNames.append("Beams");
    data.list1.columnNames = {"Section", "Count"};
    data.list1.groupIds.append(1);
    data.list1.records.append({"HEA200", "4"});
    data.list2.groupIds.append(1);
    data.list2.records.append({"HEA200", "12000"});
    data.list3.columnNames = {"Section", "Length", "Price"};
    data.list3.groupIds.append(1);
    data.list3.records.append({"HEA200", "12000", "410"});
    data.list3.groupIds.append(1);
    data.list3.records.append({"HEA200", "6000", "215"});
    const fs::path out = fs::path(MDX_BINARY_DIR) / "dialog-cutting-stock.png";
    bool painted = false;
    win::user::act([&] { painted = win::paintWindowToPng(win::activeDialog(), out); });
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgCSP2(data));
    ASSERT_TRUE(painted);
    std::string bytes;
    if (std::getenv("MDX_UPDATE_DOCS") && win::readWholeFile(out, bytes))
        win::writeWholeFileAtomic(fs::path(MDX_SOURCE_DIR) / "docs" / "dialog-cutting-stock.png",
                                  bytes);
}

}  // namespace
