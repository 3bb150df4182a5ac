#include "frame/KvStandardsDlg.h"

#include "frame/KvSSDlgsMgr.h"
#include "frame/StandardsLaunch.h"

namespace {

std::unique_ptr<KvSSPooledDlg> makeStandardsDlg(CWnd* parent) {
    return std::make_unique<KvStandardsDlg>(parent);
}

}  // namespace

BOOL KvStandardsDlg::OnInitDialog() {
    const BOOL result = KvSSPooledDlg::OnInitDialog();
    sheet.attachToDlgItem(this, kSheetPlaceholder, false);
    return result;
}

Acad::ErrorStatus KvStandardsDlg::evaluate() {
    if (!sheet.isAttached()) return Acad::eInvalidInput;
    return sheet.evaluate(record()) == Acad::eOk ? Acad::eOk : Acad::eInvalidInput;
}

void installStandardsEngine() {
    KvSSDlgsMgr::setDialogFactory(makeStandardsDlg);
    KvStandardsSpread::setChildEvaluator(StartDlgStandardsSS);
}
