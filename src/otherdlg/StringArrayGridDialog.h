#pragma once
// A table of texts for the user to edit: column headers, optional row headers and rows of
// cells, with buttons to add and remove rows. OK takes every cell back, as many per row as
// the grid has columns.
#include "core/Mdx_Array.h"
#include "core/Mdx_StringArray.h"
#include "frame/ChildLayout.h"
#include "host/CAcUiDialog.h"
#include "spread/Mdx_Spread.h"

class StringArrayGridDialog : public CAcUiDialog {
public:
    static constexpr UINT kTemplateId = 208;
    static constexpr int kGridPlaceholder = 1196;
    static constexpr int kAddButton = 1088;
    static constexpr int kRemoveButton = 1089;

    explicit StringArrayGridDialog(CWnd* parent = nullptr);

    bool editable = true;
    Mdx_String name;
    Mdx_String title;
    Mdx_Array<Mdx_StringArray> rows;
    Mdx_StringArray columnHeaders;
    Mdx_StringArray rowHeaders;
    Mdx_Spread grid;

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

protected:
    // Whether OK may take the edited rows; a refusal keeps the dialog open (the dialog that
    // refuses tells the user why).
    virtual bool acceptRows(const Mdx_Array<Mdx_StringArray>& /*edited*/) { return true; }

private:
    void placeControls();
    void labelControls();
    void setUpGrid();
    void fillGrid();
    void setTableFont(int c1, int r1, int c2, int r2);
    void addRow();
    void removeRow();

    ChildLayout layout;
    SIZE minimumTrackSize{50, 50};
};

// Opens the dialog on a copy of the table; on OK rows become the edited rows and the result
// is true. False, rows unchanged, when headers is empty or the user cancels.
bool startGridDialog(const Mdx_StringArray& headers, const Mdx_StringArray& second,
                     Mdx_Array<Mdx_StringArray>& rows, bool flag, Mdx_String name,
                     Mdx_String title);
