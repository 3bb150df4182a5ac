#include <algorithm>
#include <cstdlib>

#include "spread/Mdx_Spread.h"

// Widths are in pixels; the row-header column takes a share of the width only while it is
// shown, and is addressed as column 0.

void Mdx_Spread::setFitPolicy(int policy, int arg1, int arg2) {
    fitPolicy = policy;
    fitArg1 = arg1;
    fitArg2 = arg2;
}

void Mdx_Spread::setFitPolicyColumns(int policy, const AcArray<int>& columns,
                                     const AcArray<int>& widths) {
    fitPolicy = policy;
    fitColumns = columns;
    fitWidths = widths;
}

void Mdx_Spread::applyFitPolicy() {
    if (!attached) return;
    switch (fitPolicy) {
        case 1:
            fitColumnsEqually(true, -1);
            break;
        case 2:
            fitColumnsToText(false);
            fitRowsToText();
            break;
        case 3:
            fitColumnsPercent(fitArg1, fitArg2);
            break;
        case 4:
            fitColumnsFixedOne(fitArg1, fitArg2);
            break;
        case 5:
            fitColumnsListed(fitColumns, fitWidths);
            break;
        default:
            break;
    }
}

int Mdx_Spread::clientWidth() const {
    RECT rect;
    if (!GetGridClientRect(&rect)) return 0;
    return rect.right - rect.left;
}

int Mdx_Spread::rowHeaderColumns() const {
    return GetBool(kOptionRowHeaderShown) ? 1 : 0;
}

bool Mdx_Spread::setColumnPixels(int col, int pixels) {
    return SetColWidthInPixels(col, pixels) != FALSE;
}

bool Mdx_Spread::setRowHeaderPixels(int pixels) {
    return SetColWidthInPixels(0, pixels) != FALSE;
}

void Mdx_Spread::fitColumnsEqually(bool fixedFirst, int fixedWidth) {
    const int cols = getMaxCols();
    if (cols <= 0) return;
    int usable = clientWidth();
    int scrollWidth = 0, scrollHeight = 0;
    GetScrollBarSize(&scrollWidth, &scrollHeight);
    if (scrollWidth > 0) usable -= scrollWidth;
    const int d = cols + rowHeaderColumns();
    const int w = usable / d;
    if (fixedWidth <= 0 || w < fixedWidth) {
        for (int col = 1; col <= cols; ++col) setColumnPixels(col, w);
        setRowHeaderPixels(w);
        return;
    }
    const int fixedCol = fixedFirst ? 1 : cols;
    const int others = d - 1 > 0 ? (usable - fixedWidth) / (d - 1) : 0;
    for (int col = 1; col <= cols; ++col)
        setColumnPixels(col, col == fixedCol ? fixedWidth : others);
    setRowHeaderPixels(others);
}

void Mdx_Spread::fitColumnsPercent(int n, int percent) {
    const int cols = getMaxCols();
    if (cols <= 0 || n == 0) return;
    const int width = clientWidth();
    const int d = cols + rowHeaderColumns();
    const int count = std::min(std::abs(n), cols);
    const int b = static_cast<int>(static_cast<double>(width) * percent / 100.0 / count);
    const int rest = d - count > 0 ? (width - b * count) / (d - count) : 0;
    const int firstShared = n > 0 ? 1 : cols - count + 1;
    for (int col = 1; col <= cols; ++col) {
        const bool shared = col >= firstShared && col < firstShared + count;
        setColumnPixels(col, shared ? b : rest);
    }
    setRowHeaderPixels(rest);
}

void Mdx_Spread::fitColumnsFixedOne(int col, int width) {
    const int cols = getMaxCols();
    if (cols <= 0 || col < 0 || col > cols) return;
    const bool headerShown = rowHeaderColumns() == 1;
    const int d = cols + rowHeaderColumns();
    const int w = d - 1 > 0 ? (clientWidth() - width) / (d - 1) : 0;
    for (int c = 1; c <= cols; ++c) setColumnPixels(c, c == col ? width : w);
    if (col == 0)
        setRowHeaderPixels(width);
    else if (headerShown)
        setRowHeaderPixels(w);
}

void Mdx_Spread::fitColumnsListed(const AcArray<int>& cols, const AcArray<int>& widths) {
    const int maxCols = getMaxCols();
    if (maxCols <= 0) return;
    const int n = std::min(cols.length(), widths.length());
    int fixed = 0;
    for (int i = 0; i < n; ++i) fixed += widths[i];
    const bool headerShown = rowHeaderColumns() == 1;
    const int d = maxCols + rowHeaderColumns();
    auto listed = [&](int col) {
        for (int i = 0; i < n; ++i)
            if (cols[i] == col) return true;
        return false;
    };
    for (int i = 0; i < n; ++i) setColumnPixels(cols[i], widths[i]);
    if (d - n <= 0) return;
    const int w = (clientWidth() - fixed) / (d - n);
    for (int col = 1; col <= maxCols; ++col)
        if (!listed(col)) setColumnPixels(col, w);
    if (headerShown && !listed(0)) setRowHeaderPixels(w);
}

void Mdx_Spread::fitColumnsToText(bool skipType8) {
    const int cols = getMaxCols();
    if (cols <= 0) return;
    SSCELLTYPE header;
    SetTypeStaticText(&header, 140);
    SetCellTypeRange(1, SS_HEADER, cols, SS_HEADER, &header);
    for (int col = 1; col <= cols; ++col) fitColumnToText(col, skipType8);
}

void Mdx_Spread::fitColumnToText(int col, bool skipType8) {
    if (!attached) return;
    const int rows = GetMaxRows();
    double widest = 0;
    for (int row = 0; row <= rows; ++row) {
        const int address = row == 0 ? SS_HEADER : row;
        if (skipType8 && getCellTypeCode(col, address) == 8) continue;
        double width = 0, height = 0;
        if (GetMaxTextCellSize(col, address, &width, &height) && width > widest) widest = width;
    }
    SetColWidth(col, widest);
}

void Mdx_Spread::fitRowsToText() {
    const int rows = getMaxRows();
    if (rows <= 0) return;
    SSCELLTYPE header;
    SetTypeStaticText(&header, 140);
    SetCellTypeRange(SS_HEADER, 1, SS_HEADER, rows, &header);
    for (int row = 1; row <= rows; ++row) fitRowToText(row);
}

void Mdx_Spread::fitRowToText(int row) {
    if (!attached) return;
    const int cols = GetMaxCols();
    double tallest = 0;
    for (int col = 0; col <= cols; ++col) {
        double width = 0, height = 0;
        if (GetMaxTextCellSize(col == 0 ? SS_HEADER : col, row, &width, &height) &&
            height > tallest)
            tallest = height;
    }
    SetRowHeight(row, tallest);
}

void Mdx_Spread::fitAllToText() {
    if (!attached) return;
    fitColumnsToText(false);
    fitRowsToText();
    fitRowToText(SS_HEADER);
    fitColumnToText(SS_HEADER, false);
}

int Mdx_Spread::getTotalColumnWidth() const {
    if (!attached) return -1;
    int total = 0;
    for (int col = 0; col <= GetMaxCols(); ++col) {
        int pixels = 0;
        if (GetColWidthInPixels(col, &pixels)) total += pixels;
    }
    return total;
}

void Mdx_Spread::stretchColumn(int col) {
    if (!attached) return;
    int scrollWidth = 0, scrollHeight = 0;
    GetScrollBarSize(&scrollWidth, &scrollHeight);
    const int spare = (clientWidth() - scrollWidth) - getTotalColumnWidth();
    int pixels = 0;
    if (spare > 0 && GetColWidthInPixels(col, &pixels)) setColumnPixels(col, pixels + spare);
}
