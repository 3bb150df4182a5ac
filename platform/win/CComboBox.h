#pragma once
// Combo boxes: items with a selection and, unless a drop-down list, an edit field.
#include <string>

#include "win/CWnd.h"

class CComboBox : public CWnd {
public:
    using CWnd::Create;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int AddString(LPCSTR text) { return send(CB_ADDSTRING, 0, text); }
    int InsertString(int index, LPCSTR text) { return send(CB_INSERTSTRING, index, text); }
    int DeleteString(UINT index) { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    int GetLBText(int index, LPSTR buffer) const;
    void GetLBText(int index, std::string& text) const;
    int GetLBTextLen(int index) const {
        return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
    }
    int FindString(int start, LPCSTR text) const { return send(CB_FINDSTRING, start, text); }
    int FindStringExact(int start, LPCSTR text) const {
        return send(CB_FINDSTRINGEXACT, start, text);
    }
    int SelectString(int start, LPCSTR text) { return send(CB_SELECTSTRING, start, text); }
    DWORD_PTR GetItemData(int index) const {
        return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    int SetItemData(int index, DWORD_PTR data) {
        return static_cast<int>(
            SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    BOOL LimitText(int limit) {
        return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(limit)));
    }
    DWORD GetEditSel() const { return static_cast<DWORD>(SendMessage(CB_GETEDITSEL)); }
    BOOL SetEditSel(int start, int end) {
        return static_cast<BOOL>(SendMessage(
            CB_SETEDITSEL, 0, MAKELPARAM(static_cast<WORD>(start), static_cast<WORD>(end))));
    }
    void ShowDropDown(BOOL show = TRUE) { SendMessage(CB_SHOWDROPDOWN, show); }
    BOOL GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }

private:
    int send(UINT message, int index, LPCSTR text) const {
        return static_cast<int>(SendMessage(message,
                                            static_cast<WPARAM>(static_cast<LONG_PTR>(index)),
                                            reinterpret_cast<LPARAM>(text)));
    }
};
