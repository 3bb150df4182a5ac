#pragma once
// Who refers to whom, kept from the precedent's side so that a change can reach its
// dependents. A single-cell reference is one edge in a list hung on the precedent cell; a
// block is one range node, found through the columns it covers, so a SUM over 100000 cells
// costs one node and not 100000 edges.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "grid/CellStore.h"
#include "grid/FormulaCode.h"

namespace grid {

class DependencyIndex {
public:
    explicit DependencyIndex(CellStore& cells) : cells_(cells) {}

    void addCell(int column, int row, int dependentColumn, int dependentRow);
    void removeCell(int column, int row, int dependentColumn, int dependentRow);
    void addRange(const CellRect& rect, int dependentColumn, int dependentRow);
    void removeRanges(int dependentColumn, int dependentRow);

    // Calls visit(column, row) for every cell that refers to (column, row) directly.
    template <class Visit>
    void forEachDependent(int column, int row, Visit&& visit) const {
        if (const Cell* cell = cells_.find(column, row)) {
            for (std::uint32_t e = cell->dependents; e != 0; e = edges_[e].next)
                visit(edges_[e].column, edges_[e].row);
        }
        if (column >= 0 && column < static_cast<int>(rangesByColumn_.size())) {
            for (std::uint32_t id : rangesByColumn_[static_cast<size_t>(column)]) {
                const RangeNode& node = ranges_[id];
                if (node.rect.contains(column, row)) visit(node.column, node.row);
            }
        }
    }

    // Forgets everything; the edge heads in the cells must be cleared by the caller.
    void clear();

private:
    struct Edge {
        std::int32_t column = 0, row = 0;
        std::uint32_t next = 0;
    };
    struct RangeNode {
        CellRect rect;
        std::int32_t column = 0, row = 0;
    };
    static std::uint64_t key(int column, int row) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(column)) << 32) |
               static_cast<std::uint32_t>(row);
    }

    CellStore& cells_;
    std::vector<Edge> edges_{1};
    std::uint32_t freeEdge_ = 0;
    std::vector<RangeNode> ranges_;
    std::vector<std::uint32_t> freeRanges_;
    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> rangesByDependent_;
    std::vector<std::vector<std::uint32_t>> rangesByColumn_;
};

}  // namespace grid
