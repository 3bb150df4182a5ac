#include "frame/ConstraintEditorLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "host/CommandLine.h"
#include "win/CDialog.h"

namespace {

std::unique_ptr<CDialog>& openEditor() {
    static std::unique_ptr<CDialog> editor;
    return editor;
}

}  // namespace

void EndDlgEditConstraints() {
    KvTempResourceOverride resources;
    std::unique_ptr<CDialog>& editor = openEditor();
    if (!editor) return;
    // A window that survived a failed destroy still calls into its object: the object is
    // kept with it. One that is gone already needs its object no more.
    if (!editor->DestroyWindow()) {
        acutPrintf("Erase window failed\n");
        if (::IsWindow(editor->GetSafeHwnd())) {
            acedPostCommandPrompt();
            return;
        }
    }
    editor.reset();
    acedPostCommandPrompt();
}

namespace constraint_editor {

void adopt(std::unique_ptr<CDialog> editor) {
    EndDlgEditConstraints();
    openEditor() = std::move(editor);
}

bool isOpen() {
    return openEditor() != nullptr;
}

}  // namespace constraint_editor
