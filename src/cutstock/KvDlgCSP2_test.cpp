#include "cutstock/KvDlgCSP2.h"

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
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"
#include "win/Window.h"

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
    bool told(int textNumber) const {
        KvTempResourceOverride resources;
        for (const auto& box : win::user::messageBoxes())
            if (box.text == dialString(textNumber).str()) return true;
        return false;
    }
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

}  // namespace
