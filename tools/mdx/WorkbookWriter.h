#pragma once
// A sheet as an ".xlsx" workbook of one worksheet, for spreadsheet programs: texts, numbers
// and formulas with their calculated values. Written with the system's xlsx writer library.
#include <string>

namespace grid {
class SpreadModel;
}

// The workbook's bytes; false with why when the library fails. The model is calculated.
bool xlsxBytesOf(grid::SpreadModel& model, std::string& bytes, std::string& why);
