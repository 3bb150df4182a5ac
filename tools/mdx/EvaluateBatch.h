#pragma once
// mdx evaluate --all: every macro of a drawing that a mapping ties to a standard, in one
// process, with one report and at most one write of the drawing at the end.
//
// A macro is tied to a standard when a line of the standard's mapping file is keyed by the
// macro's name (the drawing keeps no standards settings of its own for its macros).
#include <iosfwd>

struct EvaluateOptions;

// The exit code of the worst outcome (EvaluateExit): WriteFailed, then EvaluationFailed,
// then EquationsFailed, then Evaluated. Throws EvaluateError for bad input.
int evaluateAll(const EvaluateOptions& options, std::ostream& out, std::ostream& err);
