#pragma once
// The grid window as a framework window object. It keeps nothing beyond the window: every
// member hands one call to the grid control with this window's handle first, so the
// program's sheets can be driven through one object whatever they add on top.
#include "grid/SpreadApi.h"
#include "win/CWnd.h"

class TSpread : public CWnd {
public:
    TSpread() = default;

    // A child grid window with the given style, rectangle, parent and control id; no text.
    BOOL createGrid(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Window.
    BOOL Reset() { return SSReset(m_hWnd); }
    BOOL SetAppearance(int appearance) { return SSSetAppearance(m_hWnd, appearance); }
    BOOL SetActionKey(WORD action, BOOL shift, BOOL control, WORD key) {
        return SSSetActionKey(m_hWnd, action, shift, control, key);
    }
    BOOL SetSelColor(COLORREF back, COLORREF fore) { return SSSetSelColor(m_hWnd, back, fore); }
    BOOL SetHeaderColors(COLORREF back, COLORREF fore) {
        return SSSetHeaderColors(m_hWnd, back, fore);
    }
    BOOL SetGrayAreaColors(COLORREF back, COLORREF fore) {
        return SSSetGrayAreaColors(m_hWnd, back, fore);
    }
    BOOL SetBackColorStyle(int style) { return SSSetBackColorStyle(m_hWnd, style); }
    BOOL SetBool(int index, BOOL on) { return SSSetBool(m_hWnd, index, on); }
    BOOL GetBool(int index) const { return SSGetBool(m_hWnd, index); }
    BOOL SetOperationMode(int mode) { return SSSetOperationMode(m_hWnd, mode); }
    BOOL SetUserResize(int rows, int columns) { return SSSetUserResize(m_hWnd, rows, columns); }

    // Size.
    int GetMaxCols() const { return SSGetMaxCols(m_hWnd); }
    int GetMaxRows() const { return SSGetMaxRows(m_hWnd); }
    BOOL SetMaxCols(int count) { return SSSetMaxCols(m_hWnd, count); }
    BOOL SetMaxRows(int count) { return SSSetMaxRows(m_hWnd, count); }
    BOOL GetGridClientRect(RECT* rect) const { return SSGetClientRect(m_hWnd, rect); }
    BOOL GetScrollBarSize(int* verticalWidth, int* horizontalHeight) const {
        return SSGetScrollBarSize(m_hWnd, verticalWidth, horizontalHeight);
    }
    BOOL GetColWidthInPixels(int col, int* pixels) const {
        return SSGetColWidthInPixels(m_hWnd, col, pixels);
    }
    BOOL SetColWidthInPixels(int col, int pixels) {
        return SSSetColWidthInPixels(m_hWnd, col, pixels);
    }
    BOOL GetRowHeightInPixels(int row, int* pixels) const {
        return SSGetRowHeightInPixels(m_hWnd, row, pixels);
    }
    BOOL SetRowHeightInPixels(int row, int pixels) {
        return SSSetRowHeightInPixels(m_hWnd, row, pixels);
    }
    BOOL SetColWidth(int col, double width) { return SSSetColWidth(m_hWnd, col, width); }
    BOOL SetRowHeight(int row, double height) { return SSSetRowHeight(m_hWnd, row, height); }
    BOOL GetMaxTextCellSize(int col, int row, double* width, double* height) const {
        return SSGetMaxTextCellSize(m_hWnd, col, row, width, height);
    }

    // Cell text.
    BOOL SetData(int col, int row, LPCSTR text) { return SSSetData(m_hWnd, col, row, text); }
    BOOL SetValue(int col, int row, LPCSTR text) { return SSSetValue(m_hWnd, col, row, text); }
    BOOL SetFormula(int col, int row, LPCSTR formula, BOOL recalculate) {
        return SSSetFormula(m_hWnd, col, row, formula, recalculate);
    }
    int GetData(int col, int row, LPSTR buffer, int size) const {
        return SSGetData(m_hWnd, col, row, buffer, size);
    }
    int GetDataLen(int col, int row) const { return SSGetDataLen(m_hWnd, col, row); }
    int GetFormula(int col, int row, LPSTR buffer, int size) const {
        return SSGetFormula(m_hWnd, col, row, buffer, size);
    }
    int GetFormulaLen(int col, int row) const { return SSGetFormulaLen(m_hWnd, col, row); }
    int GetValue(int col, int row, LPSTR buffer, int size) const {
        return SSGetValue(m_hWnd, col, row, buffer, size);
    }
    int GetValueLen(int col, int row) const { return SSGetValueLen(m_hWnd, col, row); }
    BOOL SetCellTag(int col, int row, LPCSTR tag) { return SSSetCellTag(m_hWnd, col, row, tag); }
    int GetCellTag(int col, int row, LPSTR buffer, int size) const {
        return SSGetCellTag(m_hWnd, col, row, buffer, size);
    }
    int GetCellTagLen(int col, int row) const { return SSGetCellTagLen(m_hWnd, col, row); }
    BOOL GetFloat(int col, int row, double* value) const {
        return SSGetFloat(m_hWnd, col, row, value);
    }

    // Cell types.
    LPSSCELLTYPE SetTypeEdit(LPSSCELLTYPE type, DWORD style, int maxLength) {
        return SSSetTypeEdit(m_hWnd, type, style, maxLength);
    }
    LPSSCELLTYPE SetTypeNumber(LPSSCELLTYPE type, DWORD style, int decimals, double minimum,
                               double maximum, BOOL separator) {
        return SSSetTypeNumber(m_hWnd, type, style, decimals, minimum, maximum, separator);
    }
    LPSSCELLTYPE SetTypeStaticText(LPSSCELLTYPE type, DWORD style) {
        return SSSetTypeStaticText(m_hWnd, type, style);
    }
    LPSSCELLTYPE SetTypeComboBox(LPSSCELLTYPE type, DWORD style, LPCSTR items) {
        return SSSetTypeComboBox(m_hWnd, type, style, items);
    }
    LPSSCELLTYPE SetTypeCheckBox(LPSSCELLTYPE type, DWORD style, LPCSTR text,
                                 const LPCSTR pictures[6], const WORD pictureTypes[6]) {
        return SSSetTypeCheckBox(m_hWnd, type, style, text, pictures, pictureTypes);
    }
    LPSSCELLTYPE SetTypeButton(LPSSCELLTYPE type, DWORD style, LPCSTR caption, LPCSTR picture,
                               WORD pictureType) {
        return SSSetTypeButton(m_hWnd, type, style, caption, picture, pictureType);
    }
    LPSSCELLTYPE SetTypePicture(LPSSCELLTYPE type, DWORD style, LPCSTR file) {
        return SSSetTypePicture(m_hWnd, type, style, file);
    }
    LPSSCELLTYPE SetTypePictureHandle(LPSSCELLTYPE type, DWORD style, HGDIOBJ picture) {
        return SSSetTypePictureHandle(m_hWnd, type, style, picture);
    }
    BOOL SetCellType(int col, int row, const SSCELLTYPE* type) {
        return SSSetCellType(m_hWnd, col, row, type);
    }
    BOOL SetCellTypeRange(int c1, int r1, int c2, int r2, const SSCELLTYPE* type) {
        return SSSetCellTypeRange(m_hWnd, c1, r1, c2, r2, type);
    }
    BOOL GetCellType(int col, int row, LPSSCELLTYPE type) const {
        return SSGetCellType(m_hWnd, col, row, type);
    }

    // Fonts, colours and borders.
    BOOL SetFontRange(int c1, int r1, int c2, int r2, HFONT font, BOOL redraw) {
        return SSSetFontRange(m_hWnd, c1, r1, c2, r2, font, redraw);
    }
    BOOL SetTextTip(int status, int delay, const LOGFONT* font, COLORREF back, COLORREF fore) {
        return SSSetTextTip(m_hWnd, status, delay, font, back, fore);
    }
    BOOL GetTextTip(int* status, int* delay, LOGFONT* font, COLORREF* back, COLORREF* fore) const {
        return SSGetTextTip(m_hWnd, status, delay, font, back, fore);
    }
    BOOL SetColorRange(int c1, int r1, int c2, int r2, COLORREF back, COLORREF fore) {
        return SSSetColorRange(m_hWnd, c1, r1, c2, r2, back, fore);
    }
    BOOL SetBorder(int col, int row, WORD type, WORD style, COLORREF color) {
        return SSSetBorder(m_hWnd, col, row, type, style, color);
    }
    BOOL SetBorderRange(int c1, int r1, int c2, int r2, WORD type, WORD style, COLORREF color) {
        return SSSetBorderRange(m_hWnd, c1, r1, c2, r2, type, style, color);
    }
    BOOL SetCellNoteIndicator(int indicator) { return SSSetCellNoteIndicator(m_hWnd, indicator); }
    BOOL SetGridType(int type) { return SSSetGridType(m_hWnd, type); }
    BOOL SetGridColor(COLORREF color) { return SSSetGridColor(m_hWnd, color); }

    // Structure.
    BOOL InsRow(int row) { return SSInsRow(m_hWnd, row); }
    BOOL DelRow(int row) { return SSDelRow(m_hWnd, row); }
    BOOL InsCol(int col) { return SSInsCol(m_hWnd, col); }
    BOOL DelCol(int col) { return SSDelCol(m_hWnd, col); }
    BOOL CopyRange(int c1, int r1, int c2, int r2, int destCol, int destRow) {
        return SSCopyRange(m_hWnd, c1, r1, c2, r2, destCol, destRow);
    }
    BOOL MoveRange(int c1, int r1, int c2, int r2, int destCol, int destRow) {
        return SSMoveRange(m_hWnd, c1, r1, c2, r2, destCol, destRow);
    }
    BOOL AddCellSpan(int col, int row, int numCols, int numRows) {
        return SSAddCellSpan(m_hWnd, col, row, numCols, numRows);
    }
    BOOL RemoveCellSpan(int col, int row) { return SSRemoveCellSpan(m_hWnd, col, row); }
    BOOL GetCellSpan(int col, int row, int* anchorCol, int* anchorRow, int* numCols,
                     int* numRows) const {
        return SSGetCellSpan(m_hWnd, col, row, anchorCol, anchorRow, numCols, numRows);
    }

    // Locks.
    BOOL SetLock(int col, int row, BOOL lock) { return SSSetLock(m_hWnd, col, row, lock); }
    BOOL LockRange(int c1, int r1, int c2, int r2, BOOL lock) {
        return SSLockRange(m_hWnd, c1, r1, c2, r2, lock);
    }
    BOOL GetLock(int col, int row) const { return SSGetLock(m_hWnd, col, row); }

    // Selection and editing.
    BOOL GetActiveCell(int* col, int* row) const { return SSGetActiveCell(m_hWnd, col, row); }
    BOOL SetActiveCell(int col, int row) { return SSSetActiveCell(m_hWnd, col, row); }
    BOOL GetSelectBlock(int* c1, int* r1, int* c2, int* r2) const {
        return SSGetSelectBlock(m_hWnd, c1, r1, c2, r2);
    }
    BOOL SetSelectBlock(int c1, int r1, int c2, int r2) {
        return SSSetSelectBlock(m_hWnd, c1, r1, c2, r2);
    }
    BOOL GetEditMode() const { return SSGetEditMode(m_hWnd); }
    BOOL SetEditMode(BOOL on) { return SSSetEditMode(m_hWnd, on); }
    BOOL GetEditSel(int* start, int* end) const { return SSGetEditSel(m_hWnd, start, end); }
    BOOL SetEditSel(int start, int end) { return SSSetEditSel(m_hWnd, start, end); }
    BOOL ClipboardCopy() { return SSClipboardCopy(m_hWnd); }
    BOOL ClipboardPaste() { return SSClipboardPaste(m_hWnd); }

    // Calculation and files.
    BOOL AddCustomFunctionExt(LPCSTR name, short minArgs, short maxArgs, SSCALCFUNC callback,
                              long flags) {
        return SSAddCustomFunctionExt(m_hWnd, name, minArgs, maxArgs, callback, flags);
    }
    BOOL ReCalcCell(int col, int row) { return SSReCalcCell(m_hWnd, col, row); }
    BOOL ReCalc() { return SSReCalc(m_hWnd); }
    BOOL SetRefStyle(int style) { return SSSetRefStyle(m_hWnd, style); }
    int LoadFromFile(LPCSTR path) { return SSLoadFromFile(m_hWnd, path); }
    int SaveToFile(LPCSTR path, BOOL dataOnly) { return SSSaveToFile(m_hWnd, path, dataOnly); }
};
