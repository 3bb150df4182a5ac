#include "sectionlib/SectionLibraryLaunch.h"

#include "frame/FrameTestSupport.h"
#include "resources/sectionlib_ids.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"

namespace {

class SectionLibraryLaunch : public frame_testing::FrameTest {
protected:
    static Mdx_ProfValuesTable heaTable() {
        Mdx_ProfValuesTable table;
        table.tableName = "HEA";
        table.pictureName = "1";
        table.columnNames = Mdx_StringArray{"SysName", "I/O", "English", "Nederlands"};
        table.rows.append(Mdx_StringArray{"100", "1", "HEA100", "HEA100"});
        return table;
    }
};

TEST_F(SectionLibraryLaunch, TheEditorRunsOnItsTemplateAndReportsOk) {
    DlgEditLibData data;
    data.tableNames = Mdx_StringArray{"HEA", "IPE"};
    bool opened = false;
    win::user::act([&opened] { opened = win::findDialog(IDD_EDIT_SECTIONLIB) != nullptr; });
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditLibSections(data, "HEA-100"));
    EXPECT_TRUE(opened);
    EXPECT_EQ(data.tableNames, (Mdx_StringArray{"HEA", "IPE"}));
    EXPECT_FALSE(StartDlgEditLibSections(data, "")) << "no user: Cancel";
}

TEST_F(SectionLibraryLaunch, AddingASizeLeavesTheCallersTableAloneUnlessOk) {
    Mdx_ProfValuesTable table = heaTable();
    int newRow = 5;
    EXPECT_FALSE(StartDlgEditLibSimple("100", table, newRow));
    EXPECT_EQ(newRow, 5) << "Cancel touches nothing";
    ASSERT_EQ(table.rows.length(), 1);
    EXPECT_EQ(table.rows[0], heaTable().rows[0]);
}

}  // namespace
