#include "frame/KvStandardsDlg.h"

#include "frame/FrameTestSupport.h"
#include "frame/StandardsLaunch.h"
#include "standards/testing/LibraryFolder.h"
#include "standards/testing/StandardsFiles.h"
#include "win/ScriptedUser.h"

namespace {

using standards::testing::passedVar;

// A sheet file with the texts in column 1, one per row from row 1.
std::string sheetFile(std::initializer_list<const char*> texts) {
    return standards::testing::sheetFile({standards::testing::Column(texts.begin(), texts.end())});
}

class StandardsDialog : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        library = std::make_unique<standards::testing::LibraryFolder>();
        installStandardsEngine();
        library->put("Childs/bolts.kvs", sheetFile({"Input", "Double d", "Output", "Double pitch",
                                                    "Calc", "pitch = d * 3"}));
        library->put(
            "plate.kvs",
            sheetFile({"Input", "Double bolt", "Output", "Double width", "Double pitch", "Calc",
                       "CallChild(bolts.kvs, bolt, pitch)", "width = pitch * 2 + 10"}));
    }
    void TearDown() override {
        KvSSDlgsMgr::setDialogFactory(nullptr);
        KvStandardsSpread::setChildEvaluator(nullptr);
        library.reset();
        FrameTest::TearDown();
    }
    KvDlgStandardsData plateRequest(const char* bolt) {
        KvDlgStandardsData data;
        data.mode = KvDlgStandardsData::kChildEvaluation;
        data.fileName = "plate";
        data.varCells.append(passedVar("bolt", bolt, KvCellType::Input));
        data.varCells.append(passedVar("width", "", KvCellType::Output));
        data.varCells.append(passedVar("pitch", "", KvCellType::Output));
        return data;
    }

    std::unique_ptr<standards::testing::LibraryFolder> library;
};

TEST_F(StandardsDialog, EvaluatesThroughThePoolWithTheChildInADialogOfItsOwn) {
    KvDlgStandardsData data = plateRequest("16");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(data.varCells[1].value.toDouble(), 106.0);
    EXPECT_DOUBLE_EQ(data.varCells[2].value.toDouble(), 48.0);
    EXPECT_EQ(gSSDlgsMgr.count(), 2) << "the child borrowed a second dialog";
    EXPECT_FALSE(gSSDlgsMgr.isLent(0));
    EXPECT_FALSE(gSSDlgsMgr.isLent(1));
    EXPECT_TRUE(win::user::messageBoxes().empty());

    // The reused dialogs load afresh: nothing of the first evaluation survives.
    KvDlgStandardsData again = plateRequest("20");
    ASSERT_TRUE(StartDlgStandardsSS(again));
    EXPECT_DOUBLE_EQ(again.varCells[1].value.toDouble(), 130.0);
    EXPECT_EQ(gSSDlgsMgr.count(), 2);
}

TEST_F(StandardsDialog, AFailedEvaluationLeavesTheRequestUnchanged) {
    KvDlgStandardsData data = plateRequest("16");
    data.fileName = "missing";
    data.varCells[1].value = "keep";
    EXPECT_FALSE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.varCells[1].value.str(), "keep");
    EXPECT_FALSE(gSSDlgsMgr.isLent(0));

    KvDlgStandardsData tooFew = plateRequest("16");
    tooFew.varCells.removeAt(2);
    tooFew.varCells[1].value = "keep";
    EXPECT_FALSE(StartDlgStandardsSS(tooFew));
    EXPECT_EQ(tooFew.varCells[1].value.str(), "keep");
}

}  // namespace
