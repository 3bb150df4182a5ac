#include "cutstock/CuttingStockLaunch.h"

#include "frame/FrameTestSupport.h"
#include "resources/cutstock_ids.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"

namespace {

class CuttingStockLaunch : public frame_testing::FrameTest {};

TEST_F(CuttingStockLaunch, TheListsComeBackOnOkOnly) {
    DlgCSP2Data data;
    data.groupIds.append(1);
    data.groupNames.append("Columns");
    data.list2.columnNames = Mdx_StringArray{"Section", "Length"};
    data.list2.groupIds.append(1);
    data.list2.records.append(Mdx_StringArray{"HEA200", "6000"});
    win::user::click(IDCANCEL);
    EXPECT_FALSE(StartDlgCSP2(data));
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgCSP2(data));
    ASSERT_EQ(data.list2.records.length(), 1);
    EXPECT_EQ(data.list2.records[0], (Mdx_StringArray{"HEA200", "6000"}));
    EXPECT_EQ(data.groupNames, (Mdx_StringArray{"Columns"}));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(win::findDialog(IDD_OPTIMIZECSP2), nullptr);
}

}  // namespace
