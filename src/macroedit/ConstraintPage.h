#pragma once
// The constraint page (resource 207): the grid of the module's constraints, and the editors
// of the current row: value, variable name, choice, two checks and up to five option
// pictures in one or two radio groups. A row's edits are written when another row is shown,
// before a sort and when the editor closes, and only when something differs.
#include "core/CButtonST.h"
#include "core/macro/EditConstrData.h"
#include "frame/ChildLayout.h"
#include "macroedit/EditorPage.h"
#include "spread/Mdx_Spread.h"

class ConstraintPage : public EditorPage {
public:
    static constexpr int kGrid = 1001;
    static constexpr int kValue = 1030;
    static constexpr int kVariable = 1000;
    static constexpr int kChoice = 1005;
    static constexpr int kCheck1 = 1283;
    static constexpr int kCheck2 = 1284;
    static constexpr int kEditCut = 1334;
    static constexpr int kDelete = 1087;
    static constexpr int kOptions[5] = {1083, 1077, 1084, 1085, 1086};
    // Context menu entries 0 to 5 carry these command ids.
    static constexpr int kMenuIds[6] = {32811, 32812, 32816, 32817, 32818, 32800};

    explicit ConstraintPage(KvEditConstraintsDlg& editor);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void refresh() override;
    void leave() override;

    // Writes the current row's edits (see above).
    void saveCurrentRow();
    int currentRow() const { return current_; }
    int sortColumn() const { return sortColumn_; }
    // The option button of each group that is checked, from 1 (0 for none).
    AcArray<int> radioSelections() const;

    Mdx_Spread grid;

private:
    void buildGrid();
    void showRow(int row);
    void clearEditors();
    void showOptions(const ConstraintRow& row);
    void clickOption(int button);
    void checkVariableName();
    void rowClicked(int row);
    void headerClicked(int column);
    void contextMenu(int row);
    void deleteRow();
    void editCut();

    ConstraintTable& table();

    bool initialised_ = false;
    int current_ = -1;
    int sortColumn_ = 0;
    int secondColumn_ = 0;
    int buttonsInUse_ = 0;
    int secondGroupStart_ = -1;  // index of the first button of group 2; -1 for one group
    CButtonST options_[5];
    CButtonST delete_;
    ChildLayout layout_;
};
