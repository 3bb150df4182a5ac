#pragma once
// The macro editor on resource 8715, modal or as the single modeless editor. Until its pages
// are built it is the tabbed frame with OK and Cancel; it edits a copy of the context.
#include "frame/TemplateDialog.h"
#include "core/macro/EditConstrData.h"
#include "resources/macroedit_ids.h"

class KvEditConstraintsDlg : public RecordDialog<EditConstrData> {
public:
    static constexpr UINT kTemplateId = IDD_EDIT_MACRO;

    explicit KvEditConstraintsDlg(CWnd* parent = nullptr);

    // The modeless editor closes through EndDlgEditConstraints, which deletes it.
    void setModeless(bool modeless) { modeless_ = modeless; }
    bool isModeless() const { return modeless_; }

    void OnOK() override;
    void OnCancel() override;

private:
    bool modeless_ = false;
};
