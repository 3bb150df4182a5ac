// Insert, delete, copy and move. Rows and columns that move take their cells along, and
// every formula's references are rewritten so that they still name the same cells; a
// reference whose cell is gone becomes #REF!.
#include <algorithm>

#include "grid/Sheet.h"

namespace grid {

class Sheet::CellMapping {
public:
    virtual ~CellMapping() = default;
    // Where the content of a cell goes; false when it is dropped.
    virtual bool mapCell(int& column, int& row) const = 0;
    // Where a reference to one cell points afterwards; false when its cell is gone.
    virtual bool mapTarget(int& column, int& row) const { return mapCell(column, row); }
    // A block after the change; false when none of it is left.
    virtual bool mapRange(CellRect& rect) const = 0;
};

namespace {

// Rows (or columns) [at, at + count) inserted (count > 0) or deleted (count < 0).
class LineShift : public Sheet::CellMapping {
public:
    LineShift(bool rows, int at, int count) : rows_(rows), at_(at), count_(count) {}

    bool mapCell(int& column, int& row) const override {
        int& v = rows_ ? row : column;
        return shift(v);
    }
    bool mapRange(CellRect& rect) const override {
        int& a = rows_ ? rect.row1 : rect.column1;
        int& b = rows_ ? rect.row2 : rect.column2;
        if (count_ > 0) {
            shift(a);
            shift(b);
            return true;
        }
        int end = at_ - count_;  // first line after the deleted ones
        a = a < at_ ? a : (a < end ? at_ : a + count_);
        b = b < at_ ? b : (b < end ? at_ - 1 : b + count_);
        return a <= b;
    }

private:
    bool shift(int& v) const {
        if (v < at_) return true;
        if (count_ > 0) {
            v += count_;
            return true;
        }
        if (v < at_ - count_) return false;
        v += count_;
        return true;
    }
    bool rows_;
    int at_, count_;
};

class BlockMove : public Sheet::CellMapping {
public:
    BlockMove(const CellRect& from, int dc, int dr) : from_(from), dc_(dc), dr_(dr) {
        to_ = {from.column1 + dc, from.row1 + dr, from.column2 + dc, from.row2 + dr};
    }
    bool mapCell(int& column, int& row) const override {
        if (from_.contains(column, row)) {
            column += dc_;
            row += dr_;
            return true;
        }
        return !to_.contains(column, row);
    }
    bool mapTarget(int& column, int& row) const override {
        if (from_.contains(column, row)) {
            column += dc_;
            row += dr_;
        }
        return true;
    }
    bool mapRange(CellRect& rect) const override {
        if (from_.contains(rect.column1, rect.row1) && from_.contains(rect.column2, rect.row2)) {
            rect.column1 += dc_;
            rect.column2 += dc_;
            rect.row1 += dr_;
            rect.row2 += dr_;
        }
        return true;
    }

private:
    CellRect from_, to_;
    int dc_, dr_;
};

bool validPosition(int column, int row) {
    return column >= 1 && row >= 1 && column <= kMaxColumns && row <= kMaxRows;
}

}  // namespace

std::string Sheet::adjustCode(const std::string& code, int oldColumn, int oldRow, int newColumn,
                              int newRow, const CellMapping& mapping) const {
    std::string out = code;
    for (const CodeReference& ref : listReferences(code)) {
        char* p = out.data() + ref.offset + 1;
        CodeCorner a = readCorner(p);
        if (!ref.isRange) {
            if (a.flags & kReferenceDeleted) continue;
            int c = cornerColumn(a, oldColumn), r = cornerRow(a, oldRow);
            bool ok = validPosition(c, r) && mapping.mapTarget(c, r) && validPosition(c, r);
            CodeCorner k = makeCorner(a.flags, c, r, newColumn, newRow);
            if (!ok) k.flags |= kReferenceDeleted;
            storeCorner(p, k);
            continue;
        }
        CodeCorner b = readCorner(p + kCornerBytes);
        if ((a.flags | b.flags) & kReferenceDeleted) continue;
        CellRect rect{cornerColumn(a, oldColumn), cornerRow(a, oldRow), cornerColumn(b, oldColumn),
                      cornerRow(b, oldRow)};
        bool swapColumns = rect.column1 > rect.column2, swapRows = rect.row1 > rect.row2;
        if (swapColumns) std::swap(rect.column1, rect.column2);
        if (swapRows) std::swap(rect.row1, rect.row2);
        bool ok = validPosition(rect.column1, rect.row1) && validPosition(rect.column2, rect.row2) &&
                  mapping.mapRange(rect) && validPosition(rect.column1, rect.row1) &&
                  validPosition(rect.column2, rect.row2);
        int ac = swapColumns ? rect.column2 : rect.column1, ar = swapRows ? rect.row2 : rect.row1;
        int bc = swapColumns ? rect.column1 : rect.column2, br = swapRows ? rect.row1 : rect.row2;
        CodeCorner ka = makeCorner(a.flags, ac, ar, newColumn, newRow);
        CodeCorner kb = makeCorner(b.flags, bc, br, newColumn, newRow);
        if (!ok) {
            ka.flags |= kReferenceDeleted;
            kb.flags |= kReferenceDeleted;
        }
        storeCorner(p, ka);
        storeCorner(p + kCornerBytes, kb);
    }
    return out;
}

void Sheet::remap(const CellMapping& mapping, const CellRect*, const CellRect*) {
    // Rebuilding the cells under a calculation in progress would pull them from under it.
    if (isCalculating()) return;
    std::vector<Column> old;
    old.swap(cells_.columns());
    dependencies_.clear();
    for (int c = 0; c < static_cast<int>(old.size()); ++c) {
        auto& cells = old[static_cast<size_t>(c)].cells;
        for (int r = 0; r < static_cast<int>(cells.size()); ++r) {
            Cell cell = cells[static_cast<size_t>(r)];
            if (cell.holdsNothing()) continue;
            cell.dependents = 0;
            int nc = c, nr = r;
            // Lines below 1 never shift, so the header band keeps its place.
            bool kept = mapping.mapCell(nc, nr);
            if (kept && (nc < 0 || nr < 0 || nc > kMaxColumns || nr > kMaxRows)) kept = false;
            if (!kept) {
                if (cell.kind == ValueKind::Text) cells_.releaseText(cell.text);
                if (cell.hasFormula()) formulas_.release(cell.formula);
                continue;
            }
            if (cell.hasFormula()) {
                std::uint32_t id = cell.formula;
                cell.formula = formulas_.intern(
                    adjustCode(formulas_.get(id).code, c, r, nc, nr, mapping));
                formulas_.release(id);
                cell.state = CellState::Dirty;
            }
            Cell& target = cells_.touch(nc, nr);
            if (target.kind == ValueKind::Text) cells_.releaseText(target.text);
            if (target.hasFormula()) {
                formulas_.release(target.formula);
                cells_.column(nc)->formulaCount--;
            }
            target = cell;
            if (cell.hasFormula()) cells_.column(nc)->formulaCount++;
        }
    }
    rebuildDependencies();
}

void Sheet::rebuildDependencies() {
    // Attaching creates precedent cells, which may grow the column table: no pointers kept.
    for (int c = 0; c < cells_.columnCount(); ++c) {
        if (cells_.column(c)->formulaCount == 0) continue;
        for (int r = 0; r < static_cast<int>(cells_.column(c)->cells.size()); ++r) {
            std::uint32_t id = cells_.column(c)->cells[static_cast<size_t>(r)].formula;
            if (id != 0) attachFormula(c, r, id);
        }
    }
}

void Sheet::insertRows(int row, int count) {
    if (row < 1 || count <= 0 || row > kMaxRows) return;
    remap(LineShift(true, row, count), nullptr, nullptr);
}

void Sheet::deleteRows(int row, int count) {
    if (row < 1 || count <= 0 || row > kMaxRows) return;
    remap(LineShift(true, row, -count), nullptr, nullptr);
}

void Sheet::insertColumns(int column, int count) {
    if (column < 1 || count <= 0 || column > kMaxColumns) return;
    remap(LineShift(false, column, count), nullptr, nullptr);
}

void Sheet::deleteColumns(int column, int count) {
    if (column < 1 || count <= 0 || column > kMaxColumns) return;
    remap(LineShift(false, column, -count), nullptr, nullptr);
}

void Sheet::moveRange(const CellRect& from, int toColumn, int toRow) {
    if (!validPosition(from.column1, from.row1) || !validPosition(from.column2, from.row2) ||
        from.column1 > from.column2 || from.row1 > from.row2)
        return;
    int dc = toColumn - from.column1, dr = toRow - from.row1;
    if (!validPosition(toColumn, toRow) || !validPosition(from.column2 + dc, from.row2 + dr))
        return;
    if (dc == 0 && dr == 0) return;
    remap(BlockMove(from, dc, dr), nullptr, nullptr);
}

void Sheet::copyRange(const CellRect& from, int toColumn, int toRow) {
    if (!validPosition(from.column1, from.row1) || !validPosition(from.column2, from.row2) ||
        from.column1 > from.column2 || from.row1 > from.row2)
        return;
    int dc = toColumn - from.column1, dr = toRow - from.row1;
    if (!validPosition(toColumn, toRow)) return;
    // Only the used part of the block holds anything; the rest of the target is cleared.
    // A block as large as the sheet must not cost a step per empty cell.
    CellRect used{from.column1, from.row1, std::min(from.column2, lastColumn()),
                  std::min(from.row2, lastRow())};
    CellRect target{toColumn, toRow, from.column2 + dc, from.row2 + dr};
    if (used.column1 > used.column2 || used.row1 > used.row2) {
        clearRange(target);
        return;
    }
    struct Item {
        CellValue value;
        std::string text;
        std::string code;
    };
    // Taken first: the source and the target may overlap.
    std::vector<Item> items;
    for (int c = used.column1; c <= used.column2; ++c) {
        for (int r = used.row1; r <= used.row2; ++r) {
            Item item;
            const Cell* cell = cells_.find(c, r);
            if (cell) {
                item.value = cells_.valueOf(*cell);
                item.text.assign(item.value.text);
                if (cell->hasFormula()) item.code = formulas_.get(cell->formula).code;
            }
            items.push_back(std::move(item));
        }
    }
    clearRange(target);
    BlockMove none(CellRect{0, 0, -1, -1}, 0, 0);
    size_t i = 0;
    for (int c = used.column1; c <= used.column2; ++c) {
        for (int r = used.row1; r <= used.row2; ++r, ++i) {
            int tc = c + dc, tr = r + dr;
            if (!validPosition(tc, tr)) continue;
            const Item& item = items[i];
            if (!item.code.empty()) {
                // Same relative code; only references that now leave the sheet change.
                std::string code = adjustCode(item.code, tc, tr, tc, tr, none);
                std::uint32_t id = formulas_.intern(std::move(code));
                Cell* cell = prepareWrite(tc, tr);
                cell->formula = id;
                cell->state = CellState::Dirty;
                cells_.column(tc)->formulaCount++;
                attachFormula(tc, tr, id);
                markDependentsDirty(tc, tr);
                continue;
            }
            switch (item.value.kind) {
            case ValueKind::Empty: clearCell(tc, tr); break;
            case ValueKind::Number: setNumber(tc, tr, item.value.number); break;
            case ValueKind::Bool: setBool(tc, tr, item.value.number != 0); break;
            case ValueKind::Text: setText(tc, tr, item.text); break;
            case ValueKind::Error: setError(tc, tr, item.value.error); break;
            }
        }
    }
}

void Sheet::clearRange(const CellRect& rect) {
    for (int c = std::max(rect.column1, 0); c <= rect.column2 && c < cells_.columnCount(); ++c) {
        int last = std::min(rect.row2, static_cast<int>(cells_.column(c)->cells.size()) - 1);
        for (int r = std::max(rect.row1, 0); r <= last; ++r) clearCell(c, r);
    }
}

}  // namespace grid
