// The segments of a section tab: button 1210 only for segmented profiles, the table edited
// as a person edits it, a segment that cannot be right told with the dialog kept open, and
// the list stored and applied to the drawing on OK.
#include "macrodlg/DlgProfSegments.h"

#include <cstdlib>
#include <filesystem>

#include "MdxBuildPaths.h"
#include "core/macro/Mdx_ProfModule.h"
#include "grid/GridUserSteps.h"
#include "host/MainWindow.h"
#include "macrodlg/MacroDialogTestSupport.h"
#include "macrodlg/MacroSectionPage.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/WindowPainter.h"

namespace {

const win::DialogRef kSegments{StringArrayGridDialog::kTemplateId, ""};

class Segments : public macrodlg_testing::MacroDialogTest {
protected:
    std::unique_ptr<MacroSectionPage> openPage() {
        auto page = std::make_unique<MacroSectionPage>(data, tabIndex(data, "Stiffeners"), nullptr);
        EXPECT_TRUE(page->createPage(CWnd::FromHandle(adsw_acadMainWnd())));
        return page;
    }
    void segment() {
        AcTransaction transaction(db);
        Mdx_DbMacro* macro = nullptr;
        ASSERT_EQ(transaction.getObject(macro, drawing.macro, host::OpenMode::ForWrite), Acad::eOk);
        auto& module = static_cast<Mdx_ProfModule&>(*macro->macro()->findModuleWrite("Stiffeners"));
        module.segments().segmented = true;
        module.segments().list = {{"1200", "IPE300"}, {"800", "IPE240"}};
        transaction.commit();
        data = gather();
    }
    Mdx_Array<Mdx_ProfSegment> drawingSegments() {
        Mdx_Array<Mdx_ProfSegment> list;
        inMacro([&](Mdx_Macro& macro) {
            list = static_cast<Mdx_ProfModule&>(*macro.findModuleWrite("Stiffeners")).segments().list;
        });
        return list;
    }
};

TEST_F(Segments, TheButtonIsOfferedOnlyForSegmentedProfiles) {
    // The page itself is not shown here: the button's own style tells.
    auto shown = [](MacroSectionPage& page) {
        return (::GetWindowLongPtr(page.GetDlgItem(1210)->GetSafeHwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
    };
    auto plain = openPage();
    EXPECT_FALSE(shown(*plain));
    plain->DestroyWindow();
    segment();
    auto segmented = openPage();
    EXPECT_TRUE(shown(*segmented));
}

TEST_F(Segments, TheEditedListIsStoredAndAppliedAndABadLengthIsTold) {
    segment();
    auto page = openPage();
    grid::user::typeInCell(StringArrayGridDialog::kGridPlaceholder, 1, 2, "0", kSegments);
    win::user::click(IDOK, kSegments);
    win::user::answerMessageBox(IDOK);
    grid::user::typeInCell(StringArrayGridDialog::kGridPlaceholder, 1, 2, "650", kSegments);
    win::user::click(StringArrayGridDialog::kAddButton, kSegments);
    grid::user::typeInCell(StringArrayGridDialog::kGridPlaceholder, 1, 3, "300", kSegments);
    grid::user::typeInCell(StringArrayGridDialog::kGridPlaceholder, 2, 3, "IPE270", kSegments);
    win::user::click(IDOK, kSegments);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(1210, BN_CLICKED), 0);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    ASSERT_EQ(win::user::messageBoxes().size(), 1u);
    EXPECT_NE(win::user::messageBoxes()[0].text.find("segment 2"), std::string::npos)
        << win::user::messageBoxes()[0].text;
    EXPECT_TRUE(page->lastApply().applied) << page->lastApply().reason;
    const Mdx_Array<Mdx_ProfSegment> expected = {
        {"1200", "IPE300"}, {"650", "IPE240"}, {"300", "IPE270"}};
    EXPECT_EQ(drawingSegments(), expected);
    EXPECT_EQ(page->tab()->segments().list, expected);
}

TEST_F(Segments, PictureOfTheSegments) {
    segment();
    auto page = openPage();
    const std::filesystem::path out =
        std::filesystem::path(MDX_BINARY_DIR) / "dialog-profile-segments.png";
    bool painted = false;
    win::user::act([&] { painted = win::paintWindowToPng(win::activeDialog(), out); });
    win::user::click(IDCANCEL, kSegments);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(1210, BN_CLICKED), 0);
    ASSERT_TRUE(painted);
    EXPECT_EQ(drawingSegments().length(), 2) << "Cancel keeps the list";
    std::string bytes;
    if (std::getenv("MDX_UPDATE_DOCS") && win::readWholeFile(out, bytes))
        win::writeWholeFileAtomic(
            std::filesystem::path(MDX_SOURCE_DIR) / "docs" / "dialog-profile-segments.png", bytes);
}

}  // namespace
