#pragma once
// A page of the modeless macro dialog for one tab of its MacroData (template 8137): the
// variables grid in place of 1001 holds every item of the tab that no designed control
// shows (variables, and on bolt tabs the pattern counts and spacings), one row each; the
// fixed bolt row (assembly 1091, diameter 1092, bolt settings 1114) serves bolt tabs. Every
// change is applied at once: the page is read into the tab, the differences go to the
// core's update, and the page shows what the drawing then holds. A refused update puts the
// tab's values back and says why.
#include <vector>

#include "core/Mdx_StringArray.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroTabApply.h"
#include "macrodlg/BoltSettingsTarget.h"
#include "macrodlg/MacroPageDesign.h"
#include "resources/macrodlg_ids.h"
#include "spread/Mdx_Spread.h"
#include "win/CDialog.h"

class MacroPage : public CDialog, public BoltSettingsTarget {
public:
    static constexpr UINT kTemplateId = IDD_MACRO_PAGE;
    static constexpr int kGridColumns = 4;
    // Posted by F12: the designer on the page's design.
    static constexpr UINT kOpenDesignerMessage = WM_APP + 0x131;

    // owner holds the data; the page works on its tab tabIndex.
    MacroPage(MacroData& owner, int tabIndex, const void* clashOwner);
    ~MacroPage() override;

    virtual bool createPage(CWnd* parent);
    // The page's size as its template made it, in pixels: what the dialog must make room for.
    SIZE neededSize() const { return needed_; }
    MacroTabData* tab() { return owner_.getTab(tabIndex_); }
    int tabIndex() const { return tabIndex_; }
    Mdx_Spread& grid() { return grid_; }
    // Which item a grid row shows (rows from 1).
    int gridRowCount() const { return static_cast<int>(rows_.size()); }

    // Reads the page into the tab, applies, refreshes; the result of the update.
    MacroApplyResult apply();
    // Shows the tab's values.
    virtual void refresh();
    const MacroApplyResult& lastApply() const { return lastApply_; }

    bool applyBoltData(MacroBoltData& data) override;
    // Opens the bolt settings on a copy of the tab's bolt data (button 1114).
    void openBoltSettings();

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnEraseBkgnd(HDC dc) override;
    // The page's designed part (empty when the tab has no design).
    MacroPageDesign& design() { return design_; }
    // Focuses the first element of the first keyboard zone that has one; false for none.
    bool focusFirstZone();
    // F12: the designer on the tab's design; afterwards the page is built again from the
    // design as the designer left it. False when the tab has no design.
    bool openDesigner();

protected:
    explicit MacroPage(MacroData& owner, int tabIndex, const void* clashOwner, UINT templateId);
    // What a grid row shows.
    struct GridRow {
        enum Kind { Variable, PatternCount1, PatternCount2, PatternSpacing } kind;
        int index;
        Mdx_String shown;  // the cell's text as written, to tell a touched cell from one left
    };
    virtual int gridPlaceholder() const { return 1001; }
    // Applies what changed in the tab since before (the page already read).
    MacroApplyResult applySince(const MacroTabData& before);
    virtual void readPage();
    // The fixed controls in keyboard order (the third zone).
    virtual std::vector<int> fixedControls() const;
    int focusZone();
    std::vector<HWND> usableFixedControls();
    bool enterZone(int zone, bool first);
    void focusFixed(HWND control);
    bool enterNextZone(int from, bool back);
    bool handleTab(bool back);
    bool handleKey(UINT key);
    bool variableText(const Mdx_String& name, Mdx_String& text);
    bool setVariableText(const Mdx_String& name, const Mdx_String& text);
    // A designed distance button: the total asked for and turned into the offset; true when
    // a value was written (the caller applies).
    bool distanceClicked(int id);
    // A designed flex/fix button; applies a change.
    bool flexClicked(int id);
    void buildDesign();
    void rebuildDesign();
    void shiftTemplateControls(int dy);
    virtual bool designedCommand(int id, WORD code);
    // A designed array settings button: the array dialog on the bound array; OK applies.
    bool arrayClicked(int id);
    // A designed pattern button: the pattern's settings on the bound pattern; OK applies.
    bool patternClicked(int id);
    void buildGrid();
    void fillGrid();
    void readGrid();
    void fillBoltRow();
    void readBoltRow();
    bool showsBoltRow();

    MacroData& owner_;
    int tabIndex_;
    const void* clashOwner_;
    UINT templateId_;
    bool active_ = false;
    Mdx_Spread grid_;
    std::vector<GridRow> rows_;
    MacroApplyResult lastApply_;
    SIZE needed_{};
    MacroPageDesign design_;
    int designShift_ = 0;  // how far the template's controls moved down for the design
};
