#pragma once
// The macro editor on resource 8715, modal or as the single modeless editor: the module row
// (select another macro, the module list, add, rename, remove), four pages in a tab control
// (constraints, objects, variables, tools), general settings and zoom. It edits the macro
// through the core's editing calls on its copy of the context.
#include <memory>

#include "core/CButtonST.h"
#include "core/macro/EditConstrData.h"
#include "frame/ChildLayout.h"
#include "host/CAcUiTabMainDialog.h"
#include "resources/macroedit_ids.h"
#include "win/CTabCtrl.h"

class EditorPage;
class ConstraintPage;
class ObjectPage;
class VariablesPage;

class KvEditConstraintsDlg : public CAcUiTabMainDialog {
public:
    static constexpr UINT kTemplateId = IDD_EDIT_MACRO;
    static constexpr int kModuleCombo = 1088;
    static constexpr int kTabs = 8097;
    static constexpr int kPageCount = 4;

    explicit KvEditConstraintsDlg(CWnd* parent = nullptr);
    ~KvEditConstraintsDlg() override;

    EditConstrData data;

    // The modeless editor closes through EndDlgEditConstraints, which deletes it.
    void setModeless(bool modeless) { modeless_ = modeless; }
    bool isModeless() const { return modeless_; }

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnSize(UINT type, int cx, int cy) override;
    // The size stored when the editor last closed is also the smallest it can be made.
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;
    void OnOK() override;
    // Cancel, Escape and the close box: refused edits are not dropped without asking.
    void OnCancel() override;
    void OnClose() override;

    // Work the user does in the drawing: the editor steps aside around the core call.
    template <class F>
    bool editorCommand(F&& call) {
        BeginEditorCommand();
        const bool ok = call();
        CompleteEditorCommand(TRUE);
        return ok;
    }
    // A tool of the tool page (or the add-module button): StartMacroCommand with the code.
    void runTool(int code);
    void selectTab(int index);
    int currentTab() const { return tab_; }
    EditorPage* page(int index);
    ConstraintPage* constraintPage();
    ObjectPage* objectPage();
    VariablesPage* variablesPage();

    // The cut dialog was left with Escape: the next Escape on a page only clears this.
    bool swallowNextEscape = false;

private:
    void labelControls();
    void registerLayout();
    void createPages();
    void placePages();
    // The list of the macro's modules, the current one selected (none when absent).
    void fillModules();
    // Commits the pages (unless they show a module that is gone), then edits the module at
    // index of the list; -1 edits none.
    void applyModule(int index, bool commit = true);
    // Saves the current rule, the object names and the variables; false (after a message)
    // when the module refused names or variables.
    bool commitPages();
    void refreshPages();
    void renameModule();
    void removeModule();
    void selectOtherMacro();
    void generalSettings();
    void zoom();

    SIZE minTrack_{50, 50};
    bool modeless_ = false;
    bool zooming_ = false;
    // OK or Cancel already committed (or the user discarded the refused edits).
    bool pagesCommitted_ = false;
    int tab_ = -1;
    CTabCtrl tabs_;
    CButtonST pictureButtons_[4];
    ChildLayout layout_;
    std::unique_ptr<EditorPage> pages_[kPageCount];
};
