#pragma once
// The shape of a sheet in one place: the numbers of columns and rows, the size of the header
// row and column, and the names of all columns and rows. Names dropped by lowering a count
// are kept while the dialog is open and come back when the count grows again.
#include "core/Mdx_StringArray.h"
#include "host/CAcUiDialog.h"
#include "spread/Mdx_Spread.h"

class SheetDimensionsDialog : public CAcUiDialog {
public:
    SheetDimensionsDialog();

    int colCount = 0;
    int rowCount = 0;
    int headerRowHeight = 0;
    int headerColWidth = 0;
    Mdx_StringArray colNames;
    Mdx_StringArray rowNames;
    Mdx_StringArray colNameCache;
    Mdx_StringArray rowNameCache;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    void labelControls();
    void setUpColumnGrid();
    void setUpRowGrid();
    int editNumber(int id, int lowest, int highest);
    void columnCountChanged();
    void rowCountChanged();

    Mdx_Spread colGrid;
    Mdx_Spread rowGrid;
    bool ready_ = false;
};

// Lets the user change the sheet's shape; on OK the counts, header sizes and names go into
// the sheet and it is marked changed. False on Cancel or for a sheet without a window.
bool editSheetDimensions(Mdx_Spread* sheet);
