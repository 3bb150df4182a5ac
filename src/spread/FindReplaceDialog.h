#pragma once
// The modeless, topmost find-and-replace dialog of a sheet. The sheet creates it as its
// child, tells it its window handle and owns it; the dialog drives the sheet's search
// helpers through that handle only.
#include "core/Mdx_String.h"
#include "win/CDialog.h"

class Mdx_Spread;

class FindReplaceDialog : public CDialog {
public:
    static constexpr UINT IDD = 218;

    FindReplaceDialog() = default;

    // Remembers the sheet and whether its option 13 was on, then switches 13 on and 20 off.
    void setSheetWindow(HWND sheet);
    HWND sheetWindow() const { return m_sheetWindow; }

    bool findNextMatch(bool askWrap);
    bool replaceNextMatch(bool askWrap);
    void replaceAllMatches();

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;

private:
    Mdx_Spread* sheet() const;
    Mdx_String itemText(int id) const;
    bool selectFirstFrom(Mdx_Spread& sheet, const Mdx_String& text, int col, int row);

    HWND m_sheetWindow = nullptr;
    bool m_option13WasOn = false;
};
