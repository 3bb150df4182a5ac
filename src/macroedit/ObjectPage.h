#pragma once
// The object page (resource 8135): one row per object of the module with its kind, section
// and name (the name can be edited and is stored when the pages are committed), its
// flexibility as a choice and whether it is constrained as a check. Clicking a row
// highlights the object in the drawing; its context menu removes a placed pattern or
// coordinate system.
#include "core/macro/EditConstrData.h"
#include "macroedit/EditorPage.h"
#include "spread/Mdx_Spread.h"

class ObjectPage : public EditorPage {
public:
    static constexpr int kGrid = 1196;
    // The entry of a row's context menu that removes a placed pattern or coordinate system.
    static constexpr UINT kRemoveItem = 9308;

    explicit ObjectPage(KvEditConstraintsDlg& editor);

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void refresh() override;
    void leave() override;

    // Writes the names of column 3 to the objects when any changed; names the module refuses
    // (empty, or another object's) are said in a message and nothing is written: false.
    bool storeNames();
    int highlightedRow() const { return highlighted_; }

    Mdx_Spread grid;

private:
    void cellChanged(int column, int row);
    void rowClicked(int row);
    void contextMenu(int row);
    // Typed names are stored first; a refusal (a constraint uses it, not placed) is said.
    void removeObject(int row);

    int highlighted_ = -1;
    Mdx_Array<ObjectRow> shown_;  // the rows the grid was built from
    bool building_ = false;
};
