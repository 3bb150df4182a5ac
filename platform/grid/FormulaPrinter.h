#pragma once
// Byte code back to formula text, "=" first, in A1 or R1C1 form.
#include <string>

#include "grid/FormulaParser.h"

namespace grid {

std::string printFormula(const std::string& code, int cellColumn, int cellRow, RefStyle style,
                         const FunctionNames& names);

}  // namespace grid
