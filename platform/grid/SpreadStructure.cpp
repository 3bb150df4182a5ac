// Structure changes of the whole control model: the calculation sheet moves the cells and
// rewrites formulas; formats, spans and sizes are moved the same way here. The row and
// column counts stay as they are (callers grow or shrink them around the change).
#include <algorithm>

#include "grid/SpreadModel.h"

namespace grid {

namespace {

// Where line v goes when count lines are inserted (count > 0) or deleted (count < 0) at
// line at; false when it is deleted. Line 0 (the header band) never moves.
bool shiftLine(int& v, int at, int count) {
    if (v < at) return true;
    if (count > 0) {
        v += count;
        return true;
    }
    if (v < at - count) return false;
    v += count;
    return true;
}

}  // namespace

void SpreadModel::remapFormats(bool rows, int at, int count) {
    std::unordered_map<std::uint64_t, CellFormat> moved;
    moved.reserve(formats_.size());
    for (auto& [k, format] : formats_) {
        int c = keyColumn(k), r = keyRow(k);
        if (!shiftLine(rows ? r : c, at, count)) continue;
        if (c > kMaxColumns || r > kMaxRows) continue;
        moved[key(c, r)] = std::move(format);
    }
    formats_.swap(moved);
}

void SpreadModel::remapSpans(bool rows, int at, int count) {
    std::vector<Span> kept;
    for (Span s : spans_) {
        int& first = rows ? s.row : s.column;
        int& length = rows ? s.rows : s.columns;
        int last = first + length - 1;
        if (count > 0) {
            if (first >= at) first += count;
            else if (last >= at) length += count;  // inserted inside: the span grows
        } else {
            int end = at - count;
            int newFirst = first < at ? first : (first < end ? at : first + count);
            int newLast = last < at ? last : (last < end ? at - 1 : last + count);
            if (newLast < newFirst) continue;
            first = newFirst;
            length = newLast - newFirst + 1;
        }
        if (s.columns * s.rows > 1) kept.push_back(s);
    }
    spans_.swap(kept);
}

void SpreadModel::remapSizes(std::map<int, int>& sizes, int at, int count) {
    std::map<int, int> moved;
    for (const auto& entry : sizes) {
        int line = entry.first;
        if (shiftLine(line, at, count)) moved[line] = entry.second;
    }
    sizes.swap(moved);
}

bool SpreadModel::insertRows(int row, int count) {
    if (sheet_->isCalculating()) return false;
    row = normalise(row);
    if (row < 1 || row > maxRows_ || count < 1) return false;
    sheet_->insertRows(row, count);
    remapFormats(true, row, count);
    remapSpans(true, row, count);
    remapSizes(rowHeights_, row, count);
    markChanged();
    return true;
}

bool SpreadModel::deleteRows(int row, int count) {
    if (sheet_->isCalculating()) return false;
    row = normalise(row);
    if (row < 1 || row > maxRows_ || count < 1) return false;
    count = std::min(count, maxRows_ - row + 1);
    sheet_->deleteRows(row, count);
    remapFormats(true, row, -count);
    remapSpans(true, row, -count);
    remapSizes(rowHeights_, row, -count);
    markChanged();
    return true;
}

bool SpreadModel::insertColumns(int column, int count) {
    if (sheet_->isCalculating()) return false;
    column = normalise(column);
    if (column < 1 || column > maxColumns_ || count < 1) return false;
    sheet_->insertColumns(column, count);
    remapFormats(false, column, count);
    remapSpans(false, column, count);
    remapSizes(columnWidths_, column, count);
    markChanged();
    return true;
}

bool SpreadModel::deleteColumns(int column, int count) {
    if (sheet_->isCalculating()) return false;
    column = normalise(column);
    if (column < 1 || column > maxColumns_ || count < 1) return false;
    count = std::min(count, maxColumns_ - column + 1);
    sheet_->deleteColumns(column, count);
    remapFormats(false, column, -count);
    remapSpans(false, column, -count);
    remapSizes(columnWidths_, column, -count);
    markChanged();
    return true;
}

// A block that starts in the header band copies its header cells onto the header band of
// the target (a row's header to the target row's header, a column's to the target column's);
// the rest of the block is copied as cells.
bool SpreadModel::copyRange(int c1, int r1, int c2, int r2, int toColumn, int toRow) {
    if (!clip(c1, r1, c2, r2)) return false;
    toColumn = normalise(toColumn);
    toRow = normalise(toRow);
    if (!isCell(toColumn, toRow)) return false;
    if ((c1 == 0) != (toColumn == 0) || (r1 == 0) != (toRow == 0)) return false;
    if (c1 == 0 || r1 == 0) {
        copyHeaderCells(c1, r1, c2, r2, toColumn, toRow);
        const bool cellsToo = c2 >= 1 && r2 >= 1;
        if (c1 == 0) c1 = toColumn = 1;
        if (r1 == 0) r1 = toRow = 1;
        if (!cellsToo) return true;
        if (!isCell(toColumn, toRow)) return true;
    }
    return copyCells(c1, r1, c2, r2, toColumn, toRow);
}

void SpreadModel::copyHeaderCells(int c1, int r1, int c2, int r2, int toColumn, int toRow) {
    const int dc = toColumn - c1, dr = toRow - r1;
    auto copyOne = [&](int c, int r) {
        const int tc = c + dc, tr = r + dr;
        if (!isCell(tc, tr)) return;
        std::string text;
        this->text(c, r, TextKind::Value, text);
        const CellFormat* format = findFormat(c, r);
        if (format) {
            CellFormat copy = *format;  // the insertion below may move the source
            formats_[key(tc, tr)] = std::move(copy);
        } else {
            formats_.erase(key(tc, tr));
        }
        setValue(tc, tr, text);
    };
    if (c1 == 0)
        for (int r = r1; r <= r2; ++r) copyOne(0, r);
    if (r1 == 0)
        for (int c = std::max(c1, 1); c <= c2; ++c) copyOne(c, 0);
    markChanged();
}

bool SpreadModel::copyCells(int c1, int r1, int c2, int r2, int toColumn, int toRow) {
    if (c1 < 1 || r1 < 1 || toColumn < 1 || toRow < 1) return false;
    sheet_->copyRange(CellRect{c1, r1, c2, r2}, toColumn, toRow);
    // Formats of the target block are replaced by those of the source; only cells that
    // have a format are visited, whatever the size of the block.
    int dc = toColumn - c1, dr = toRow - r1;
    CellRect source{c1, r1, c2, r2}, target{toColumn, toRow, c2 + dc, r2 + dr};
    std::vector<std::pair<std::uint64_t, CellFormat>> copies;
    std::vector<std::uint64_t> cleared;
    for (const auto& [k, f] : formats_) {
        int c = keyColumn(k), r = keyRow(k);
        if (source.contains(c, r) && c + dc <= kMaxColumns && r + dr <= kMaxRows)
            copies.emplace_back(key(c + dc, r + dr), f);
        if (target.contains(c, r)) cleared.push_back(k);
    }
    for (std::uint64_t k : cleared) formats_.erase(k);
    for (auto& [k, f] : copies) formats_[k] = std::move(f);
    markChanged();
    return true;
}

bool SpreadModel::moveRange(int c1, int r1, int c2, int r2, int toColumn, int toRow) {
    if (sheet_->isCalculating()) return false;
    if (!clip(c1, r1, c2, r2) || c1 < 1 || r1 < 1) return false;
    toColumn = normalise(toColumn);
    toRow = normalise(toRow);
    if (!isCell(toColumn, toRow) || toColumn < 1 || toRow < 1) return false;
    int dc = toColumn - c1, dr = toRow - r1;
    if (c2 + dc > kMaxColumns || r2 + dr > kMaxRows) return false;
    sheet_->moveRange(CellRect{c1, r1, c2, r2}, toColumn, toRow);
    CellRect source{c1, r1, c2, r2}, target{c1 + dc, r1 + dr, c2 + dc, r2 + dr};
    std::vector<std::pair<std::uint64_t, CellFormat>> moving;
    std::vector<std::uint64_t> cleared;
    for (auto& [k, f] : formats_) {
        int c = keyColumn(k), r = keyRow(k);
        if (source.contains(c, r)) moving.emplace_back(key(c + dc, r + dr), std::move(f));
        if (source.contains(c, r) || target.contains(c, r)) cleared.push_back(k);
    }
    for (std::uint64_t k : cleared) formats_.erase(k);
    for (auto& [k, f] : moving) formats_[k] = std::move(f);
    for (Span& s : spans_) {
        if (s.column >= c1 && s.column <= c2 && s.row >= r1 && s.row <= r2) {
            s.column += dc;
            s.row += dr;
        }
    }
    markChanged();
    return true;
}

bool SpreadModel::clearRange(int c1, int r1, int c2, int r2) {
    if (!clip(c1, r1, c2, r2)) return false;
    sheet_->clearRange(CellRect{c1, r1, c2, r2});
    markChanged();
    return true;
}

bool SpreadModel::copySelection() {
    CellRect block;
    if (selection_.hasBlock) block = selection_.block;
    else if (selection_.activeColumn > 0 && selection_.activeRow > 0)
        block = {selection_.activeColumn, selection_.activeRow, selection_.activeColumn,
                 selection_.activeRow};
    else return false;
    clipboard_.valid = true;
    clipboard_.rect = block;
    return true;
}

bool SpreadModel::pasteAtActiveCell() {
    if (!clipboard_.valid) return false;
    int c = selection_.activeColumn > 0 ? selection_.activeColumn : 1;
    int r = selection_.activeRow > 0 ? selection_.activeRow : 1;
    const CellRect& b = clipboard_.rect;
    return copyRange(b.column1, b.row1, b.column2, b.row2, c, r);
}

}  // namespace grid
