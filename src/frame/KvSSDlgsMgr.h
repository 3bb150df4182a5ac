#pragma once
// The pool of hidden standards dialogs. A dialog is created once, on first demand, and lent
// out again and again; nested evaluations each borrow their own. The pool owns its dialogs
// for the module's life.
#include <memory>

#include "host/AcArray.h"
#include "host/AcadErrorStatus.h"

class CWnd;
class KvSSPooledDlg;

class KvSSDlgsMgr {
public:
    using DialogFactory = std::unique_ptr<KvSSPooledDlg> (*)(CWnd* parent);

    KvSSDlgsMgr();
    ~KvSSDlgsMgr();
    KvSSDlgsMgr(const KvSSDlgsMgr&) = delete;
    KvSSDlgsMgr& operator=(const KvSSDlgsMgr&) = delete;

    // The first dialog not lent out, now marked lent; a new one when all are out; null when
    // none can be created.
    void* getDlg();
    // eInvalidInput, nothing changed, for a dialog that is not in the pool.
    Acad::ErrorStatus releaseDlg(void* dlg);
    void destroyAll();

    int count() const { return dialogs.length(); }
    bool isLent(int index) const;

    // Which dialog class new pool entries are; null returns to the plain pooled dialog.
    static void setDialogFactory(DialogFactory factory);

private:
    Acad::ErrorStatus destroyDlg(const int& index);

    AcArray<KvSSPooledDlg*> dialogs;
    AcArray<bool> inUse;
};

extern KvSSDlgsMgr gSSDlgsMgr;
