#pragma once
// The used range of a sheet: the smallest columns and rows, within its size, that hold every
// cell with a value, formula or format and every span. Work that visits cells goes this far,
// never to a declared size that a 40-byte file can set to the largest grid.
#include "grid/SpreadModel.h"

namespace grid {

void usedExtent(const SpreadModel& model, int& columns, int& rows);

// How far to visit the cells: the size, or the used range when the size is above
// kCellsVisitedAsDeclared cells.
inline constexpr long long kCellsVisitedAsDeclared = 1000000;
void extentToVisit(const SpreadModel& model, int& columns, int& rows);

}  // namespace grid
