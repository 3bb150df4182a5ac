#include "macroedit/MacroEditorLaunch.h"

#include "frame/FrameTestSupport.h"
#include "frame/ModuleEntry.h"
#include "host/MainWindow.h"
#include "macroedit/KvEditConstraintsDlg.h"
#include "win/ScriptedUser.h"

namespace {

class MacroEditor : public frame_testing::FrameTest {
protected:
    void TearDown() override {
        EndDlgEditConstraints();
        FrameTest::TearDown();
    }
    static HWND editorWindow() { return win::findDialog(KvEditConstraintsDlg::kTemplateId); }
    static KvEditConstraintsDlg* editor() {
        return static_cast<KvEditConstraintsDlg*>(CWnd::FromHandlePermanent(editorWindow()));
    }
    static EditConstrData contextFor(const char* module) {
        EditConstrData data;
        data.currentModule = module;
        data.moduleNames.append(module);
        return data;
    }
};

TEST_F(MacroEditor, TheModalEditorWorksOnACopyAndReportsOk) {
    EditConstrData data = contextFor("Plate");
    win::user::act([] {
        ASSERT_NE(editor(), nullptr);
        EXPECT_EQ(editor()->data.currentModule, Mdx_String("Plate"));
        EXPECT_FALSE(editor()->isModeless());
    });
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    EXPECT_FALSE(StartDlgEditConstrModal(data)) << "no user: Cancel";
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(editorWindow(), nullptr);
}

TEST_F(MacroEditor, ASecondStartKeepsTheOpenEditorAndItsContext) {
    EditConstrData first = contextFor("Plate");
    EditConstrData second = contextFor("Bolts");
    ASSERT_TRUE(StartDlgEditConstraints(first));
    HWND window = editorWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetFocus(), adsw_acadMainWnd());
    EXPECT_TRUE(editor()->isModeless());
    EXPECT_TRUE(StartDlgEditConstraints(second));
    EXPECT_EQ(editorWindow(), window);
    EXPECT_EQ(editor()->data.currentModule, Mdx_String("Plate"));
    EXPECT_EQ(AfxGetResourceHandle(), nullptr) << "the caller's resources come back";
}

TEST_F(MacroEditor, EndClosesTheEditorOnceAndAsksForThePrompt) {
    EditConstrData data = contextFor("Plate");
    ASSERT_TRUE(StartDlgEditConstraints(data));
    const int prompts = host::CommandLine::promptCount();
    EndDlgEditConstraints();
    EXPECT_EQ(editorWindow(), nullptr);
    EXPECT_FALSE(constraint_editor::isOpen());
    EXPECT_EQ(host::CommandLine::promptCount(), prompts + 1);
    EndDlgEditConstraints();
    EXPECT_EQ(host::CommandLine::promptCount(), prompts + 1) << "nothing open, nothing done";
    EXPECT_EQ(count(transcript(), "Erase window failed"), 0);
}

TEST_F(MacroEditor, OkOrTheCloseBoxOfTheModelessEditorEndsItThroughTheFrame) {
    for (bool ok : {true, false}) {
        EditConstrData data = contextFor("Plate");
        ASSERT_TRUE(StartDlgEditConstraints(data));
        EXPECT_TRUE(ok ? win::act::click(editorWindow(), IDOK) : win::act::closeDialog(editorWindow()));
        EXPECT_FALSE(constraint_editor::isOpen()) << ok;
        EXPECT_EQ(editorWindow(), nullptr) << ok;
        ASSERT_TRUE(StartDlgEditConstraints(data)) << "a new editor can be opened after";
        EndDlgEditConstraints();
    }
}

TEST_F(MacroEditor, UnloadingTheModuleEndsTheModelessEditor) {
    EditConstrData data = contextFor("Plate");
    ASSERT_TRUE(StartDlgEditConstraints(data));
    EXPECT_EQ(acrxEntryPoint(2, nullptr), 0);
    EXPECT_FALSE(constraint_editor::isOpen());
    EXPECT_EQ(editorWindow(), nullptr);
}

}  // namespace
