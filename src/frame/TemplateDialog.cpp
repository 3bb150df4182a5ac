#include "frame/TemplateDialog.h"

TemplateDialog::TemplateDialog(UINT templateId, CWnd* parent) : CAcUiDialog(templateId, parent) {}

bool runTemplateDialog(UINT templateId) {
    TemplateDialog dialog(templateId);
    return dialog.DoModal() == IDOK;
}
