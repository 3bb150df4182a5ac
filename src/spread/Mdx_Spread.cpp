#include "spread/Mdx_Spread.h"

#include <algorithm>

#include "spread/FindReplaceDialog.h"
#include "win/CMenu.h"
#include "win/Gdi.h"

Mdx_Spread::Mdx_Spread() = default;

// The menu builder goes first, then the check-box pictures, then the find dialog with its
// window; the arrays and the font name follow as members.
Mdx_Spread::~Mdx_Spread() {
    contextMenu.reset();
    uncheckedImage.reset();
    checkedImage.reset();
    if (findDialog && ::IsWindow(findDialog->GetSafeHwnd())) findDialog->DestroyWindow();
    findDialog.reset();
}

// A sheet holds one window: a second attach would leave the first grid without its owner.
bool Mdx_Spread::attachToDlgItem(CWnd* parent, int ctrlId, bool exactRect) {
    if (attached || !parent || !parent->GetSafeHwnd()) return false;
    HWND placeholder = ::GetDlgItem(parent->GetSafeHwnd(), ctrlId);
    if (!placeholder) return false;
    ownerWindow = parent->GetSafeHwnd();

    RECT rect;
    RECT parentRect;
    ::GetWindowRect(placeholder, &rect);
    ::GetWindowRect(ownerWindow, &parentRect);
    rect.left -= parentRect.left;
    rect.right -= parentRect.left;
    rect.top -= parentRect.top;
    rect.bottom -= parentRect.top;
    if (!exactRect) {
        // Window coordinates of the dialog include its frame and caption; the usual
        // placement moves the grid back by their size.
        rect.left -= 5;
        rect.right -= 5;
        rect.top -= 20;
        rect.bottom -= 20;
    }
    ::DestroyWindow(placeholder);

    const BOOL created = createGrid(WS_CHILD | WS_VISIBLE, rect, parent, ctrlId);
    SetMaxRows(0);
    SetMaxCols(0);
    attached = created != FALSE;
    controlId = ctrlId;
    SetAppearance(1);
    for (WORD action = 0; action <= 2; ++action) SetActionKey(action, FALSE, FALSE, 0);
    return attached;
}

bool Mdx_Spread::attachToGridItem(CWnd* parent, int ctrlId) {
    if (attached || !parent || !parent->GetSafeHwnd()) return false;
    HWND item = ::GetDlgItem(parent->GetSafeHwnd(), ctrlId);
    if (!item || !SSGetModel(item)) return false;
    if (!SubclassDlgItem(static_cast<UINT>(ctrlId), parent)) return false;
    ownerWindow = parent->GetSafeHwnd();
    controlId = ctrlId;
    attached = true;
    return true;
}

bool Mdx_Spread::setStandardLayout(int selectMode) {
    if (!attached) return false;
    SetBool(kOptionRedraw, FALSE);
    SetBool(12, FALSE);
    SetBool(kOptionAutoCalc, FALSE);
    SetBool(21, TRUE);
    SetBool(26, FALSE);
    SetBool(34, TRUE);
    SetBool(32, TRUE);
    SetBool(18, FALSE);
    SetBool(21, TRUE);
    SetBool(22, TRUE);
    SetBool(21, TRUE);
    SetHeaderColors(GetSysColor(COLOR_BTNFACE), 0x8000000B);
    SetUserResize(1, -1);
    SetSelColor(0x6A240A, 0xFFFFFF);
    SetBool(11, TRUE);
    SetBool(3, TRUE);
    SetBool(kOptionRowHeaderShown, TRUE);
    SetBool(18, TRUE);
    SetGrayAreaColors(0xE6E6E6, 0x8000000B);
    if (selectMode == 1) {
        SetBool(13, TRUE);
        SetBool(10, FALSE);
        SetOperationMode(0);
    } else if (selectMode == 0) {
        SetBool(13, FALSE);
        SetBool(10, TRUE);
        SetOperationMode(5);
    }
    SetBool(kOptionRedraw, TRUE);
    return true;
}

int Mdx_Spread::getMaxRows() const {
    return attached ? GetMaxRows() : -1;
}

int Mdx_Spread::getMaxCols() const {
    return attached ? GetMaxCols() : -1;
}

bool Mdx_Spread::setMaxRows(int n, bool copyLastRow) {
    if (!attached) return false;
    const int old = GetMaxRows();
    const int cols = GetMaxCols();
    SetMaxRows(n);
    if (old >= n) return true;
    // Row 0 is the header row: a sheet without rows has no last row to copy.
    if (copyLastRow && old >= 1)
        for (int row = old + 1; row <= n; ++row) copyRow(old, row);
    if (old > 0)
        setRangeFont(SS_HEADER, old, SS_HEADER, n, fontFace, fontHeight, true, true);
    else
        applyHeaderFonts();
    if (cols >= 1) setRangeFont(1, std::max(old, 1), cols, n, fontFace, fontHeight, false, false);
    return true;
}

bool Mdx_Spread::setMaxCols(int n, bool copyLastCol) {
    if (!attached) return false;
    const int old = GetMaxCols();
    const int rows = GetMaxRows();
    SetMaxCols(n);
    if (old >= n) return true;
    if (copyLastCol && old >= 1)
        for (int col = old + 1; col <= n; ++col) copyColumn(old, col);
    if (old > 0)
        setRangeFont(old, SS_HEADER, n, SS_HEADER, fontFace, fontHeight, true, true);
    else
        applyHeaderFonts();
    if (rows >= 1) setRangeFont(std::max(old, 1), 1, n, rows, fontFace, fontHeight, false, false);
    return true;
}

bool Mdx_Spread::isColumn(int col) const {
    return attached && col >= 1 && col <= GetMaxCols();
}

bool Mdx_Spread::isRow(int row) const {
    return attached && row >= 1 && row <= GetMaxRows();
}

void Mdx_Spread::markChanged() {
    if (attached) SetBool(kOptionChanged, TRUE);
}

// ---- Selection ------------------------------------------------------------------------------

bool Mdx_Spread::getActiveCell(int& col, int& row) {
    if (!attached) return false;
    if (!GetActiveCell(&col, &row) || col < 1 || row < 1) {
        col = 1;
        row = 1;
        SetActiveCell(1, 1);
    }
    return true;
}

bool Mdx_Spread::getSelectionOrActive(POINT& first, POINT& last) {
    if (!attached) return false;
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    if (GetSelectBlock(&c1, &r1, &c2, &r2)) {
        first = POINT{c1, r1};
        last = POINT{c2, r2};
        return true;
    }
    int col = 0, row = 0;
    getActiveCell(col, row);
    first = POINT{col, row};
    return true;
}

int Mdx_Spread::getCurrentCol() {
    POINT first{-1, -1}, last;
    getSelectionOrActive(first, last);
    return first.x;
}

int Mdx_Spread::getCurrentRow() {
    POINT first{-1, -1}, last;
    getSelectionOrActive(first, last);
    return first.y;
}

bool Mdx_Spread::selectRange(int c1, int r1, int c2, int r2) {
    return attached && SetSelectBlock(c1, r1, c2, r2);
}

bool Mdx_Spread::selectRow(int row) {
    return attached && SetSelectBlock(SS_HEADER, row, GetMaxCols(), row);
}

bool Mdx_Spread::isEditing() const {
    return attached && GetEditMode();
}

bool Mdx_Spread::getEditSelection(int& start, int& end) const {
    return isEditing() && GetEditSel(&start, &end);
}

// ---- Calculation and files ------------------------------------------------------------------

bool Mdx_Spread::addCustomFunction(const char* name, int minArgs, int maxArgs, SSCALCFUNC callback,
                                   int flags) {
    return attached && AddCustomFunctionExt(name, static_cast<short>(minArgs),
                                            static_cast<short>(maxArgs), callback, flags);
}

bool Mdx_Spread::recalcCell(int col, int row) {
    return attached && ReCalcCell(col, row);
}

bool Mdx_Spread::recalcAll() {
    return attached && ReCalc();
}

int Mdx_Spread::loadFromFile(const char* path) {
    return attached ? LoadFromFile(path) : 0;
}

int Mdx_Spread::saveToFile(const char* path, int flag) {
    return attached ? SaveToFile(path, flag) : 0;
}
