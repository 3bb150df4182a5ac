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
    if (!editor->DestroyWindow()) acutPrintf("Erase window failed\n");
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
