#include <algorithm>

#include "core/Texts.h"
#include "spread/Mdx_Spread.h"
#include "spread/ValueInputDialog.h"

// ---- Rows and columns -----------------------------------------------------------------------

bool Mdx_Spread::insertRowAt(int row, bool askHeader, bool copyFormat) {
    if (!attached) return false;
    const int old = GetMaxRows();
    if (row < 1 || row > old + 1) return false;
    setMaxRows(old + 1, false);
    if (!InsRow(row)) {
        SetMaxRows(old);
        return false;
    }
    applyRowFont(row, true);
    if (copyFormat && row + 1 <= GetMaxRows()) copyRow(row + 1, row);
    if (askHeader) SetData(SS_HEADER, row, askHeaderText(true).c_str());
    markChanged();
    return true;
}

bool Mdx_Spread::insertColAt(int col, bool askHeader, bool copyFormat) {
    if (!attached) return false;
    const int old = GetMaxCols();
    if (col < 1 || col > old + 1) return false;
    setMaxCols(old + 1, false);
    if (!InsCol(col)) {
        SetMaxCols(old);
        return false;
    }
    applyColFont(col, true);
    if (copyFormat && col + 1 <= GetMaxCols()) copyColumn(col + 1, col);
    if (askHeader) SetData(col, SS_HEADER, askHeaderText(false).c_str());
    markChanged();
    return true;
}

int Mdx_Spread::appendRow(bool copyFormat) {
    if (!attached) return -1;
    const int row = GetMaxRows() + 1;
    setMaxRows(row, false);
    clearRow(row);
    applyRowFont(row, true);
    if (copyFormat && row > 1) copyRow(row - 1, row);
    markChanged();
    return row;
}

bool Mdx_Spread::insertRowBelowCurrent(bool copyFormat) {
    if (!attached) return false;
    return insertRowAt(getCurrentRow() + 1, false, copyFormat);
}

bool Mdx_Spread::deleteRowAt(int row) {
    if (!isRow(row) || !DelRow(row)) return false;
    SetMaxRows(GetMaxRows() - 1);
    markChanged();
    return true;
}

bool Mdx_Spread::deleteColAt(int col) {
    if (!isColumn(col) || !DelCol(col)) return false;
    SetMaxCols(GetMaxCols() - 1);
    markChanged();
    return true;
}

bool Mdx_Spread::deleteCurrentRow() {
    if (!attached) return false;
    return deleteRowAt(getCurrentRow());
}

// The copy starts in the header band so that a row's header cell comes along; a grid that
// refuses ranges in the header band still gets the cells copied.
bool Mdx_Spread::copyRow(int src, int dst) {
    if (!attached) return false;
    const int cols = GetMaxCols();
    const bool ok = CopyRange(SS_HEADER, src, cols, src, SS_HEADER, dst) ||
                    (cols >= 1 && CopyRange(1, src, cols, src, 1, dst));
    markChanged();
    return ok;
}

bool Mdx_Spread::copyColumn(int src, int dst) {
    if (!attached) return false;
    const int rows = GetMaxRows();
    const bool ok = CopyRange(src, SS_HEADER, src, rows, dst, SS_HEADER) ||
                    (rows >= 1 && CopyRange(src, 1, src, rows, dst, 1));
    markChanged();
    return ok;
}

// The grid's move overwrites its destination, so moving rows onto others would lose them.
// The block is parked in rows added below the sheet, the rows it passes over close the gap
// one at a time, and the block lands at dest: every row survives, in the new order.
bool Mdx_Spread::moveRows(int first, int last, int dest) {
    if (!attached) return false;
    const int rows = GetMaxRows();
    const int cols = GetMaxCols();
    if (dest < 1 || dest > rows || first < 1 || last < first || last > rows) return false;
    const int count = last - first + 1;
    if (dest + count - 1 > rows) return false;
    if (dest != first && cols >= 1) {
        const int parking = rows + 1;
        SetMaxRows(rows + count);
        bool ok = MoveRange(1, first, cols, last, 1, parking) != FALSE;
        if (dest < first)
            for (int row = first - 1; ok && row >= dest; --row)
                ok = MoveRange(1, row, cols, row, 1, row + count) != FALSE;
        else
            for (int row = last + 1; ok && row <= dest + count - 1; ++row)
                ok = MoveRange(1, row, cols, row, 1, row - count) != FALSE;
        if (ok) ok = MoveRange(1, parking, cols, parking + count - 1, 1, dest) != FALSE;
        SetMaxRows(rows);
        markChanged();
        if (!ok) return false;
    }
    const int col = std::max(getCurrentCol(), 1);
    SetActiveCell(col, dest);
    SetSelectBlock(col, dest, col, dest);
    return true;
}

bool Mdx_Spread::moveCurrentRowUp() {
    if (!attached) return false;
    const int row = getCurrentRow();
    return moveRows(row, row, row - 1);
}

bool Mdx_Spread::moveCurrentRowDown() {
    if (!attached) return false;
    const int row = getCurrentRow();
    return moveRows(row, row, row + 1);
}

Mdx_String Mdx_Spread::askHeaderText(bool forRow) {
    Mdx_String prompt = dialString(1151);
    prompt += ' ';
    prompt += dialString(forRow ? 1152 : 1153);
    prompt += ':';
    ValueInputDialog dialog(this);
    dialog.setTexts(dialString(1150), prompt, dialString(171), "Ok", dialString(2));
    dialog.DoModal();
    return dialog.value();
}

// ---- Spans ----------------------------------------------------------------------------------

bool Mdx_Spread::mergeEqualCellsInColumn(int col) {
    if (!attached || col < 0 || col > GetMaxCols()) return false;
    removeSpansInColumn(col);
    Mdx_String previous;
    int runStart = 1;
    int runLength = 0;
    auto closeRun = [&] {
        if (runLength > 1) AddCellSpan(col, runStart, 1, runLength);
    };
    const int rows = GetMaxRows();
    for (int row = 1; row <= rows; ++row) {
        Mdx_String text;
        if (!getCellText(col, row, text, kTextValue)) {
            closeRun();
            previous.setEmpty();
            runStart = row + 1;
            runLength = 0;
            continue;
        }
        if (runLength > 0 && !text.isEmpty() && text == previous) {
            ++runLength;
            continue;
        }
        closeRun();
        previous = text;
        runStart = row;
        runLength = 1;
    }
    closeRun();
    return true;
}

bool Mdx_Spread::removeSpanAt(int col, int row) {
    if (!attached) return false;
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    if (!GetCellSpan(col, row, &anchorCol, &anchorRow, &cols, &rows)) return false;
    return RemoveCellSpan(anchorCol, anchorRow) != FALSE;
}

bool Mdx_Spread::removeSpansInColumn(int col) {
    if (!attached || col < 0 || col > GetMaxCols()) return false;
    for (int row = 1; row <= GetMaxRows(); ++row) removeSpanAt(col, row);
    return true;
}

bool Mdx_Spread::removeAllSpans() {
    if (!attached) return false;
    for (int col = 1; col <= GetMaxCols(); ++col) removeSpansInColumn(col);
    return true;
}

// ---- Locks and check boxes ------------------------------------------------------------------

bool Mdx_Spread::setCellLocked(int col, int row, bool locked) {
    return attached && SetLock(col, row, locked);
}

bool Mdx_Spread::lockColumn(int col) {
    if (!attached) return false;
    const int rows = GetMaxRows();
    return rows < 1 || LockRange(col, 1, col, rows, TRUE);
}

bool Mdx_Spread::isCellLocked(int col, int row) const {
    return attached && GetLock(col, row);
}

bool Mdx_Spread::applyLockFromCheck(int row) {
    Mdx_String text;
    getCellText(lockCheckCol, row, text, kTextValue);
    if (text == "0") return SetLock(lockTargetCol, row, TRUE) != FALSE;
    if (text == "1") return SetLock(lockTargetCol, row, FALSE) != FALSE;
    return false;
}

bool Mdx_Spread::linkLockToChecks(int checkCol, int targetCol) {
    if (!isColumn(checkCol) || !isColumn(targetCol)) return false;
    lockCheckCol = checkCol;
    lockTargetCol = targetCol;
    for (int row = 1; row <= GetMaxRows(); ++row) applyLockFromCheck(row);
    return true;
}

void Mdx_Spread::reapplyLockLink() {
    if (lockCheckCol < 1 || lockTargetCol < 1) return;
    int col = 0, row = 0;
    if (!getActiveCell(col, row) || col != lockCheckCol) return;
    applyLockFromCheck(row);
    SetActiveCell(lockTargetCol, row);
}

bool Mdx_Spread::setChecksInSelection(bool on) {
    if (!attached) return false;
    POINT first{0, 0};
    POINT last{-1, -1};
    int c1 = 0, r1 = 0, c2 = -1, r2 = -1;
    if (GetSelectBlock(&c1, &r1, &c2, &r2)) {
        first = POINT{c1, r1};
        last = POINT{c2, r2};
    } else {
        int col = 0, row = 0;
        getActiveCell(col, row);
        first = last = POINT{col, row};
    }
    const int cols = GetMaxCols();
    const int rows = GetMaxRows();
    const int colFrom = std::max<int>(first.x, 1);
    const int rowFrom = std::max<int>(first.y, 1);
    const int colTo = last.x < 0 ? cols : std::min<int>(last.x, cols);
    const int rowTo = last.y < 0 ? rows : std::min<int>(last.y, rows);
    for (int col = colFrom; col <= colTo; ++col)
        for (int row = rowFrom; row <= rowTo; ++row)
            if (getCellTypeCode(col, row) == 12) SetData(col, row, on ? "1" : "0");
    markChanged();
    return true;
}
