#include "macroedit/MacroEditorLaunch.h"

#include <memory>

#include "core/KvTempResourceOverride.h"
#include "host/MainWindow.h"
#include "macroedit/KvEditConstraintsDlg.h"

bool StartDlgEditConstrModal(EditConstrData& data) {
    KvTempResourceOverride resources;
    KvEditConstraintsDlg dialog;
    dialog.data = data;
    return dialog.DoModal() == IDOK;
}

bool StartDlgEditConstraints(EditConstrData& data) {
    KvTempResourceOverride resources;
    if (constraint_editor::isOpen()) return true;
    auto editor = std::make_unique<KvEditConstraintsDlg>(CWnd::FromHandle(adsw_acadMainWnd()));
    editor->data = data;
    editor->setModeless(true);
    if (!editor->Create(KvEditConstraintsDlg::kTemplateId, editor->m_pParentWnd)) return false;
    editor->ShowWindow(SW_SHOW);
    SetFocus(adsw_acadMainWnd());
    constraint_editor::adopt(std::move(editor));
    return true;
}
