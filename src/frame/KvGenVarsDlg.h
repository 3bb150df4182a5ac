#pragma once
// The general variables dialog (resource 256, size kept under "DLG_GENVARS"): one grid of
// the drawings' general variables and one of the standards', each with add, remove and move
// buttons, on a copy of a KvAutoStandardsData.
#include <vector>

#include "core/CButtonST.h"
#include "core/CResizer.h"
#include "frame/TemplateDialog.h"
#include "resources/standards_ids.h"
#include "spread/Mdx_Spread.h"
#include "standards/KvAutoStandardsData.h"

// One of the two grids: its placeholder and buttons, its column headers and the lists it
// shows column by column (a last column of "..." buttons follows them).
struct GenVarsGrid {
    int placeholder;
    int add;
    int remove;
    int up;
    int down;
    std::vector<int> headerTexts;
    std::vector<Mdx_StringArray KvAutoStandardsData::*> lists;
    Mdx_Spread sheet;

    CButtonST upButton;
    CButtonST downButton;

    int buttonColumn() const { return static_cast<int>(lists.size()) + 1; }
    int filterColumn() const { return static_cast<int>(lists.size()); }
};

class KvGenVarsDlg : public RecordDialog<KvAutoStandardsData> {
public:
    static constexpr UINT kTemplateId = IDD_GENVARS;

    KvGenVarsDlg();

    GenVarsGrid drawings;
    GenVarsGrid standards;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

private:
    void labelControls();
    void setUpGrid(GenVarsGrid& grid);
    void fillGrid(GenVarsGrid& grid);
    void readBack(GenVarsGrid& grid);
    bool editRows(GenVarsGrid& grid, int buttonId);
    // The "..." of a row: drawings and folders under the library's "Macros" folder chosen
    // in the file dialog join the row's filter.
    void chooseDrawings(GenVarsGrid& grid, int row);

    SIZE minimumTrackSize_{50, 50};
    CResizer resizer_;
};
