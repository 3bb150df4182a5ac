#include "grid/UsedRange.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "grid/Sheet.h"

namespace grid {

void usedExtent(const SpreadModel& model, int& columns, int& rows) {
    columns = 0;
    rows = 0;
    const CellStore& store = model.sheet().cells();
    for (int c = 0; c < store.columnCount(); ++c) {
        const std::vector<Cell>& cells = store.column(c)->cells;
        for (int r = static_cast<int>(cells.size()) - 1; r >= 0; --r) {
            if (cells[static_cast<std::size_t>(r)].holdsNothing()) continue;
            columns = std::max(columns, c);
            rows = std::max(rows, r);
            break;
        }
    }
    for (const auto& entry : model.formats()) {
        columns = std::max(columns, static_cast<int>(entry.first >> 32));
        rows = std::max(rows, static_cast<int>(static_cast<std::uint32_t>(entry.first)));
    }
    for (const Span& span : model.spans()) {
        columns = std::max(columns, span.column + span.columns - 1);
        rows = std::max(rows, span.row + span.rows - 1);
    }
    columns = std::min(columns, model.maxColumns());
    rows = std::min(rows, model.maxRows());
}

void extentToVisit(const SpreadModel& model, int& columns, int& rows) {
    columns = model.maxColumns();
    rows = model.maxRows();
    if (static_cast<long long>(columns) * rows > kCellsVisitedAsDeclared)
        usedExtent(model, columns, rows);
}

}  // namespace grid
