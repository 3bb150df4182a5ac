#pragma once
// Dialogs from templates of the resource modules: modal (DoModal hands the dialog to the
// user and returns the end code) or modeless (Create). Enter, Escape and Tab work as on
// screen through PreTranslateMessage.
#include "win/CWnd.h"

using INT_PTR = LONG_PTR;

class CDialog : public CWnd {
public:
    using CWnd::Create;
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

    // The end code: the value given to EndDialog; IDCANCEL when the user had nothing more to
    // do; -1 when the dialog could not be created (no such template, unknown control class).
    virtual INT_PTR DoModal();
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL Create(LPCSTR templateName, CWnd* parent = nullptr);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Where a derived dialog moves data between its members and controls; false keeps OK
    // from closing the dialog.
    virtual BOOL UpdateData(BOOL saveAndValidate = TRUE);
    void EndDialog(int result);
    bool isModal() const { return m_modal; }
    bool hasEnded() const { return m_ended; }

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* control);
    void SetDefID(UINT id);
    DWORD GetDefID() const;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND createFromTemplate(HWND ownerOrParent);
    void moveFocus(bool backwards) const;
    bool m_modal = false;
    bool m_ended = false;
    int m_nModalResult = -1;
    UINT m_defId = 0;
};
