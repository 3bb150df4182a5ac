#include "frame/KvSSPooledDlg.h"

KvSSPooledDlg::KvSSPooledDlg(CWnd* parent) : CAcUiDialog(kTemplateId, parent) {}

bool KvSSPooledDlg::createWindow() {
    return Create(kTemplateId, m_pParentWnd);
}

Acad::ErrorStatus KvSSPooledDlg::evaluate() {
    return Acad::eInvalidInput;
}
