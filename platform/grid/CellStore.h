#pragma once
// Cells by address: one dense array of cells per column, indexed by row, so that a block of
// a column is a contiguous run. Texts live in a pool beside them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "grid/CellValue.h"

namespace grid {

enum class CellState : std::uint8_t { Clean, Dirty, Busy };

struct Cell {
    double number = 0;
    std::uint32_t text = 0;        // pool index while kind == Text
    std::uint32_t formula = 0;     // formula id, 0 for none
    std::uint32_t dependents = 0;  // first edge of the cells that refer to this one
    ValueKind kind = ValueKind::Empty;
    ErrorCode error = ErrorCode::None;
    CellState state = CellState::Clean;

    bool hasFormula() const { return formula != 0; }
    bool holdsNothing() const { return kind == ValueKind::Empty && formula == 0; }
};

struct Column {
    std::vector<Cell> cells;
    std::uint32_t formulaCount = 0;
};

class CellStore {
public:
    Cell* find(int column, int row) {
        if (column < 0 || column >= static_cast<int>(columns_.size())) return nullptr;
        auto& cells = columns_[static_cast<size_t>(column)].cells;
        return row >= 0 && row < static_cast<int>(cells.size()) ? &cells[static_cast<size_t>(row)]
                                                                : nullptr;
    }
    const Cell* find(int column, int row) const {
        return const_cast<CellStore*>(this)->find(column, row);
    }
    // The cell, created empty when missing. Invalidates pointers to other cells.
    Cell& touch(int column, int row);

    int columnCount() const { return static_cast<int>(columns_.size()); }
    Column* column(int c) {
        return c >= 0 && c < columnCount() ? &columns_[static_cast<size_t>(c)] : nullptr;
    }
    const Column* column(int c) const { return const_cast<CellStore*>(this)->column(c); }
    std::vector<Column>& columns() { return columns_; }

    std::uint32_t addText(std::string_view text);
    void releaseText(std::uint32_t id);
    std::string_view text(std::uint32_t id) const { return texts_[id]; }

    // Drops the value of a cell (its text goes back to the pool); the formula stays.
    void clearValue(Cell& cell);
    CellValue valueOf(const Cell& cell) const;

    void clearAll();

private:
    std::vector<Column> columns_;
    std::vector<std::string> texts_;
    std::vector<std::uint32_t> freeTexts_;
};

}  // namespace grid
