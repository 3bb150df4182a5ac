#pragma once
// The sheet-file host, caption "Formulas": one sheet and a sheet file. Chosen by its mode it
// evaluates one cell of a file, evaluates a call of the look-up function "FROMTABLE", or
// reads a file into text arrays. While open it is also a plain sheet window with load,
// save, recalculation and reference-style controls.
#include "core/Mdx_Array.h"
#include "core/Mdx_StringArray.h"
#include "grid/SpreadApi.h"
#include "host/CAcUiDialog.h"
#include "spread/Mdx_Spread.h"

class SheetHost : public CAcUiDialog {
public:
    static constexpr UINT kTemplateId = 133;
    static constexpr int kModeEvaluateCell = 1;
    static constexpr int kModeLookUp = 2;
    static constexpr int kModeReadArrays = 4;

    explicit SheetHost(CWnd* parent = nullptr);

    Mdx_Spread sheet;
    int mode = kModeEvaluateCell;
    LPSSCALCVALUE resultValue = nullptr;
    LPSSCALCVALUE arguments = nullptr;
    short argumentCount = 0;
    Mdx_Spread* callerSheet = nullptr;
    Mdx_String fileName;
    int evalCol = 1;
    int evalRow = 1;
    Mdx_String evalResult;
    Mdx_StringArray* headersOut = nullptr;
    Mdx_Array<Mdx_StringArray>* rowsOut = nullptr;
    Mdx_String firstCellText;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Registers "FROMTABLE" (2 to 5 arguments, references passed as references) on a sheet.
    static bool registerLookUp(Mdx_Spread& sheet);
    // The grid's callback of "FROMTABLE": opens a host in look-up mode for the call.
    static BOOL lookUpCallback(LPSSCALCVALUE result, LPSSCALCVALUE args, short count);

private:
    void bringToForeground();
    void prepareSheet();
    void readIntoArrays();
    void evaluateLookUp();
    bool findLookUpTarget(int& col, int& row);
    void fillResult(int col, int row);
    Mdx_String argumentText(const SSCALCVALUE& arg) const;
    void onSave();
    void onLoad();
    void onAutoCalculate();
    void onRefStyle(int style);
};

// The sheet whose formulas are being evaluated inside a host; null outside any. Nested
// look-ups each set it to their own sheet while they evaluate and back to their caller's.
extern Mdx_Spread* currentFormulaSheet;
