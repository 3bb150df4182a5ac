#pragma once
// The modeless macro dialog (template 8131): one page per tab of its MacroData in the tab
// control 8097, each applying every change to the drawing at once; buttons for the view
// direction, filters, loading from the standards, property files, reapplying, clash checking
// and closing. It lives in a slot of the launchers'
// table (slot -1 when it runs modally through StartDlgMacro).
#include <memory>
#include <string>
#include <vector>

#include "core/CButtonST.h"
#include "core/CResizer.h"
#include "frame/MacroSlotDialog.h"
#include "macrodlg/MacroPage.h"
#include "macrodlg/TabFocusMemory.h"

class DlgMacroModeless : public MacroSlotDialog {
public:
    // Private message: answers 1, the window is alive.
    static constexpr UINT kAliveMessage = 0x7101;

    explicit DlgMacroModeless(CWnd* parent);
    ~DlgMacroModeless() override;

    int pageCount() const { return static_cast<int>(pages_.size()); }
    MacroPage* page(int index);
    int currentTab() const { return current_; }
    void showTab(int index);
    // "DLG_MACRO_" and the dialog's name, the key its size is stored under.
    Mdx_String sizeKey() const;
    // Close, Cancel, the close box and Escape: view direction 3, the closed flag, and the
    // end of the window (through the slot table when it has a slot).
    void closeDialog();

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    void labelControls();
    void buildPages();
    void changeView(int direction);
    void pickMacros();
    // The page of the tab of that index; -1 when the filters leave it out.
    int pageOfTab(int tabIndex) const;
    // The bar below the pages (DlgMacroModelessBar.cpp).
    void fillFilterCombos();
    void filterChanged(bool first);
    void rebuildPages();
    void refreshPages();
    void loadFromStandards();
    void loadProperties();
    void saveProperties();
    void showFailure(const std::string& why, const Mdx_String& caption);
    void destroyPages();
    void layoutPages();
    void fitSize();

    std::vector<std::unique_ptr<MacroPage>> pages_;
    int current_ = -1;
    bool closing_ = false;
    CResizer resizer_;
    TabFocusMemory focus_;
    bool shownOnce_ = false;
    CButtonST iconButtons_[9];
    SIZE minimum_{50, 50};
};

// Makes the slot table and StartDlgMacro open this dialog.
void installMacroDialog();
