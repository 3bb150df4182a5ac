#pragma once
// Every equation that failed during the evaluations since the last clear(), children
// included, in the order they failed. The failure report is a message box that the
// document setting may switch off; a caller that must know whether an evaluation fully
// succeeded (a script, a batch run) reads this list instead.
#include <vector>

#include "core/Mdx_String.h"

struct KvEquationFailure {
    Mdx_String file;        // the standards sheet as it was loaded
    int col = 0;            // the equation's cell
    int row = 0;
    Mdx_String name;        // the variable, empty when the cell names none
    Mdx_String formula;     // the equation as written, with variable names
    Mdx_String errorValue;  // "#N/A", "#DIV/0!", ...; empty when the cell has none
    Mdx_String reason;      // what went wrong, in words
    Mdx_String tip;         // where to look for the cause
};

namespace equation_failures {

// The tip of the failure report: the standard one for a name the translator does not know,
// a fitting one for an error value the formula calculated to.
Mdx_String unknownNameTip();
Mdx_String tipForErrorValue(const Mdx_String& errorValue);

void record(KvEquationFailure failure);
const std::vector<KvEquationFailure>& all();
void clear();

}  // namespace equation_failures
