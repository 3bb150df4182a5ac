#pragma once
// The hidden dialog the standards pool lends out: it holds a copy of a standards request
// and evaluates it. The standards engine derives its dialog from this class, overrides
// evaluate and installs a factory with KvSSDlgsMgr::setDialogFactory; this base evaluates
// nothing and reports failure, so a request is never reported done when nothing ran.
#include "host/AcadErrorStatus.h"
#include "host/CAcUiDialog.h"
#include "standards/KvDlgStandardsData.h"

class KvSSPooledDlg : public CAcUiDialog {
public:
    static constexpr UINT kTemplateId = 253;
    static constexpr int kSheetPlaceholder = 1196;

    explicit KvSSPooledDlg(CWnd* parent);

    // Creates the window (modeless, hidden); false when it cannot be made.
    virtual bool createWindow();
    // Runs the evaluation of the record held; eOk when the record may be copied back.
    virtual Acad::ErrorStatus evaluate();

    void setRecord(const KvDlgStandardsData& data) { request = data; }
    KvDlgStandardsData& record() { return request; }
    const KvDlgStandardsData& record() const { return request; }

private:
    KvDlgStandardsData request;
};
