#include "frame/KvSSDlgsMgr.h"

#include "core/KvTempResourceOverride.h"
#include "frame/KvSSPooledDlg.h"
#include "host/MainWindow.h"

KvSSDlgsMgr gSSDlgsMgr;

namespace {

std::unique_ptr<KvSSPooledDlg> makePlainDialog(CWnd* parent) {
    return std::make_unique<KvSSPooledDlg>(parent);
}

KvSSDlgsMgr::DialogFactory& factory() {
    static KvSSDlgsMgr::DialogFactory current = makePlainDialog;
    return current;
}

}  // namespace

KvSSDlgsMgr::KvSSDlgsMgr() : dialogs(0, 8), inUse(0, 8) {}

KvSSDlgsMgr::~KvSSDlgsMgr() {
    destroyAll();
}

void KvSSDlgsMgr::setDialogFactory(DialogFactory newFactory) {
    factory() = newFactory ? newFactory : makePlainDialog;
}

void* KvSSDlgsMgr::getDlg() {
    KvTempResourceOverride resources;
    for (int i = 0; i < dialogs.length(); ++i) {
        if (inUse[i]) continue;
        inUse[i] = true;
        return dialogs[i];
    }
    std::unique_ptr<KvSSPooledDlg> dialog = factory()(CWnd::FromHandle(adsw_acadMainWnd()));
    if (!dialog || !dialog->createWindow()) return nullptr;
    dialogs.append(dialog.get());
    inUse.append(true);
    return dialog.release();
}

Acad::ErrorStatus KvSSDlgsMgr::releaseDlg(void* dlg) {
    const int index = dlg ? dialogs.find(static_cast<KvSSPooledDlg*>(dlg)) : -1;
    if (index < 0) return Acad::eInvalidInput;
    inUse[index] = false;
    return Acad::eOk;
}

Acad::ErrorStatus KvSSDlgsMgr::destroyDlg(const int& index) {
    if (index < 0 || index >= dialogs.length() || !dialogs[index]) return Acad::eInvalidInput;
    KvSSPooledDlg* dialog = dialogs[index];
    if (IsWindow(dialog->GetSafeHwnd())) dialog->DestroyWindow();
    delete dialog;
    dialogs.removeAt(index);
    return Acad::eOk;
}

void KvSSDlgsMgr::destroyAll() {
    for (int i = dialogs.length() - 1; i >= 0; --i) destroyDlg(i);
    inUse.removeAll();
}

bool KvSSDlgsMgr::isLent(int index) const {
    return index >= 0 && index < inUse.length() && inUse[index];
}
