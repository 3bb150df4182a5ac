#pragma once
// The general variables dialog (resource 256, size kept under "DLG_GENVARS"): one grid of
// the drawings' general variables and one of the standards', each with add, remove and move
// buttons, on a copy of a KvAutoStandardsData.
#include <vector>

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

    int buttonColumn() const { return static_cast<int>(lists.size()) + 1; }
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
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

private:
    void labelControls();
    void setUpGrid(GenVarsGrid& grid);
    void fillGrid(GenVarsGrid& grid);
    void readBack(GenVarsGrid& grid);
    bool editRows(GenVarsGrid& grid, int buttonId);

    SIZE minimumTrackSize_{50, 50};
};
