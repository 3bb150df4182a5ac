#include "spread/ValueInputDialog.h"

#include <string>

#include "resources/spread_ids.h"
#include "win/CEdit.h"

ValueInputDialog::ValueInputDialog(CWnd* parent) : CDialog(IDD, parent) {}

void ValueInputDialog::setTexts(const Mdx_String& caption, const Mdx_String& prompt,
                                const Mdx_String& initialValue, const Mdx_String& okText,
                                const Mdx_String& cancelText) {
    m_caption = caption;
    m_prompt = prompt;
    m_value = initialValue;
    m_okText = okText;
    m_cancelText = cancelText;
}

BOOL ValueInputDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(m_caption.c_str());
    SetDlgItemText(IDC_VALUE_PROMPT, m_prompt.c_str());
    SetDlgItemText(IDC_VALUE_EDIT, m_value.c_str());
    SetDlgItemText(IDOK, m_okText.c_str());
    SetDlgItemText(IDCANCEL, m_cancelText.c_str());
    if (auto* edit = static_cast<CEdit*>(GetDlgItem(IDC_VALUE_EDIT))) {
        GotoDlgCtrl(edit);
        edit->SetSel(0, -1);
    }
    return FALSE;  // the focus is set
}

void ValueInputDialog::OnOK() {
    std::string text;
    GetDlgItemText(IDC_VALUE_EDIT, text);
    if (text.empty()) return;
    m_value = Mdx_String(text);
    CDialog::OnOK();
}
