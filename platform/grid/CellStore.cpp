#include "grid/CellStore.h"

namespace grid {

Cell& CellStore::touch(int column, int row) {
    if (column >= static_cast<int>(columns_.size())) columns_.resize(static_cast<size_t>(column) + 1);
    auto& cells = columns_[static_cast<size_t>(column)].cells;
    if (row >= static_cast<int>(cells.size())) {
        // Grow by doubling: cells are mostly written top to bottom.
        if (static_cast<size_t>(row) >= cells.capacity())
            cells.reserve(std::max(static_cast<size_t>(row) + 1, cells.capacity() * 2));
        cells.resize(static_cast<size_t>(row) + 1);
    }
    return cells[static_cast<size_t>(row)];
}

std::uint32_t CellStore::addText(std::string_view text) {
    if (!freeTexts_.empty()) {
        std::uint32_t id = freeTexts_.back();
        freeTexts_.pop_back();
        texts_[id].assign(text);
        return id;
    }
    texts_.emplace_back(text);
    return static_cast<std::uint32_t>(texts_.size() - 1);
}

void CellStore::releaseText(std::uint32_t id) {
    texts_[id].clear();
    texts_[id].shrink_to_fit();
    freeTexts_.push_back(id);
}

void CellStore::clearValue(Cell& cell) {
    if (cell.kind == ValueKind::Text) releaseText(cell.text);
    cell.kind = ValueKind::Empty;
    cell.error = ErrorCode::None;
    cell.number = 0;
    cell.text = 0;
}

CellValue CellStore::valueOf(const Cell& cell) const {
    CellValue v;
    v.kind = cell.kind;
    v.error = cell.error;
    v.number = cell.number;
    if (cell.kind == ValueKind::Text) v.text = texts_[cell.text];
    return v;
}

void CellStore::clearAll() {
    columns_.clear();
    texts_.clear();
    freeTexts_.clear();
}

}  // namespace grid
