// Draws the library editor's three pages and the add-size dialog on the sample tables, as the
// documentation shows them. With MDX_UPDATE_DOCS set the pictures are also written to docs/.
#include "MdxBuildPaths.h"

#include <cstdlib>
#include <filesystem>

#include "core/Mdx_Settings.h"
#include "frame/FrameTestSupport.h"
#include "resources/sectionlib_ids.h"
#include "sectionlib/SectionLibraryLaunch.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"
#include "win/WindowPainter.h"

namespace {

namespace fs = std::filesystem;

class SectionLibraryPictures : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        gSettings.setLibraryFolder((fs::path(MDX_SOURCE_DIR) / "examples").string());
    }
    void TearDown() override {
        gSettings.reset();
        FrameTest::TearDown();
    }
    // Paints the active dialog; true when the picture was written (and copied to docs/).
    static void paint(const char* name, bool& painted) {
        const fs::path out = fs::path(MDX_BINARY_DIR) / name;
        painted = win::paintWindowToPng(win::activeDialog(), out);
        std::string bytes;
        if (painted && std::getenv("MDX_UPDATE_DOCS") && win::readWholeFile(out, bytes))
            win::writeWholeFileAtomic(fs::path(MDX_SOURCE_DIR) / "docs" / name, bytes);
    }
};

TEST_F(SectionLibraryPictures, LibraryEditorPagesAndTheAddSizeDialog) {
    DlgEditLibData data;
    data.groups.appendNewGrp("Hot rolled", 4);
    data.groups.appendNewGrp("Tubes", 4);
    SectionType type;
    type.text = "1";
    type.groupId = 0;
    type.names = {"I section", "I-profiel", "I-Profil", "Profil I"};  // the languages' order
    data.types.append(type);
    bool groups = false, types = false, tables = false, simple = false;
    win::user::act([&] { paint("dialog-section-groups.png", groups); });
    win::user::select(8097, 1);
    win::user::act([&] { paint("dialog-section-types.png", types); });
    win::user::select(8097, 2);
    win::user::act([&] { paint("dialog-section-tables.png", tables); });
    win::user::click(IDOK);
    ASSERT_TRUE(StartDlgEditLibSections(data, ""));
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();

    Mdx_ProfValuesTable rhs;
    ASSERT_TRUE(rhs.readFromFile("RHS"));
    win::user::typeText(IDC_SIZE_DIM_EDIT0, "250");
    win::user::typeText(IDC_SIZE_DIM_EDIT0 + 1, "150");
    win::user::act([&] { paint("dialog-section-add-size.png", simple); });
    win::user::click(IDCANCEL);
    int newRow = -1;
    EXPECT_FALSE(StartDlgEditLibSimple("200x100x8", rhs, newRow));
    EXPECT_TRUE(groups && types && tables && simple);
}

}  // namespace
