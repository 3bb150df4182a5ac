#pragma once
// The program's spreadsheet: one grid window and the way the product wants its sheets to
// look and behave. Cells are addressed (column, row) from 1; 0 and the header index -32767
// address the header band. Nearly every operation fails (false, or -1 for counts) and
// changes nothing until attachToDlgItem has created the window.
#include <memory>

#include "core/Mdx_Array.h"
#include "core/Mdx_String.h"
#include "core/Mdx_StringArray.h"
#include "grid/GridNotifications.h"
#include "host/AcArray.h"
#include "spread/TSpread.h"

class CBitmap;
class CMenu;
class FindReplaceDialog;

// Text kinds a cell can be read as.
inline constexpr int kTextData = 0;
inline constexpr int kTextFormula = 1;
inline constexpr int kTextTag = 2;
inline constexpr int kTextValue = 3;

// Boolean options of the control the program relies on by meaning.
inline constexpr int kOptionRowHeaderShown = 4;
inline constexpr int kOptionAutoCalc = 7;
inline constexpr int kOptionRedraw = 8;
inline constexpr int kOptionChanged = 30;

// The grid's notification that the user changed a cell's value; the sheet swallows it.
inline constexpr UINT kGridValueChanged = grid::kGridValueChanged;

class Mdx_Spread : public TSpread {
public:
    Mdx_Spread();
    ~Mdx_Spread() override;

    // Life and placement.
    bool attachToDlgItem(CWnd* parent, int ctrlId, bool exactRect);
    // Takes over a grid control that the dialog template already holds, as it is.
    bool attachToGridItem(CWnd* parent, int ctrlId);
    bool isAttached() const { return attached; }
    bool setStandardLayout(int selectMode);
    int getMaxRows() const;
    int getMaxCols() const;
    bool setMaxRows(int n, bool copyLastRow);
    bool setMaxCols(int n, bool copyLastCol);

    // Column-width policies, applied by applyFitPolicy and after every resize.
    void setFitPolicy(int policy, int arg1, int arg2);
    void setFitPolicyColumns(int policy, const AcArray<int>& columns, const AcArray<int>& widths);
    void applyFitPolicy();
    void fitColumnsEqually(bool fixedFirst, int fixedWidth);
    void fitColumnsPercent(int n, int percent);
    void fitColumnsFixedOne(int col, int width);
    void fitColumnsListed(const AcArray<int>& cols, const AcArray<int>& widths);
    void fitColumnsToText(bool skipType8);
    void fitColumnToText(int col, bool skipType8);
    void fitRowsToText();
    void fitRowToText(int row);
    void fitAllToText();
    int getTotalColumnWidth() const;
    void stretchColumn(int col);

    // Fonts.
    void setFontHeight(int height) { fontHeight = height; }
    int getFontHeight() const { return fontHeight; }
    void setFontFace(const Mdx_String& face) { fontFace = face; }
    const Mdx_String& getFontFace() const { return fontFace; }
    bool setRangeFont(int c1, int r1, int c2, int r2, const Mdx_String& face, int height, bool bold,
                      bool textTip);
    bool applyHeaderFonts();
    bool applyFonts(bool textTip);
    bool applyRowFont(int row, bool headerToo);
    bool applyColFont(int col, bool headerToo);

    // Cell types.
    bool setEditCells(int c1, int r1, int c2, int r2, DWORD style = 0x110000, int maxLength = 200);
    bool setEditCell(int col, int row);
    bool setNumberCells(int c1, int r1, int c2, int r2, int decimals, bool altStyle);
    bool setNumberCell(int col, int row, int decimals, bool altStyle);
    bool setStaticCell(int col, int row, int style);
    bool setStaticColumn(int col, int style);
    bool setComboCells(int c1, int r1, int c2, int r2, const Mdx_StringArray& items, bool editable);
    bool setComboCell(int col, int row, const Mdx_StringArray& items, bool editable);
    bool setComboColumn(int col, const Mdx_StringArray& items, bool editable);
    bool setCheckBoxColumn(int col, bool withBorder, bool spanHeader);
    bool setCheckBoxCell(int col, int row, bool withBorder);
    bool setLabelledChecks(const Mdx_StringArray& labels, const AcArray<bool>& checks, int row);
    bool setButtonColumn(int col, const Mdx_String& caption, bool spanHeader);
    bool setButtonCell(int col, int row, const Mdx_String& caption);
    bool setPictureFileCell(const Mdx_String& path, int col, int row);
    bool setResourceImageCell(int col, int row, int resourceId, bool isIcon);
    int getCellTypeCode(int col, int row) const;

    // Cell content. Typed reads use the value text; which write each uses is stated with it.
    bool getCellText(int col, int row, Mdx_String& text, int kind) const;
    bool setCellData(int col, int row, const Mdx_String& text);
    bool setCellValue(int col, int row, const Mdx_String& text);
    bool setInt(int col, int row, int value);
    bool getInt(int col, int row, int& value) const;
    bool setDouble(int col, int row, double value);
    bool getDouble(int col, int row, double& value) const;
    bool setCheck(int col, int row, bool on);
    bool getCheck(int col, int row, bool& on) const;

    // Headers and whole columns and rows.
    bool setRowHeaders(const Mdx_StringArray& texts);
    bool setColumnHeaders(const Mdx_StringArray& texts);
    bool getColumnHeaders(Mdx_StringArray& texts) const;
    bool setColumnTexts(int col, const Mdx_StringArray& texts, bool asValue);
    bool setColumnInts(int col, const AcArray<int>& values);
    bool setColumnDoubles(int col, const AcArray<double>& values);
    bool setColumnBools(int col, const AcArray<bool>& values);
    bool setColumnRowIndices(int col, const AcArray<int>& rows);
    bool getColumnTexts(int col, Mdx_StringArray& texts, int kind) const;
    bool getColumnValues(int col, Mdx_StringArray& texts) const;
    bool getColumnData(int col, Mdx_StringArray& texts) const;
    bool getColumnInts(int col, AcArray<int>& values) const;
    bool getColumnDoubles(int col, AcArray<double>& values) const;
    bool getColumnBools(int col, AcArray<bool>& values) const;
    bool setRowTexts(int row, const Mdx_StringArray& texts, bool asValue);
    bool getRowValues(int row, Mdx_StringArray& texts) const;
    bool clearRow(int row);
    bool clearRows(int fromRow, int toRow);
    bool getAllRows(Mdx_Array<Mdx_StringArray>& rows) const;

    // Selection.
    bool getActiveCell(int& col, int& row);
    bool getSelectionOrActive(POINT& first, POINT& last);
    int getCurrentCol();
    int getCurrentRow();
    bool selectRange(int c1, int r1, int c2, int r2);
    bool selectRow(int row);
    bool isEditing() const;
    bool getEditSelection(int& start, int& end) const;

    // Calculation and files.
    bool addCustomFunction(const char* name, int minArgs, int maxArgs, SSCALCFUNC callback,
                           int flags);
    bool recalcCell(int col, int row);
    bool recalcAll();
    int loadFromFile(const char* path);
    int saveToFile(const char* path, int flag);
    // Prepares the sheet with the settings file name and takes its font (SheetSettingsFiles.h).
    bool loadLayoutSettings(const Mdx_String& name);
    void markChanged();

    // Structure editing.
    bool insertRowAt(int row, bool askHeader, bool copyFormat);
    bool insertColAt(int col, bool askHeader, bool copyFormat);
    int appendRow(bool copyFormat);
    bool insertRowBelowCurrent(bool copyFormat);
    bool deleteRowAt(int row);
    bool deleteColAt(int col);
    bool deleteCurrentRow();
    bool copyRow(int src, int dst);
    bool copyColumn(int src, int dst);
    bool moveRows(int first, int last, int dest);
    bool moveCurrentRowUp();
    bool moveCurrentRowDown();
    // Asks the user for the text of a new row's or column's header.
    Mdx_String askHeaderText(bool forRow);

    // Spans, locks and check boxes.
    bool mergeEqualCellsInColumn(int col);
    bool removeSpanAt(int col, int row);
    bool removeSpansInColumn(int col);
    bool removeAllSpans();
    bool setCellLocked(int col, int row, bool locked);
    bool lockColumn(int col);
    bool isCellLocked(int col, int row) const;
    bool linkLockToChecks(int checkCol, int targetCol);
    bool setChecksInSelection(bool on);

    // Navigation.
    bool findFirstUnlockedCell(int& col, int& row) const;
    bool findLastUnlockedCell(int& col, int& row) const;
    bool activateFirstOrLastUnlocked(bool first);
    bool handleTabKey(int key, int& exitDirection);
    bool hasGridFocus() const;

    // Search helpers of the find dialog; all compare value texts.
    bool findInRow(const Mdx_String& text, bool partial, int row, int startCol,
                   int& foundCol) const;
    bool findNext(const Mdx_String& text, bool partial, int startCol, int startRow, int& foundCol,
                  int& foundRow) const;
    bool findInCell(const Mdx_String& text, int col, int row, int startPos, int& foundPos) const;
    bool selectFoundText(const Mdx_String& text, int col, int row, int startPos);
    bool replaceInCell(int col, int row, const Mdx_String& find, const Mdx_String& replace);

    // Context menu and keys.
    void setContextMenuEntries(const AcArray<int>& kinds);
    void runContextCommand(int index);
    void setF8Toggle(bool on) { f8Toggle = on; }
    // The open find dialog, or null (a closed one is released first).
    FindReplaceDialog* findReplaceDialog();

    // Window routing.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnRButtonDown(UINT flags, POINT point) override;

private:
    bool isColumn(int col) const;
    bool isRow(int row) const;
    int clientWidth() const;
    int rowHeaderColumns() const;
    bool setColumnPixels(int col, int pixels);
    bool setRowHeaderPixels(int pixels);
    bool writeText(int col, int row, const Mdx_String& text, bool asValue);
    void ensureCheckImages();
    void reapplyLockLink();
    bool applyLockFromCheck(int row);
    bool isCoveredByLockedSpan(int col, int row) const;
    bool handleFindKey(UINT key);
    void openFindDialog();
    void showContextMenu(POINT point);
    void activateCellAt(POINT point);

    bool attached = false;
    HWND ownerWindow = nullptr;
    int controlId = 0;
    Mdx_String fontFace = "Tahoma";
    int fontHeight = 15;
    int fitPolicy = 0;
    std::unique_ptr<CBitmap> uncheckedImage;
    std::unique_ptr<CBitmap> checkedImage;
    std::unique_ptr<CMenu> contextMenu;
    AcArray<int> contextEntries;
    std::unique_ptr<FindReplaceDialog> findDialog;
    bool f8Toggle = true;
    int fitArg1 = 0;
    int fitArg2 = 0;
    AcArray<int> fitColumns;
    AcArray<int> fitWidths;
    int lockCheckCol = -1;
    int lockTargetCol = -1;
};

// Free list-editing operations of dialogs that keep a list in a sheet; both do nothing for
// a null sheet.
void addRowAfterActive(Mdx_Spread* sheet);
void deleteActiveRow(Mdx_Spread* sheet);
