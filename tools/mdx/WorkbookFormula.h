#pragma once
// Formulas of spreadsheet programs as the grid writes them: the OpenDocument form
// ("of:=SUM([.A1:.A3];2)") and the A1 form of the other files ("_xlfn.IFS(A1>1,2)") both
// become "=SUM(A1:A3,2)". References to other sheets and table references cannot be
// carried and are refused.
#include <string>
#include <string_view>

// False with why when the formula refers to what a single sheet cannot hold.
bool gridFormulaOf(std::string_view formula, bool openFormula, std::string_view sheetName,
                   std::string& out, std::string& why);

// The first function the formula calls that the grid does not have; "" when it has all.
std::string unknownFunctionIn(std::string_view gridFormula);
