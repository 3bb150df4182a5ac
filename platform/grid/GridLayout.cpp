#include "grid/GridLayout.h"

#include <algorithm>

namespace grid {

GridLayout::GridLayout(const SpreadModel& model, int clientWidth, int clientHeight)
    : model_(model),
      width_(std::max(clientWidth, 0)),
      height_(std::max(clientHeight, 0)),
      headerWidth_(model.option(kOptionRowHeaders) ? model.columnWidth(0) : 0),
      headerHeight_(model.rowHeight(0)),
      leftColumn_(std::clamp(model.selection().leftColumn, 1, std::max(model.maxColumns(), 1))),
      topRow_(std::clamp(model.selection().topRow, 1, std::max(model.maxRows(), 1))) {}

// Columns left of the first shown one lie left of the header band, at negative offsets;
// they are only asked for when a span reaches into view from there.
int GridLayout::columnLeft(int column) const {
    int x = headerWidth_;
    if (column >= leftColumn_) {
        for (int c = leftColumn_; c < column && x < width_; ++c) x += model_.columnWidth(c);
        return x;
    }
    for (int c = column; c < leftColumn_; ++c) x -= model_.columnWidth(c);
    return x;
}

int GridLayout::rowTop(int row) const {
    int y = headerHeight_;
    if (row >= topRow_) {
        for (int r = topRow_; r < row && y < height_; ++r) y += model_.rowHeight(r);
        return y;
    }
    for (int r = row; r < topRow_; ++r) y -= model_.rowHeight(r);
    return y;
}

int GridLayout::columnAt(int x) const {
    int edge = headerWidth_;
    for (int c = leftColumn_; c <= model_.maxColumns() && edge < width_; ++c) {
        edge += model_.columnWidth(c);
        if (x < edge) return c;
    }
    return 0;
}

int GridLayout::rowAt(int y) const {
    int edge = headerHeight_;
    for (int r = topRow_; r <= model_.maxRows() && edge < height_; ++r) {
        edge += model_.rowHeight(r);
        if (y < edge) return r;
    }
    return 0;
}

GridHit GridLayout::hitTest(POINT p) const {
    GridHit hit;
    if (p.x < 0 || p.y < 0 || p.x >= width_ || p.y >= height_) return hit;
    const bool inHeaderColumn = p.x < headerWidth_;
    const bool inHeaderRow = p.y < headerHeight_;
    const int column = inHeaderColumn ? 0 : columnAt(p.x);
    const int row = inHeaderRow ? 0 : rowAt(p.y);
    if ((!inHeaderColumn && column == 0) || (!inHeaderRow && row == 0)) return hit;
    hit.column = column;
    hit.row = row;
    if (inHeaderColumn && inHeaderRow) {
        hit.area = GridHit::Corner;
    } else if (inHeaderRow) {
        hit.area = GridHit::ColumnHeader;
    } else if (inHeaderColumn) {
        hit.area = GridHit::RowHeader;
    } else {
        hit.area = GridHit::Cell;
        Span span;
        if (model_.spanAt(column, row, span)) {
            hit.column = span.column;
            hit.row = span.row;
        }
    }
    return hit;
}

bool GridLayout::cellRect(int column, int row, RECT& rect) const {
    column = SpreadModel::normalise(column);
    row = SpreadModel::normalise(row);
    if (column < 0 || row < 0 || column > model_.maxColumns() || row > model_.maxRows())
        return false;
    int columns = 1, rows = 1;
    Span span;
    if (column > 0 && row > 0 && model_.spanAt(column, row, span)) {
        column = span.column;
        row = span.row;
        columns = std::min(span.columns, model_.maxColumns() - column + 1);
        rows = std::min(span.rows, model_.maxRows() - row + 1);
    }
    if (column == 0) {
        rect.left = 0;
        rect.right = headerWidth_;
    } else {
        rect.left = columnLeft(column);
        rect.right = rect.left;
        for (int c = column; c < column + columns && rect.right < width_; ++c)
            rect.right += model_.columnWidth(c);
    }
    if (row == 0) {
        rect.top = 0;
        rect.bottom = headerHeight_;
    } else {
        rect.top = rowTop(row);
        rect.bottom = rect.top;
        for (int r = row; r < row + rows && rect.bottom < height_; ++r)
            rect.bottom += model_.rowHeight(r);
    }
    // Scrolled cells never show over the header band.
    const int minX = column == 0 ? 0 : headerWidth_;
    const int minY = row == 0 ? 0 : headerHeight_;
    return rect.right > std::max(rect.left, minX) && rect.bottom > std::max(rect.top, minY) &&
           rect.left < width_ && rect.top < height_;
}

int GridLayout::lastShownColumn() const {
    int edge = headerWidth_, last = leftColumn_ - 1;
    for (int c = leftColumn_; c <= model_.maxColumns() && edge < width_; ++c) {
        edge += model_.columnWidth(c);
        last = c;
    }
    return last;
}

int GridLayout::lastShownRow() const {
    int edge = headerHeight_, last = topRow_ - 1;
    for (int r = topRow_; r <= model_.maxRows() && edge < height_; ++r) {
        edge += model_.rowHeight(r);
        last = r;
    }
    return last;
}

bool GridLayout::fullyShown(int column, int row) const {
    if (column < leftColumn_ || row < topRow_) return false;
    return columnLeft(column) + model_.columnWidth(column) <= width_ &&
           rowTop(row) + model_.rowHeight(row) <= height_;
}

void GridLayout::scrollToShow(int column, int row, int& leftColumn, int& topRow) const {
    leftColumn = leftColumn_;
    topRow = topRow_;
    if (column >= 1 && column < leftColumn_) leftColumn = column;
    if (row >= 1 && row < topRow_) topRow = row;
    if (column > leftColumn_) {
        // Scroll right until the column's right edge fits or it is the first shown column.
        int right = headerWidth_;
        for (int c = leftColumn_; c <= column; ++c) right += model_.columnWidth(c);
        while (right > width_ && leftColumn < column) right -= model_.columnWidth(leftColumn++);
    }
    if (row > topRow_) {
        int bottom = headerHeight_;
        for (int r = topRow_; r <= row; ++r) bottom += model_.rowHeight(r);
        while (bottom > height_ && topRow < row) bottom -= model_.rowHeight(topRow++);
    }
}

}  // namespace grid
