#include "grid/DependencyIndex.h"

#include <algorithm>

namespace grid {

void DependencyIndex::addCell(int column, int row, int dependentColumn, int dependentRow) {
    std::uint32_t id;
    if (freeEdge_ != 0) {
        id = freeEdge_;
        freeEdge_ = edges_[id].next;
    } else {
        id = static_cast<std::uint32_t>(edges_.size());
        edges_.emplace_back();
    }
    Cell& cell = cells_.touch(column, row);
    edges_[id] = {dependentColumn, dependentRow, cell.dependents};
    cell.dependents = id;
}

void DependencyIndex::removeCell(int column, int row, int dependentColumn, int dependentRow) {
    Cell* cell = cells_.find(column, row);
    if (!cell) return;
    std::uint32_t* link = &cell->dependents;
    while (*link != 0) {
        Edge& e = edges_[*link];
        if (e.column == dependentColumn && e.row == dependentRow) {
            std::uint32_t id = *link;
            *link = e.next;
            edges_[id].next = freeEdge_;
            freeEdge_ = id;
            return;
        }
        link = &e.next;
    }
}

void DependencyIndex::addRange(const CellRect& rect, int dependentColumn, int dependentRow) {
    std::uint32_t id;
    if (!freeRanges_.empty()) {
        id = freeRanges_.back();
        freeRanges_.pop_back();
    } else {
        id = static_cast<std::uint32_t>(ranges_.size());
        ranges_.emplace_back();
    }
    ranges_[id] = {rect, dependentColumn, dependentRow};
    rangesByDependent_[key(dependentColumn, dependentRow)].push_back(id);
    if (rect.column2 >= static_cast<int>(rangesByColumn_.size()))
        rangesByColumn_.resize(static_cast<size_t>(rect.column2) + 1);
    for (int c = rect.column1; c <= rect.column2; ++c)
        rangesByColumn_[static_cast<size_t>(c)].push_back(id);
}

void DependencyIndex::removeRanges(int dependentColumn, int dependentRow) {
    auto it = rangesByDependent_.find(key(dependentColumn, dependentRow));
    if (it == rangesByDependent_.end()) return;
    for (std::uint32_t id : it->second) {
        const CellRect& rect = ranges_[id].rect;
        for (int c = rect.column1; c <= rect.column2; ++c) {
            auto& list = rangesByColumn_[static_cast<size_t>(c)];
            auto pos = std::find(list.begin(), list.end(), id);
            if (pos != list.end()) {
                *pos = list.back();
                list.pop_back();
            }
        }
        freeRanges_.push_back(id);
    }
    rangesByDependent_.erase(it);
}

void DependencyIndex::clear() {
    edges_.assign(1, Edge());
    freeEdge_ = 0;
    ranges_.clear();
    freeRanges_.clear();
    rangesByDependent_.clear();
    rangesByColumn_.clear();
}

}  // namespace grid
