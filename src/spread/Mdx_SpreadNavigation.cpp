#include <cstring>

#include "spread/Mdx_Spread.h"
#include "win/ScriptedUser.h"

bool Mdx_Spread::isCoveredByLockedSpan(int col, int row) const {
    int anchorCol = 0, anchorRow = 0, cols = 0, rows = 0;
    if (!GetCellSpan(col, row, &anchorCol, &anchorRow, &cols, &rows)) return false;
    return GetLock(anchorCol, anchorRow) != FALSE;
}

bool Mdx_Spread::findFirstUnlockedCell(int& col, int& row) const {
    if (!attached) return false;
    const int cols = GetMaxCols();
    const int rows = GetMaxRows();
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            if (!GetLock(c, r) && !isCoveredByLockedSpan(c, r)) {
                col = c;
                row = r;
                return true;
            }
    return false;
}

bool Mdx_Spread::findLastUnlockedCell(int& col, int& row) const {
    if (!attached) return false;
    for (int r = GetMaxRows(); r >= 1; --r)
        for (int c = GetMaxCols(); c >= 1; --c) {
            if (GetLock(c, r) || isCoveredByLockedSpan(c, r)) continue;
            int anchorCol = c, anchorRow = r, spanCols = 1, spanRows = 1;
            if (!GetCellSpan(c, r, &anchorCol, &anchorRow, &spanCols, &spanRows)) anchorCol = c;
            col = anchorCol;
            row = r;
            return true;
        }
    return false;
}

bool Mdx_Spread::activateFirstOrLastUnlocked(bool first) {
    if (!attached || !IsWindowVisible()) return false;
    int col = 0, row = 0;
    const bool found = first ? findFirstUnlockedCell(col, row) : findLastUnlockedCell(col, row);
    if (!found) return false;
    SetFocus();
    SetActiveCell(col, row);
    return true;
}

bool Mdx_Spread::hasGridFocus() const {
    HWND focus = ::GetFocus();
    if (!focus) return false;
    char name[64] = {};
    ::GetClassName(focus, name, sizeof name);
    return std::strncmp(name, "SPR32", 5) == 0 || std::strncmp(name, "fpSpr", 5) == 0;
}

bool Mdx_Spread::handleTabKey(int key, int& exitDirection) {
    exitDirection = 1;
    if (key != VK_TAB || !attached || !IsWindowVisible() || !hasGridFocus()) return false;
    int col = 0, row = 0;
    if (!GetActiveCell(&col, &row) || col < 1 || row < 1) return false;
    int edgeCol = 0, edgeRow = 0;
    if (GetKeyState(VK_SHIFT) < 0) {
        const bool atFirst =
            findFirstUnlockedCell(edgeCol, edgeRow) && edgeCol == col && edgeRow == row;
        exitDirection = atFirst ? 3 : 0;
    } else {
        const bool atLast =
            findLastUnlockedCell(edgeCol, edgeRow) && edgeCol == col && edgeRow == row;
        exitDirection = atLast ? 2 : 0;
    }
    return true;
}
