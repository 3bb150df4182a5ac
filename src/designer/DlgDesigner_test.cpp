// The designer window driven as a person drives it: clicks, drags, typing and file choices.
#include "designer/DlgDesigner.h"

#include <cstdlib>
#include <filesystem>

#include "MdxBuildPaths.h"

#include "core/Mdx_PropertiesList.h"
#include "designer/DesignerLaunch.h"
#include "designer/DesignerTestSupport.h"
#include "core/CButtonST.h"
#include "win/CComboBox.h"
#include "win/MouseSteps.h"
#include "win/ScriptedUser.h"
#include "win/FilePaths.h"
#include "win/WindowPainter.h"

namespace {

using designer_testing::DesignerTest;

const win::DialogRef kDesigner{IDD_DLGDESIGNER, ""};

class DesignerWindow : public DesignerTest {
protected:
    void SetUp() override {
        DesignerTest::SetUp();
        writePicture("Page.bmp", 300, 180);
        Mdx_PropertiesList list;
        list.setInt("nrOfControls", 0);
        ASSERT_TRUE(list.writeToFile(designPath("Page.txt")));
    }
    // Runs a check while the window is open.
    static void whileOpen(std::function<void(DlgDesigner&)> check) {
        win::user::act([check] {
            auto* window = dynamic_cast<DlgDesigner*>(
                CWnd::FromHandlePermanent(win::findDialog(IDD_DLGDESIGNER)));
            ASSERT_NE(window, nullptr);
            check(*window);
        });
    }
    static RECT rectOf(DlgDesigner& window, int id) {
        RECT r{};
        CWnd* item = window.GetDlgItem(id);
        EXPECT_NE(item, nullptr);
        if (!item) return r;
        item->GetWindowRect(&r);
        window.ScreenToClient(&r);
        return r;
    }
};

TEST_F(DesignerWindow, AddedControlsAreDraggedResizedAndRetyped) {
    win::user::click(IDC_DESIGN_ADD, kDesigner);
    whileOpen([](DlgDesigner& w) {
        const RECT r = rectOf(w, 33000);
        EXPECT_EQ(r.left, 60);
        EXPECT_EQ(r.top, 36);
        EXPECT_EQ(r.right - r.left, 30);
        EXPECT_EQ(r.bottom - r.top, 18);
    });
    win::user::drag(0, POINT{70, 45}, POINT{110, 75}, {}, 4, kDesigner);  // move by (40, 30)
    whileOpen([](DlgDesigner& w) {
        EXPECT_EQ(rectOf(w, 33000).left, 100);
        EXPECT_EQ(rectOf(w, 33000).top, 66);
        EXPECT_EQ(w.document().getCurSel(), 0);
        EXPECT_TRUE(w.GetDlgItem(IDC_DESIGN_CONTENTS)->IsWindowEnabled());
    });
    win::user::drag(0, POINT{130, 84}, POINT{150, 94}, {}, 4, kDesigner);  // bottom-right handle
    whileOpen([](DlgDesigner& w) {
        const RECT r = rectOf(w, 33000);
        EXPECT_EQ(r.right, 150);
        EXPECT_EQ(r.bottom, 94);
        EXPECT_EQ(r.left, 100);
    });
    win::user::select(IDC_DESIGN_TYPE, ctVarCombo, kDesigner);
    win::user::typeText(IDC_DESIGN_CONTENTS, "Grade", kDesigner);
    whileOpen([](DlgDesigner& w) {
        CWnd* control = w.GetDlgItem(33000);
        char name[32] = {};
        GetClassName(control->m_hWnd, name, sizeof name);
        EXPECT_STREQ(name, "COMBOBOX") << "a new type makes a new window";
        EXPECT_EQ(rectOf(w, 33000).left, 100) << "at the same place";
        std::string text;
        control->GetWindowText(text);
        EXPECT_EQ(text, "Grade");
    });
    win::user::click(IDC_DESIGN_SAVE_AS, kDesigner);
    win::user::answerFileDialog({designPath("Pages\\Grade.txt").str()});
    win::user::click(IDOK, kDesigner);
    EXPECT_TRUE(StartDlgDesigner(designPath("Page.txt")));
    EXPECT_TRUE(win::user::messageBoxes().empty()) << "saved: nothing to ask";
    Mdx_DlgDesignerData saved;
    ASSERT_TRUE(saved.readFromFile(designPath("Pages\\Grade.txt"), true));
    ASSERT_EQ(saved.getNrControls(), 1);
    EXPECT_EQ(saved.getControl(0)->type, ctVarCombo);
    EXPECT_EQ(saved.getControl(0)->contents, Mdx_String("Grade"));
    EXPECT_DOUBLE_EQ(saved.getControl(0)->topLeftX, 100.0 / 300);
    EXPECT_DOUBLE_EQ(saved.getControl(0)->bottomRightY, 94.0 / 180);
    EXPECT_TRUE(rootFileExists("Pages/Grade.bmp")) << "the picture comes along";
}

TEST_F(DesignerWindow, ShiftAndCtrlClicksAndTheRubberBandSelect) {
    for (int i = 0; i < 2; ++i) win::user::click(IDC_DESIGN_ADD, kDesigner);
    whileOpen([](DlgDesigner& w) {  // the second copy stands 20 px right and down
        w.document().selectCtrls({33001});
        w.document().copyCurCtrls();
    });
    win::user::pointAndClick(0, POINT{65, 40}, {}, false, kDesigner);
    win::user::pointAndClick(0, POINT{85, 60}, {true, false}, false, kDesigner);
    whileOpen([](DlgDesigner& w) {
        EXPECT_EQ(w.document().getSelectedIds().size(), 2u);
        EXPECT_FALSE(w.GetDlgItem(IDC_DESIGN_CONTENTS)->IsWindowEnabled())
            << "several selected: the panel is empty and disabled";
    });
    win::user::pointAndClick(0, POINT{85, 60}, {false, true}, false, kDesigner);
    whileOpen([](DlgDesigner& w) {
        EXPECT_EQ(w.document().getSelectedIds(), (std::vector<int>{33000}));
    });
    win::user::drag(0, POINT{5, 5}, POINT{200, 150}, {}, 4, kDesigner);
    whileOpen([](DlgDesigner& w) { EXPECT_EQ(w.document().getSelectedIds().size(), 3u); });
    win::user::pointAndClick(0, POINT{250, 150}, {}, false, kDesigner);
    whileOpen([](DlgDesigner& w) { EXPECT_TRUE(w.document().getSelectedIds().empty()); });
    win::user::click(IDOK, kDesigner);
    win::user::answerMessageBox(IDNO);
    EXPECT_TRUE(StartDlgDesigner(designPath("Page.txt")));
}

TEST_F(DesignerWindow, EscapeDoesNothingAndClosingAsksToSave) {
    win::user::click(IDC_DESIGN_ADD, kDesigner);
    win::user::pointAndClick(0, POINT{65, 40}, {}, false, kDesigner);
    win::user::pressKey(VK_ESCAPE, {}, kDesigner);
    win::user::closeDialog(kDesigner);
    win::user::answerMessageBox(IDCANCEL);
    whileOpen([](DlgDesigner& w) { EXPECT_TRUE(w.isModified()) << "still open after Cancel"; });
    win::user::closeDialog(kDesigner);
    win::user::answerMessageBox(IDNO);
    EXPECT_FALSE(StartDlgDesigner(designPath("Page.txt")));
    ASSERT_EQ(win::user::messageBoxes().size(), 2u) << "Escape asked nothing";
    EXPECT_EQ(win::user::messageBoxes()[0].text.find("The design has been changed"), 0u);
    EXPECT_NE(win::user::messageBoxes()[0].text.find("<Page>"), std::string::npos);
}

// A design never saved has no file to save to: Yes chooses one first.
TEST_F(DesignerWindow, YesOnANewDesignSavesUnderAChosenName) {
    win::user::click(IDC_DESIGN_ADD, kDesigner);
    win::user::click(IDOK, kDesigner);
    win::user::answerMessageBox(IDYES);
    win::user::answerFileDialog({designPath("Fresh.txt").str()});
    EXPECT_TRUE(StartDlgDesigner(""));
    EXPECT_TRUE(rootFileExists("Fresh.txt"));
    EXPECT_FALSE(rootFileExists(".txt")) << "never the root folder's own name";
}

TEST_F(DesignerWindow, SavingOutsideTheRootKeepsTheChangesUnsaved) {
    win::user::click(IDC_DESIGN_ADD, kDesigner);
    win::user::click(IDC_DESIGN_SAVE_AS, kDesigner);
    win::user::answerFileDialog({(gSettings.libDir() + "Elsewhere.txt").str()});
    win::user::answerMessageBox(IDOK);
    whileOpen([](DlgDesigner& w) { EXPECT_TRUE(w.isModified()); });
    win::user::click(IDOK, kDesigner);
    win::user::answerMessageBox(IDNO);
    EXPECT_TRUE(StartDlgDesigner(designPath("Page.txt")));
    EXPECT_FALSE(std::filesystem::exists(folder / "Elsewhere.txt"));
    EXPECT_EQ(win::user::messageBoxes().size(), 2u) << "the refusal, then the question";
}

// The panel and the icon row follow the bottom edge when the window grows; the window is never
// made smaller than its template, and the icon buttons draw their module icons.
TEST_F(DesignerWindow, ThePanelFollowsTheBottomEdgeAndTheIconButtonsShowIcons) {
    RECT okBefore{}, okAfter{}, addAfter{}, addBefore{};
    MINMAXINFO limits{};
    bool icons = false;
    whileOpen([&](DlgDesigner& w) {
        okBefore = rectOf(w, IDOK);
        addBefore = rectOf(w, IDC_DESIGN_ADD);
        RECT frame{};
        w.GetWindowRect(&frame);
        w.MoveWindow(frame.left, frame.top, frame.right - frame.left + 80,
                     frame.bottom - frame.top + 60);
        okAfter = rectOf(w, IDOK);
        addAfter = rectOf(w, IDC_DESIGN_ADD);
        w.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        auto* add = dynamic_cast<CButtonST*>(CWnd::FromHandlePermanent(
            w.GetDlgItem(IDC_DESIGN_ADD)->m_hWnd));
        icons = add && add->icon() != nullptr && !add->isFlat();
    });
    win::user::click(IDCANCEL, kDesigner);
    EXPECT_FALSE(StartDlgDesigner(designPath("Page.txt")));
    EXPECT_EQ(okAfter.top, okBefore.top + 60);
    EXPECT_EQ(okAfter.left, okBefore.left);
    EXPECT_EQ(addAfter.top, addBefore.top + 60);
    EXPECT_EQ(addAfter.right - addAfter.left, addBefore.right - addBefore.left);
    EXPECT_GT(limits.ptMinTrackSize.x, 300) << "the template's size";
    EXPECT_GT(limits.ptMinTrackSize.y, 200);
    EXPECT_TRUE(icons);
}

// The picture of the documentation: the sample end plate design with a label selected.
TEST_F(DesignerWindow, PictureOfTheSampleDesign) {
    const std::filesystem::path sample =
        std::filesystem::path(MDX_SOURCE_DIR) / "examples" / "Dialog Templates" / "Dialog Design";
    for (const char* name : {"EndPlate.txt", "EndPlate.bmp"})
        std::filesystem::copy_file(sample / name, rootFolder() / name);
    win::user::pointAndClick(0, POINT{266 + 5, 36 + 5}, {}, false, kDesigner);
    const std::filesystem::path out = std::filesystem::path(MDX_BINARY_DIR) / "dialog-designer.png";
    bool painted = false;
    win::user::act([&] { painted = win::paintWindowToPng(win::activeDialog(), out); });
    win::user::click(IDCANCEL, kDesigner);
    EXPECT_FALSE(StartDlgDesigner(designPath("EndPlate.txt")));
    ASSERT_TRUE(painted);
    std::string bytes;
    if (std::getenv("MDX_UPDATE_DOCS") && win::readWholeFile(out, bytes))
        win::writeWholeFileAtomic(std::filesystem::path(MDX_SOURCE_DIR) / "docs" /
                                      "dialog-designer.png",
                                  bytes);
}

}  // namespace
