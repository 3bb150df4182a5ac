#pragma once
// The grid control's programming interface: C-style calls on a window of class
// "fpSpread70", the window handle first. Columns and rows count from 1; 0 and the header
// index (-32767) address the header band; -1 in a range means every column or row.
// Calls on a handle that is not a grid window fail (FALSE, or -1 for counts).
#include "grid/CellType.h"
#include "win/LogFont.h"
#include "win/WinTypes.h"

inline constexpr const char* kSpreadClassName = "fpSpread70";
inline constexpr int SS_HEADER = -32767;

// Registers the window class; safe to call again (the class is also registered at start-up).
BOOL SSRegisterSpreadClass();

// ---- Window ---------------------------------------------------------------------------------
BOOL SSReset(HWND hwnd);
BOOL SSSetAppearance(HWND hwnd, int appearance);
BOOL SSSetActionKey(HWND hwnd, WORD action, BOOL shift, BOOL control, WORD key);
BOOL SSSetSelColor(HWND hwnd, COLORREF back, COLORREF fore);
// The two colour pairs: the header band's shading and the area outside the cells.
BOOL SSSetHeaderColors(HWND hwnd, COLORREF back, COLORREF fore);
BOOL SSSetGrayAreaColors(HWND hwnd, COLORREF back, COLORREF fore);
BOOL SSSetBackColorStyle(HWND hwnd, int style);
BOOL SSSetBool(HWND hwnd, int index, BOOL value);
BOOL SSGetBool(HWND hwnd, int index);
BOOL SSSetOperationMode(HWND hwnd, int mode);
int SSGetOperationMode(HWND hwnd);
// The two-argument look option (how the user may resize rows and columns).
BOOL SSSetUserResize(HWND hwnd, int rows, int columns);

// ---- Size -----------------------------------------------------------------------------------
int SSGetMaxCols(HWND hwnd);
int SSGetMaxRows(HWND hwnd);
BOOL SSSetMaxCols(HWND hwnd, int count);
BOOL SSSetMaxRows(HWND hwnd, int count);
BOOL SSGetClientRect(HWND hwnd, RECT* rect);
// Widths of the scroll bars the window shows now (0 for one that is not shown).
BOOL SSGetScrollBarSize(HWND hwnd, int* verticalWidth, int* horizontalHeight);
BOOL SSGetColWidthInPixels(HWND hwnd, int col, int* pixels);
BOOL SSSetColWidthInPixels(HWND hwnd, int col, int pixels);
BOOL SSGetRowHeightInPixels(HWND hwnd, int row, int* pixels);
BOOL SSSetRowHeightInPixels(HWND hwnd, int row, int pixels);
// Widths in characters of the default font (8 pixels), heights in points (4/3 pixels).
BOOL SSSetColWidth(HWND hwnd, int col, double width);
BOOL SSGetColWidth(HWND hwnd, int col, double* width);
BOOL SSSetRowHeight(HWND hwnd, int row, double height);
BOOL SSGetRowHeight(HWND hwnd, int row, double* height);
// The width and height, in those units, that the cell's text needs.
BOOL SSGetMaxTextCellSize(HWND hwnd, int col, int row, double* width, double* height);

// ---- Cell text ------------------------------------------------------------------------------
// Reads copy at most bufferSize - 1 bytes and a terminating zero; they return the full
// length of the text (-1 on failure), as the length calls do.
BOOL SSSetData(HWND hwnd, int col, int row, LPCSTR text);
BOOL SSSetValue(HWND hwnd, int col, int row, LPCSTR text);
BOOL SSSetFormula(HWND hwnd, int col, int row, LPCSTR formula, BOOL recalculate);
int SSGetData(HWND hwnd, int col, int row, LPSTR buffer, int bufferSize);
int SSGetDataLen(HWND hwnd, int col, int row);
int SSGetFormula(HWND hwnd, int col, int row, LPSTR buffer, int bufferSize);
int SSGetFormulaLen(HWND hwnd, int col, int row);
int SSGetValue(HWND hwnd, int col, int row, LPSTR buffer, int bufferSize);
int SSGetValueLen(HWND hwnd, int col, int row);
BOOL SSSetCellTag(HWND hwnd, int col, int row, LPCSTR tag);
int SSGetCellTag(HWND hwnd, int col, int row, LPSTR buffer, int bufferSize);
int SSGetCellTagLen(HWND hwnd, int col, int row);
// The cell's value as a number; FALSE when it holds text or an error.
BOOL SSGetFloat(HWND hwnd, int col, int row, double* value);

// ---- Cell types -----------------------------------------------------------------------------
using SSCELLTYPE = grid::CellType;  // first byte: the type code
using LPSSCELLTYPE = SSCELLTYPE*;
inline constexpr WORD SS_PICTURE_FILE = 0;    // picture given by file name
inline constexpr WORD SS_PICTURE_HANDLE = 1;  // picture given by a bitmap or icon handle

LPSSCELLTYPE SSSetTypeEdit(HWND hwnd, LPSSCELLTYPE type, DWORD style, int maxLength);
LPSSCELLTYPE SSSetTypeNumber(HWND hwnd, LPSSCELLTYPE type, DWORD style, int decimals,
                             double minimum, double maximum, BOOL separator);
LPSSCELLTYPE SSSetTypeStaticText(HWND hwnd, LPSSCELLTYPE type, DWORD style);
LPSSCELLTYPE SSSetTypeComboBox(HWND hwnd, LPSSCELLTYPE type, DWORD style, LPCSTR items);
// Pictures: normal, pressed, focused normal, focused pressed, disabled normal, disabled
// pressed; each a file name or (SS_PICTURE_HANDLE) a handle passed in the pointer.
LPSSCELLTYPE SSSetTypeCheckBox(HWND hwnd, LPSSCELLTYPE type, DWORD style, LPCSTR text,
                               const LPCSTR pictures[6], const WORD pictureTypes[6]);
LPSSCELLTYPE SSSetTypeButton(HWND hwnd, LPSSCELLTYPE type, DWORD style, LPCSTR caption,
                             LPCSTR picture, WORD pictureType);
LPSSCELLTYPE SSSetTypePicture(HWND hwnd, LPSSCELLTYPE type, DWORD style, LPCSTR file);
LPSSCELLTYPE SSSetTypePictureHandle(HWND hwnd, LPSSCELLTYPE type, DWORD style, HGDIOBJ picture);
BOOL SSSetCellType(HWND hwnd, int col, int row, const SSCELLTYPE* type);
BOOL SSSetCellTypeRange(HWND hwnd, int col1, int row1, int col2, int row2,
                        const SSCELLTYPE* type);
BOOL SSGetCellType(HWND hwnd, int col, int row, LPSSCELLTYPE type);

// ---- Fonts, colours and borders -------------------------------------------------------------
BOOL SSSetFont(HWND hwnd, int col, int row, HFONT font, BOOL redraw);
BOOL SSSetFontRange(HWND hwnd, int col1, int row1, int col2, int row2, HFONT font, BOOL redraw);
// The cell's font as a logical-font record.
BOOL SSGetFont(HWND hwnd, int col, int row, LOGFONT* font);
BOOL SSSetTextTip(HWND hwnd, int status, int delay, const LOGFONT* font, COLORREF back,
                  COLORREF fore);
BOOL SSGetTextTip(HWND hwnd, int* status, int* delay, LOGFONT* font, COLORREF* back,
                  COLORREF* fore);
BOOL SSSetColor(HWND hwnd, int col, int row, COLORREF back, COLORREF fore);
BOOL SSSetColorRange(HWND hwnd, int col1, int row1, int col2, int row2, COLORREF back,
                     COLORREF fore);
BOOL SSGetColor(HWND hwnd, int col, int row, COLORREF* back, COLORREF* fore);
BOOL SSSetBorder(HWND hwnd, int col, int row, WORD type, WORD style, COLORREF color);
BOOL SSSetBorderRange(HWND hwnd, int col1, int row1, int col2, int row2, WORD type, WORD style,
                      COLORREF color);
BOOL SSGetBorder(HWND hwnd, int col, int row, WORD* type, WORD* style, COLORREF* color);
BOOL SSSetCellNoteIndicator(HWND hwnd, int indicator);
// The lines between cells: a type (0 the window's default look, other values the grid's own
// codes, kept and saved as given) and a colour.
BOOL SSSetGridType(HWND hwnd, int type);
int SSGetGridType(HWND hwnd);
BOOL SSSetGridColor(HWND hwnd, COLORREF color);
BOOL SSGetGridColor(HWND hwnd, COLORREF* color);
// A cell's note, which the note indicator marks.
BOOL SSSetCellNote(HWND hwnd, int col, int row, LPCSTR note);
int SSGetCellNote(HWND hwnd, int col, int row, LPSTR buffer, int bufferSize);

// ---- Structure ------------------------------------------------------------------------------
// Rows and columns move with their cells, formats and spans; the counts stay as they are.
BOOL SSInsRow(HWND hwnd, int row);
BOOL SSDelRow(HWND hwnd, int row);
BOOL SSInsCol(HWND hwnd, int col);
BOOL SSDelCol(HWND hwnd, int col);
BOOL SSCopyRange(HWND hwnd, int col1, int row1, int col2, int row2, int destCol, int destRow);
BOOL SSMoveRange(HWND hwnd, int col1, int row1, int col2, int row2, int destCol, int destRow);
BOOL SSClearRange(HWND hwnd, int col1, int row1, int col2, int row2);
BOOL SSAddCellSpan(HWND hwnd, int col, int row, int numCols, int numRows);
BOOL SSRemoveCellSpan(HWND hwnd, int col, int row);
// The span covering the cell: its anchor and size; FALSE when the cell is not spanned.
BOOL SSGetCellSpan(HWND hwnd, int col, int row, int* anchorCol, int* anchorRow, int* numCols,
                   int* numRows);

// ---- Locks ----------------------------------------------------------------------------------
BOOL SSSetLock(HWND hwnd, int col, int row, BOOL lock);
BOOL SSLockRange(HWND hwnd, int col1, int row1, int col2, int row2, BOOL lock);
BOOL SSGetLock(HWND hwnd, int col, int row);

// ---- Selection and editing ------------------------------------------------------------------
BOOL SSGetActiveCell(HWND hwnd, int* col, int* row);
BOOL SSSetActiveCell(HWND hwnd, int col, int row);
// The selected block's corners; FALSE when no block is selected.
BOOL SSGetSelectBlock(HWND hwnd, int* col1, int* row1, int* col2, int* row2);
BOOL SSSetSelectBlock(HWND hwnd, int col1, int row1, int col2, int row2);
BOOL SSGetEditMode(HWND hwnd);
BOOL SSSetEditMode(HWND hwnd, BOOL on);
BOOL SSGetEditSel(HWND hwnd, int* start, int* end);
BOOL SSSetEditSel(HWND hwnd, int start, int end);
// The cell under a point of the client area: TRUE for a cell or a header cell (0 for the
// header band; a spanned cell gives its anchor), FALSE outside the cells.
BOOL SSGetCellFromPixel(HWND hwnd, int* col, int* row, int x, int y);
// The client rectangle of a cell (its whole span); FALSE when it is not shown.
BOOL SSGetCellRect(HWND hwnd, int col, int row, RECT* rect);
// The first column and row shown beside the header band (the scroll position).
BOOL SSGetTopLeftCell(HWND hwnd, int* col, int* row);
BOOL SSSetTopLeftCell(HWND hwnd, int col, int row);
// The two edit commands: copy the selected block (or the active cell), paste it at the
// active cell.
BOOL SSClipboardCopy(HWND hwnd);
BOOL SSClipboardPaste(HWND hwnd);

// ---- Calculation and files ------------------------------------------------------------------
// A value passed to and from custom functions.
inline constexpr BYTE SS_VALUE_OK = 0;
inline constexpr BYTE SS_VALUE_FAILED = 1;  // could not be read (an error value)
inline constexpr BYTE SS_VALUE_NONE = 2;    // no value: empty
inline constexpr BYTE SS_KIND_LONG = 0;
inline constexpr BYTE SS_KIND_DOUBLE = 1;
inline constexpr BYTE SS_KIND_TEXT = 2;     // zero-terminated text in a movable memory block
inline constexpr BYTE SS_KIND_CELL = 3;
inline constexpr BYTE SS_KIND_RANGE = 4;
inline constexpr long SS_PASS_REFERENCES = 1;

struct SSCALCVALUE {
    BYTE status = SS_VALUE_NONE;
    BYTE kind = SS_KIND_LONG;
    union {
        long lValue;
        double dfValue;
        HGLOBAL hText;
        struct {
            long col, row;
        } cell;
        struct {
            long col1, row1, col2, row2;
        } range;
    } value{};
};
using LPSSCALCVALUE = SSCALCVALUE*;
// Called with the result to fill, the arguments and their count; returns non-zero when it
// handled the call. Argument text blocks belong to the grid; a result text block passes to
// the grid, which frees it.
using SSCALCFUNC = BOOL (*)(LPSSCALCVALUE result, LPSSCALCVALUE args, short count);

BOOL SSAddCustomFunctionExt(HWND hwnd, LPCSTR name, short minArgs, short maxArgs,
                            SSCALCFUNC callback, long flags);
BOOL SSReCalcCell(HWND hwnd, int col, int row);
BOOL SSReCalc(HWND hwnd);
// 0 default, 1 A1, 2 R1C1: how formula texts read back (and are read).
BOOL SSSetRefStyle(HWND hwnd, int style);
int SSGetRefStyle(HWND hwnd);
// Module paths ("C:\\Lib\\a.sss"); 1 on success, 0 on failure (the sheet is then unchanged).
int SSLoadFromFile(HWND hwnd, LPCSTR path);
int SSSaveToFile(HWND hwnd, LPCSTR path, BOOL dataOnly);

// ---- For the engine's own users -------------------------------------------------------------
namespace grid {
class SpreadModel;
}
// The model behind a grid window; null for any other window.
grid::SpreadModel* SSGetModel(HWND hwnd);
