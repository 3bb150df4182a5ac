// Pictures of the macro dialogs on the end-plate connection, as the documentation shows
// them: the modeless dialog on its plate page, on its section page, the bolt settings and
// the property files.
// With MDX_UPDATE_DOCS set the pictures are also written to docs/.
#include "MdxBuildPaths.h"

#include <cstdlib>
#include <filesystem>

#include "core/macro/BoltCatalogue.h"
#include "macrodlg/DlgBoltAdvanced.h"
#include "macrodlg/DlgMacroModeless.h"
#include "macrodlg/DlgPropertyFile.h"
#include "resources/macrodlg_ids.h"
#include "macrodlg/MacroDialogTestSupport.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/WindowPainter.h"

namespace {

namespace fs = std::filesystem;

class MacroDialogPictures : public macrodlg_testing::MacroDialogTest {
protected:
    void SetUp() override {
        MacroDialogTest::SetUp();
        // The sample library: the plate tab shows its sample design.
        gSettings.setLibraryFolder(std::string(MDX_SOURCE_DIR) + "/examples");
        data = gather();
        installMacroDialog();
    }
    void TearDown() override {
        setMacroSlotDialogFactory(nullptr);
        MacroDialogTest::TearDown();
    }
    // Paints the window; the picture must have the window's size.
    static void picture(CWnd& window, const char* name) {
        const fs::path out = fs::path(MDX_BINARY_DIR) / name;
        ASSERT_TRUE(win::paintWindowToPng(window.m_hWnd, out)) << name;
        std::string bytes;
        ASSERT_TRUE(win::readWholeFile(out, bytes));
        EXPECT_GT(bytes.size(), 1000u) << name;
        if (std::getenv("MDX_UPDATE_DOCS")) {
            EXPECT_TRUE(win::writeWholeFileAtomic(fs::path(MDX_SOURCE_DIR) / "docs" / name, bytes));
        }
    }
};

TEST_F(MacroDialogPictures, ThePlatePageTheSectionPageAndTheBoltSettings) {
    int slot = -1;
    ASSERT_TRUE(StartDlgMacroModeless(true, data, slot));
    auto* dialog = static_cast<DlgMacroModeless*>(macro_slots::dialogInSlot(slot));
    ASSERT_NE(dialog, nullptr);
    picture(*dialog, "dialog-macro-page.png");
    dialog->showTab(2);
    picture(*dialog, "dialog-macro-section-page.png");
    MacroPage& bolts = *dialog->page(1);
    win::user::act([] {
        CWnd* settings = CWnd::FromHandlePermanent(win::findDialog(DlgBoltAdvanced::kTemplateId));
        ASSERT_NE(settings, nullptr);
        picture(*settings, "dialog-bolt-settings.png");
    });
    Mdx_StringArray diameters;
    GetMergedDiameters(data, diameters);
    DlgBoltAdvanced settings(*bolts.tab()->getBoltData(), diameters, &bolts);
    KvTempResourceOverride resources;
    settings.DoModal();
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

TEST_F(MacroDialogPictures, ThePropertyFilesOfAMacroWithANameTyped) {
    Mdx_StringArray files;
    for (const char* name : {"Heavy", "Light", "Site A"}) files.append(name);
    win::user::act([] {
        CWnd* dialog = CWnd::FromHandlePermanent(win::findDialog(IDD_MACRO_PROP_FILE));
        ASSERT_NE(dialog, nullptr);
        win::act::select(dialog->m_hWnd, IDC_PROP_FILE_LIST, 1);
        win::act::typeText(dialog->m_hWnd, IDC_PROP_FILE_NAME, "Light 2");
        picture(*dialog, "dialog-macro-property-file.png");
    });
    Mdx_String chosen;
    StartDlgPropertyFile(DlgPropertyFile::Mode::Save, files, chosen);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
}

}  // namespace
