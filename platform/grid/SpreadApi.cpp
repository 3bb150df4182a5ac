// The grid calls of a window: each finds the window's model and forwards to it.
#include "grid/SpreadApi.h"

#include <cmath>
#include <cstring>
#include <string>

#include "grid/GridInput.h"
#include "grid/SheetFile.h"
#include "grid/SpreadWindow.h"
#include "win/FontMetrics.h"
#include "win/Gdi.h"
#include "win/Window.h"

using grid::SpreadModel;
using grid::TextKind;

namespace {

int copyOut(const std::string& text, LPSTR buffer, int bufferSize) {
    if (buffer && bufferSize > 0) {
        size_t n = std::min(text.size(), static_cast<size_t>(bufferSize - 1));
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
    }
    return static_cast<int>(text.size());
}

int readText(HWND hwnd, int col, int row, TextKind kind, LPSTR buffer, int bufferSize) {
    if (buffer && bufferSize > 0) buffer[0] = '\0';
    SpreadModel* m = SSGetModel(hwnd);
    std::string text;
    if (!m || !m->text(col, row, kind, text)) return -1;
    return copyOut(text, buffer, bufferSize);
}

int textLength(HWND hwnd, int col, int row, TextKind kind) {
    SpreadModel* m = SSGetModel(hwnd);
    std::string text;
    if (!m || !m->text(col, row, kind, text)) return -1;
    return static_cast<int>(text.size());
}

std::string safe(LPCSTR text) { return text ? std::string(text) : std::string(); }

grid::FontSpec fontFrom(const LOGFONT& lf) {
    grid::FontSpec f;
    f.face.assign(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    f.height = lf.lfHeight;
    f.weight = lf.lfWeight;
    f.italic = lf.lfItalic != 0;
    f.underline = lf.lfUnderline != 0;
    f.strikeOut = lf.lfStrikeOut != 0;
    f.charSet = lf.lfCharSet;
    return f;
}

LOGFONT logFontFrom(const grid::FontSpec& f) {
    LOGFONT lf;
    lf.lfHeight = f.height;
    lf.lfWeight = f.weight;
    lf.lfItalic = f.italic;
    lf.lfUnderline = f.underline;
    lf.lfStrikeOut = f.strikeOut;
    lf.lfCharSet = static_cast<BYTE>(f.charSet);
    setFaceName(lf, f.face.c_str());
    return lf;
}

LPSSCELLTYPE fill(LPSSCELLTYPE out, const grid::CellType& type, HWND hwnd) {
    if (!out || !SSGetModel(hwnd)) return nullptr;
    *out = type;
    return out;
}

}  // namespace

// ---- Window -------------------------------------------------------------------------------

BOOL SSReset(HWND hwnd) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || m->sheet().isCalculating()) return FALSE;
    m->reset();
    return TRUE;
}

BOOL SSSetAppearance(HWND hwnd, int appearance) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    m->view().appearance = appearance;
    return TRUE;
}

BOOL SSSetActionKey(HWND hwnd, WORD action, BOOL shift, BOOL control, WORD key) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    m->view().actionKeys[action] = {shift ? 1 : 0, control ? 1 : 0, key};
    return TRUE;
}

BOOL SSSetSelColor(HWND hwnd, COLORREF back, COLORREF fore) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    m->view().selBackColor = back;
    m->view().selForeColor = fore;
    return TRUE;
}

BOOL SSSetHeaderColors(HWND hwnd, COLORREF back, COLORREF fore) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    m->view().colorPair1[0] = back;
    m->view().colorPair1[1] = fore;
    return TRUE;
}

BOOL SSSetGrayAreaColors(HWND hwnd, COLORREF back, COLORREF fore) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    m->view().colorPair2[0] = back;
    m->view().colorPair2[1] = fore;
    return TRUE;
}

BOOL SSSetBackColorStyle(HWND hwnd, int style) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    m->view().backColorStyle = style;
    return TRUE;
}

BOOL SSSetBool(HWND hwnd, int index, BOOL value) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || index < 0 || index >= grid::kOptionCount) return FALSE;
    m->setOption(index, value != FALSE);
    if (index == grid::kOptionRedraw && value) InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

BOOL SSGetBool(HWND hwnd, int index) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->option(index) ? TRUE : FALSE;
}

BOOL SSSetOperationMode(HWND hwnd, int mode) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    m->view().operationMode = mode;
    return TRUE;
}

int SSGetOperationMode(HWND hwnd) {
    SpreadModel* m = SSGetModel(hwnd);
    return m ? m->view().operationMode : -1;
}

BOOL SSSetUserResize(HWND hwnd, int rows, int columns) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    m->view().twoArgOption[0] = rows;
    m->view().twoArgOption[1] = columns;
    return TRUE;
}

// ---- Size ---------------------------------------------------------------------------------

int SSGetMaxCols(HWND hwnd) {
    SpreadModel* m = SSGetModel(hwnd);
    return m ? m->maxColumns() : -1;
}

int SSGetMaxRows(HWND hwnd) {
    SpreadModel* m = SSGetModel(hwnd);
    return m ? m->maxRows() : -1;
}

BOOL SSSetMaxCols(HWND hwnd, int count) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || count < 0 || count > grid::kMaxColumns) return FALSE;
    m->setMaxColumns(count);
    return TRUE;
}

BOOL SSSetMaxRows(HWND hwnd, int count) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || count < 0 || count > grid::kMaxRows) return FALSE;
    m->setMaxRows(count);
    return TRUE;
}

BOOL SSGetClientRect(HWND hwnd, RECT* rect) {
    if (!SSGetModel(hwnd) || !rect) return FALSE;
    return GetClientRect(hwnd, rect);
}

BOOL SSGetScrollBarSize(HWND hwnd, int* verticalWidth, int* horizontalHeight) {
    SpreadModel* m = SSGetModel(hwnd);
    RECT client;
    if (!m || !GetClientRect(hwnd, &client)) return FALSE;
    long width = 0, height = 0;
    if (m->option(grid::kOptionRowHeaders)) width += m->columnWidth(0);
    for (int c = 1; c <= m->maxColumns(); ++c) width += m->columnWidth(c);
    height += m->rowHeight(0);
    for (int r = 1; r <= m->maxRows(); ++r) height += m->rowHeight(r);
    // A scroll bar shows when the cells do not fit; the other bar then takes room too.
    long cw = client.right - client.left, ch = client.bottom - client.top;
    int vw = GetSystemMetrics(SM_CXVSCROLL), hh = GetSystemMetrics(SM_CYHSCROLL);
    bool vertical = height > ch, horizontal = width > cw;
    if (vertical && !horizontal) horizontal = width > cw - vw;
    if (horizontal && !vertical) vertical = height > ch - hh;
    if (verticalWidth) *verticalWidth = vertical ? vw : 0;
    if (horizontalHeight) *horizontalHeight = horizontal ? hh : 0;
    return TRUE;
}

BOOL SSGetColWidthInPixels(HWND hwnd, int col, int* pixels) {
    SpreadModel* m = SSGetModel(hwnd);
    col = SpreadModel::normalise(col);
    if (!m || !pixels || col < 0 || col > m->maxColumns()) return FALSE;
    *pixels = m->columnWidth(col);
    return TRUE;
}

BOOL SSSetColWidthInPixels(HWND hwnd, int col, int pixels) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->setColumnWidth(col, pixels) ? TRUE : FALSE;
}

BOOL SSGetRowHeightInPixels(HWND hwnd, int row, int* pixels) {
    SpreadModel* m = SSGetModel(hwnd);
    row = SpreadModel::normalise(row);
    if (!m || !pixels || row < 0 || row > m->maxRows()) return FALSE;
    *pixels = m->rowHeight(row);
    return TRUE;
}

BOOL SSSetRowHeightInPixels(HWND hwnd, int row, int pixels) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->setRowHeight(row, pixels) ? TRUE : FALSE;
}

BOOL SSSetColWidth(HWND hwnd, int col, double width) {
    if (!(width >= 0) || width > 1e6) return FALSE;
    return SSSetColWidthInPixels(hwnd, col,
                                 static_cast<int>(std::lround(width * grid::kPixelsPerWidthUnit)));
}

BOOL SSGetColWidth(HWND hwnd, int col, double* width) {
    int px;
    if (!width || !SSGetColWidthInPixels(hwnd, col, &px)) return FALSE;
    *width = px / grid::kPixelsPerWidthUnit;
    return TRUE;
}

BOOL SSSetRowHeight(HWND hwnd, int row, double height) {
    if (!(height >= 0) || height > 1e6) return FALSE;
    return SSSetRowHeightInPixels(
        hwnd, row, static_cast<int>(std::lround(height * grid::kPixelsPerHeightUnit)));
}

BOOL SSGetRowHeight(HWND hwnd, int row, double* height) {
    int px;
    if (!height || !SSGetRowHeightInPixels(hwnd, row, &px)) return FALSE;
    *height = px / grid::kPixelsPerHeightUnit;
    return TRUE;
}

BOOL SSGetMaxTextCellSize(HWND hwnd, int col, int row, double* width, double* height) {
    SpreadModel* m = SSGetModel(hwnd);
    std::string text;
    if (!m || !m->text(col, row, TextKind::Data, text)) return FALSE;
    const grid::CellType& type = m->type(col, row);
    if (type.code == grid::kTypeButton || type.code == grid::kTypeCheckBox) text = type.text;
    if (type.code == grid::kTypePicture) text.clear();
    LOGFONT lf = logFontFrom(m->font(col, row));
    SIZE extent = win::textExtent(lf, text);
    // Room for the cell's inner margins and, for a check box, the box itself.
    int extra = type.code == grid::kTypeCheckBox ? 20 : 6;
    int lineH = win::lineHeight(lf);
    if (width) *width = (extent.cx + extra) / grid::kPixelsPerWidthUnit;
    if (height) *height = (std::max<long>(extent.cy, lineH) + 4) / grid::kPixelsPerHeightUnit;
    return TRUE;
}

// ---- Cell text ----------------------------------------------------------------------------

BOOL SSSetData(HWND hwnd, int col, int row, LPCSTR text) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->setData(col, row, safe(text)) ? TRUE : FALSE;
}

BOOL SSSetValue(HWND hwnd, int col, int row, LPCSTR text) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->setValue(col, row, safe(text)) ? TRUE : FALSE;
}

BOOL SSSetFormula(HWND hwnd, int col, int row, LPCSTR formula, BOOL recalculate) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->setFormula(col, row, safe(formula), recalculate != FALSE) ? TRUE : FALSE;
}

int SSGetData(HWND hwnd, int col, int row, LPSTR buffer, int bufferSize) {
    return readText(hwnd, col, row, TextKind::Data, buffer, bufferSize);
}
int SSGetDataLen(HWND hwnd, int col, int row) {
    return textLength(hwnd, col, row, TextKind::Data);
}
int SSGetFormula(HWND hwnd, int col, int row, LPSTR buffer, int bufferSize) {
    return readText(hwnd, col, row, TextKind::Formula, buffer, bufferSize);
}
int SSGetFormulaLen(HWND hwnd, int col, int row) {
    return textLength(hwnd, col, row, TextKind::Formula);
}
int SSGetValue(HWND hwnd, int col, int row, LPSTR buffer, int bufferSize) {
    return readText(hwnd, col, row, TextKind::Value, buffer, bufferSize);
}
int SSGetValueLen(HWND hwnd, int col, int row) {
    return textLength(hwnd, col, row, TextKind::Value);
}

BOOL SSSetCellTag(HWND hwnd, int col, int row, LPCSTR tag) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->setTag(col, row, safe(tag)) ? TRUE : FALSE;
}
int SSGetCellTag(HWND hwnd, int col, int row, LPSTR buffer, int bufferSize) {
    return readText(hwnd, col, row, TextKind::Tag, buffer, bufferSize);
}
int SSGetCellTagLen(HWND hwnd, int col, int row) {
    return textLength(hwnd, col, row, TextKind::Tag);
}

BOOL SSGetFloat(HWND hwnd, int col, int row, double* value) {
    SpreadModel* m = SSGetModel(hwnd);
    double v = 0;
    bool ok = m && m->number(col, row, v);
    if (value) *value = v;
    return ok ? TRUE : FALSE;
}

// ---- Cell types ---------------------------------------------------------------------------

LPSSCELLTYPE SSSetTypeEdit(HWND hwnd, LPSSCELLTYPE type, DWORD style, int maxLength) {
    return fill(type, grid::makeEditType(style, maxLength), hwnd);
}

LPSSCELLTYPE SSSetTypeNumber(HWND hwnd, LPSSCELLTYPE type, DWORD style, int decimals,
                             double minimum, double maximum, BOOL separator) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum)) return nullptr;
    return fill(type, grid::makeNumberType(style, decimals, minimum, maximum, separator != FALSE),
                hwnd);
}

LPSSCELLTYPE SSSetTypeStaticText(HWND hwnd, LPSSCELLTYPE type, DWORD style) {
    return fill(type, grid::makeStaticType(style), hwnd);
}

LPSSCELLTYPE SSSetTypeComboBox(HWND hwnd, LPSSCELLTYPE type, DWORD style, LPCSTR items) {
    return fill(type, grid::makeComboType(style, safe(items)), hwnd);
}

namespace {
std::string pictureName(LPCSTR picture, WORD pictureType) {
    if (pictureType == SS_PICTURE_HANDLE)
        return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(picture));
    return safe(picture);
}
}  // namespace

LPSSCELLTYPE SSSetTypeCheckBox(HWND hwnd, LPSSCELLTYPE type, DWORD style, LPCSTR text,
                               const LPCSTR pictures[6], const WORD pictureTypes[6]) {
    grid::CellType t = grid::makeCheckBoxType(style, safe(text));
    for (int i = 0; i < 6 && pictures; ++i) {
        WORD kind = pictureTypes ? pictureTypes[i] : SS_PICTURE_FILE;
        if (!pictures[i]) continue;
        t.pictures[i] = pictureName(pictures[i], kind);
        t.pictureTypes[i] = kind;
    }
    return fill(type, t, hwnd);
}

LPSSCELLTYPE SSSetTypeButton(HWND hwnd, LPSSCELLTYPE type, DWORD style, LPCSTR caption,
                             LPCSTR picture, WORD pictureType) {
    grid::CellType t = grid::makeButtonType(style, safe(caption));
    if (picture) {
        t.pictures[0] = pictureName(picture, pictureType);
        t.pictureTypes[0] = pictureType;
    }
    return fill(type, t, hwnd);
}

LPSSCELLTYPE SSSetTypePicture(HWND hwnd, LPSSCELLTYPE type, DWORD style, LPCSTR file) {
    return fill(type, grid::makePictureFileType(style, safe(file)), hwnd);
}

LPSSCELLTYPE SSSetTypePictureHandle(HWND hwnd, LPSSCELLTYPE type, DWORD style, HGDIOBJ picture) {
    return fill(type,
                grid::makePictureHandleType(style, reinterpret_cast<std::intptr_t>(picture)), hwnd);
}

BOOL SSSetCellType(HWND hwnd, int col, int row, const SSCELLTYPE* type) {
    return SSSetCellTypeRange(hwnd, col, row, col, row, type);
}

BOOL SSSetCellTypeRange(HWND hwnd, int col1, int row1, int col2, int row2,
                        const SSCELLTYPE* type) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && type && m->setType(col1, row1, col2, row2, *type) ? TRUE : FALSE;
}

BOOL SSGetCellType(HWND hwnd, int col, int row, LPSSCELLTYPE type) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || !type || !m->isCell(col, row)) return FALSE;
    *type = m->type(col, row);
    return TRUE;
}

// ---- Fonts, colours and borders -----------------------------------------------------------

BOOL SSSetFont(HWND hwnd, int col, int row, HFONT font, BOOL redraw) {
    return SSSetFontRange(hwnd, col, row, col, row, font, redraw);
}

BOOL SSSetFontRange(HWND hwnd, int col1, int row1, int col2, int row2, HFONT font, BOOL) {
    SpreadModel* m = SSGetModel(hwnd);
    LOGFONT lf;
    if (!m || !font || GetObject(font, sizeof lf, &lf) != static_cast<int>(sizeof lf)) return FALSE;
    return m->setFont(col1, row1, col2, row2, fontFrom(lf)) ? TRUE : FALSE;
}

BOOL SSGetFont(HWND hwnd, int col, int row, LOGFONT* font) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || !font || !m->isCell(col, row)) return FALSE;
    *font = logFontFrom(m->font(col, row));
    return TRUE;
}

BOOL SSSetTextTip(HWND hwnd, int status, int delay, const LOGFONT* font, COLORREF back,
                  COLORREF fore) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    grid::TextTipSettings& t = m->view().textTip;
    t.status = status;
    t.delay = delay;
    t.hasFont = font != nullptr;
    if (font) t.font = fontFrom(*font);
    t.backColor = back;
    t.foreColor = fore;
    return TRUE;
}

BOOL SSGetTextTip(HWND hwnd, int* status, int* delay, LOGFONT* font, COLORREF* back,
                  COLORREF* fore) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    const grid::TextTipSettings& t = m->view().textTip;
    if (status) *status = t.status;
    if (delay) *delay = t.delay;
    if (font) *font = logFontFrom(t.hasFont ? t.font : m->defaultFont());
    if (back) *back = t.backColor;
    if (fore) *fore = t.foreColor;
    return TRUE;
}

BOOL SSSetColor(HWND hwnd, int col, int row, COLORREF back, COLORREF fore) {
    return SSSetColorRange(hwnd, col, row, col, row, back, fore);
}

BOOL SSSetColorRange(HWND hwnd, int col1, int row1, int col2, int row2, COLORREF back,
                     COLORREF fore) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->setColors(col1, row1, col2, row2, back, fore) ? TRUE : FALSE;
}

BOOL SSGetColor(HWND hwnd, int col, int row, COLORREF* back, COLORREF* fore) {
    SpreadModel* m = SSGetModel(hwnd);
    std::uint32_t b, f;
    if (!m || !m->colors(col, row, b, f)) return FALSE;
    if (back) *back = b;
    if (fore) *fore = f;
    return TRUE;
}

BOOL SSSetBorder(HWND hwnd, int col, int row, WORD type, WORD style, COLORREF color) {
    return SSSetBorderRange(hwnd, col, row, col, row, type, style, color);
}

BOOL SSSetBorderRange(HWND hwnd, int col1, int row1, int col2, int row2, WORD type, WORD style,
                      COLORREF color) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->setBorder(col1, row1, col2, row2, grid::BorderSpec{type, style, color}) ? TRUE
                                                                                           : FALSE;
}

BOOL SSGetBorder(HWND hwnd, int col, int row, WORD* type, WORD* style, COLORREF* color) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || !m->isCell(col, row)) return FALSE;
    grid::BorderSpec b = m->border(col, row);
    if (type) *type = static_cast<WORD>(b.type);
    if (style) *style = static_cast<WORD>(b.style);
    if (color) *color = b.color;
    return TRUE;
}

BOOL SSSetCellNoteIndicator(HWND hwnd, int indicator) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    m->view().noteIndicator = indicator;
    return TRUE;
}

BOOL SSSetGridType(HWND hwnd, int type) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    m->view().gridType = type;
    return TRUE;
}

int SSGetGridType(HWND hwnd) {
    SpreadModel* m = SSGetModel(hwnd);
    return m ? m->view().gridType : -1;
}

BOOL SSSetGridColor(HWND hwnd, COLORREF color) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    m->view().gridColor = color;
    return TRUE;
}

BOOL SSGetGridColor(HWND hwnd, COLORREF* color) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || !color) return FALSE;
    *color = m->view().gridColor;
    return TRUE;
}

BOOL SSSetCellNote(HWND hwnd, int col, int row, LPCSTR note) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->setNote(col, row, safe(note)) ? TRUE : FALSE;
}

int SSGetCellNote(HWND hwnd, int col, int row, LPSTR buffer, int bufferSize) {
    if (buffer && bufferSize > 0) buffer[0] = '\0';
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || !m->isCell(col, row)) return -1;
    return copyOut(m->note(col, row), buffer, bufferSize);
}

// ---- Structure ----------------------------------------------------------------------------

namespace {
// Structure changes would pull cells from under a calculation in progress.
SpreadModel* idleModel(HWND hwnd) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && !m->sheet().isCalculating() ? m : nullptr;
}
}  // namespace

BOOL SSInsRow(HWND hwnd, int row) {
    SpreadModel* m = idleModel(hwnd);
    return m && m->insertRows(row, 1) ? TRUE : FALSE;
}
BOOL SSDelRow(HWND hwnd, int row) {
    SpreadModel* m = idleModel(hwnd);
    return m && m->deleteRows(row, 1) ? TRUE : FALSE;
}
BOOL SSInsCol(HWND hwnd, int col) {
    SpreadModel* m = idleModel(hwnd);
    return m && m->insertColumns(col, 1) ? TRUE : FALSE;
}
BOOL SSDelCol(HWND hwnd, int col) {
    SpreadModel* m = idleModel(hwnd);
    return m && m->deleteColumns(col, 1) ? TRUE : FALSE;
}
BOOL SSCopyRange(HWND hwnd, int col1, int row1, int col2, int row2, int destCol, int destRow) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->copyRange(col1, row1, col2, row2, destCol, destRow) ? TRUE : FALSE;
}
BOOL SSMoveRange(HWND hwnd, int col1, int row1, int col2, int row2, int destCol, int destRow) {
    SpreadModel* m = idleModel(hwnd);
    return m && m->moveRange(col1, row1, col2, row2, destCol, destRow) ? TRUE : FALSE;
}
BOOL SSClearRange(HWND hwnd, int col1, int row1, int col2, int row2) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->clearRange(col1, row1, col2, row2) ? TRUE : FALSE;
}
BOOL SSAddCellSpan(HWND hwnd, int col, int row, int numCols, int numRows) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->addSpan(col, row, numCols, numRows) ? TRUE : FALSE;
}
BOOL SSRemoveCellSpan(HWND hwnd, int col, int row) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->removeSpan(col, row) ? TRUE : FALSE;
}
BOOL SSGetCellSpan(HWND hwnd, int col, int row, int* anchorCol, int* anchorRow, int* numCols,
                   int* numRows) {
    SpreadModel* m = SSGetModel(hwnd);
    grid::Span s;
    if (!m || !m->spanAt(col, row, s)) return FALSE;
    if (anchorCol) *anchorCol = s.column;
    if (anchorRow) *anchorRow = s.row;
    if (numCols) *numCols = s.columns;
    if (numRows) *numRows = s.rows;
    return TRUE;
}

// ---- Locks --------------------------------------------------------------------------------

BOOL SSSetLock(HWND hwnd, int col, int row, BOOL lock) {
    return SSLockRange(hwnd, col, row, col, row, lock);
}
BOOL SSLockRange(HWND hwnd, int col1, int row1, int col2, int row2, BOOL lock) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->setLock(col1, row1, col2, row2, lock != FALSE) ? TRUE : FALSE;
}
BOOL SSGetLock(HWND hwnd, int col, int row) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->isLocked(col, row) ? TRUE : FALSE;
}

// ---- Selection and editing ----------------------------------------------------------------

BOOL SSGetActiveCell(HWND hwnd, int* col, int* row) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || m->selection().activeColumn < 1 || m->selection().activeRow < 1) return FALSE;
    if (col) *col = m->selection().activeColumn;
    if (row) *row = m->selection().activeRow;
    return TRUE;
}

// A block selected before belongs to the old cell; keeping it would make the block's
// corner, not the new active cell, the current cell of every caller that prefers the block.
BOOL SSSetActiveCell(HWND hwnd, int col, int row) {
    grid::SpreadControl* control = grid::spreadControl(hwnd);
    return control && grid::activateCell(*control, col, row) ? TRUE : FALSE;
}

BOOL SSGetSelectBlock(HWND hwnd, int* col1, int* row1, int* col2, int* row2) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || !m->selection().hasBlock) return FALSE;
    const grid::CellRect& b = m->selection().block;
    if (col1) *col1 = b.column1;
    if (row1) *row1 = b.row1;
    if (col2) *col2 = b.column2;
    if (row2) *row2 = b.row2;
    return TRUE;
}

BOOL SSSetSelectBlock(HWND hwnd, int col1, int row1, int col2, int row2) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    col1 = SpreadModel::normalise(col1);
    col2 = SpreadModel::normalise(col2);
    row1 = SpreadModel::normalise(row1);
    row2 = SpreadModel::normalise(row2);
    if (col1 > col2) std::swap(col1, col2);
    if (row1 > row2) std::swap(row1, row2);
    if (col1 < 0 || row1 < 0 || col2 > m->maxColumns() || row2 > m->maxRows()) return FALSE;
    m->selection().hasBlock = true;
    m->selection().block = {col1, row1, col2, row2};
    return TRUE;
}

BOOL SSGetEditMode(HWND hwnd) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->selection().editing ? TRUE : FALSE;
}

BOOL SSSetEditMode(HWND hwnd, BOOL on) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    if (on && (m->selection().activeColumn < 1 || m->selection().activeRow < 1)) return FALSE;
    grid::SelectionState& s = m->selection();
    if (!on) {
        // The program closing the editor keeps what it holds, without telling the parent.
        if (s.editing) {
            s.editing = false;
            if (s.editChanged) m->setData(s.activeColumn, s.activeRow, s.editText);
            s.editChanged = false;
            s.editText.clear();
        }
        return TRUE;
    }
    // The editor starts with the cell's text, all of it selected.
    if (!s.editing) {
        m->text(s.activeColumn, s.activeRow, TextKind::Data, s.editText);
        s.editChanged = false;
    }
    s.editing = true;
    s.editStart = 0;
    s.editEnd = static_cast<int>(s.editText.size());
    return TRUE;
}

BOOL SSGetEditSel(HWND hwnd, int* start, int* end) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || !m->selection().editing) return FALSE;
    if (start) *start = m->selection().editStart;
    if (end) *end = m->selection().editEnd;
    return TRUE;
}

BOOL SSSetEditSel(HWND hwnd, int start, int end) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || !m->selection().editing || start < 0 || end < start) return FALSE;
    int length = static_cast<int>(m->selection().editText.size());
    m->selection().editStart = std::min(start, length);
    m->selection().editEnd = std::min(end, length);
    return TRUE;
}

BOOL SSClipboardCopy(HWND hwnd) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->copySelection() ? TRUE : FALSE;
}

BOOL SSClipboardPaste(HWND hwnd) {
    SpreadModel* m = SSGetModel(hwnd);
    return m && m->pasteAtActiveCell() ? TRUE : FALSE;
}

// ---- Calculation and files ----------------------------------------------------------------

BOOL SSReCalcCell(HWND hwnd, int col, int row) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || !m->isCell(col, row)) return FALSE;
    m->sheet().recalculateCell(SpreadModel::normalise(col), SpreadModel::normalise(row));
    return TRUE;
}

BOOL SSReCalc(HWND hwnd) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    m->sheet().recalculateAll();
    return TRUE;
}

BOOL SSSetRefStyle(HWND hwnd, int style) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || style < 0 || style > 2) return FALSE;
    m->sheet().setRefStyle(static_cast<grid::RefStyle>(style));
    return TRUE;
}

int SSGetRefStyle(HWND hwnd) {
    SpreadModel* m = SSGetModel(hwnd);
    return m ? static_cast<int>(m->sheet().refStyle()) : -1;
}

int SSLoadFromFile(HWND hwnd, LPCSTR path) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || !path) return 0;
    if (!grid::loadSheet(*m, path)) return 0;
    InvalidateRect(hwnd, nullptr, TRUE);
    return 1;
}

int SSSaveToFile(HWND hwnd, LPCSTR path, BOOL) {
    SpreadModel* m = SSGetModel(hwnd);
    if (!m || !path) return 0;
    return grid::saveSheet(*m, path) ? 1 : 0;
}
