#include "bill/BillSheetHolder.h"

#include "host/MainWindow.h"
#include "resources/bill_ids.h"
#include "spread/Mdx_Spread.h"
#include "win/CDialog.h"

class BillSheetDialog : public CDialog {
public:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_sheet.attachToDlgItem(this, IDC_BILL_SHEET_PLACE, true);
        return TRUE;
    }
    Mdx_Spread* sheet() { return m_sheet.isAttached() ? &m_sheet : nullptr; }

private:
    Mdx_Spread m_sheet;
};

BillSheetHolder::BillSheetHolder() = default;

BillSheetHolder::~BillSheetHolder() {
    if (m_dialog && m_dialog->GetSafeHwnd()) m_dialog->DestroyWindow();
}

bool BillSheetHolder::create() {
    if (m_created && sheet()) return true;
    auto dialog = std::make_unique<BillSheetDialog>();
    HWND main = adsw_acadMainWnd();
    if (!dialog->Create(IDD_BILL_SHEET_HOLDER, CWnd::FromHandle(main))) return false;
    m_dialog = std::move(dialog);
    m_created = true;
    // Creating the window must not take the focus from the drawing.
    if (main) ::SetFocus(main);
    return sheet() != nullptr;
}

Mdx_Spread* BillSheetHolder::sheet() const {
    return m_dialog && m_dialog->GetSafeHwnd() ? m_dialog->sheet() : nullptr;
}
