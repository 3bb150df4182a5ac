#pragma once
// One sheet of a workbook as a grid sheet: texts in Windows-1252, numbers, formulas in the
// grid's form. Refuses, naming the cell, what a cell cannot carry: a character outside
// Windows-1252, a date, a reference to another sheet, a function the grid does not have.
#include <string>

#include "WorkbookReader.h"

namespace grid {
class SpreadModel;
}

// The sheet named sheetName ("" for the first) into model (a fresh one); false with why.
bool importWorkbookSheet(const Workbook& book, const std::string& sheetName,
                         grid::SpreadModel& model, std::string& why);
