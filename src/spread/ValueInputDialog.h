#pragma once
// The small modal dialog that asks for one text: a caption, a prompt above the edit field,
// an initial value and the texts of its two buttons. OK is accepted only with a non-empty
// text, which becomes the value; after Cancel the value is still the initial one.
#include "core/Mdx_String.h"
#include "win/CDialog.h"

class ValueInputDialog : public CDialog {
public:
    static constexpr UINT IDD = 8069;

    explicit ValueInputDialog(CWnd* parent = nullptr);

    void setTexts(const Mdx_String& caption, const Mdx_String& prompt,
                  const Mdx_String& initialValue, const Mdx_String& okText,
                  const Mdx_String& cancelText);
    const Mdx_String& value() const { return m_value; }

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    Mdx_String m_caption;
    Mdx_String m_prompt;
    Mdx_String m_value;
    Mdx_String m_okText;
    Mdx_String m_cancelText;
};
