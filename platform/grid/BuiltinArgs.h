#pragma once
// How the built-in functions read their arguments and give their results: shared by the
// files that implement them. Each reader returns false after putting the error to give back
// into result.
#include <cmath>
#include <string>

#include "grid/Evaluator.h"

namespace grid::builtins {

using Args = Operand*;

// The argument as a scalar number.
inline bool number(Evaluator& ev, Operand& arg, double& out, Operand& result) {
    ev.dereference(arg);
    ErrorCode error = ErrorCode::None;
    if (Evaluator::toNumber(arg, out, error)) return true;
    result.setError(error);
    return false;
}

inline bool optionalNumber(Evaluator& ev, Args args, int count, int index, double fallback,
                           double& out, Operand& result) {
    if (index >= count || args[index].missing) {
        out = fallback;
        return true;
    }
    return number(ev, args[index], out, result);
}

inline bool text(Evaluator& ev, Operand& arg, std::string& out, Operand& result) {
    ev.dereference(arg);
    if (arg.isError()) {
        result.setError(arg.error);
        return false;
    }
    Evaluator::toText(arg, out);
    return true;
}

inline bool truth(Evaluator& ev, Operand& arg, bool& out, Operand& result) {
    ev.dereference(arg);
    ErrorCode error = ErrorCode::None;
    if (Evaluator::toBool(arg, out, error)) return true;
    result.setError(error);
    return false;
}

// A position or count from a number, truncated, kept inside int (no overflow on 1e300).
inline int toIndex(double v) {
    v = std::trunc(v);
    if (!(v > -2147483647.0)) return -2147483647;
    if (v > 2147483647.0) return 2147483647;
    return static_cast<int>(v);
}

inline void finish(Operand& result, double v) {
    if (!std::isfinite(v)) result.setError(ErrorCode::Num);
    else result.setNumber(v);
}

// The key of a look-up: an error is the result, an empty cell looks for 0.
inline bool lookupKey(Evaluator& ev, Operand& arg, Operand& result) {
    ev.dereference(arg);
    if (arg.isError()) {
        result.setError(arg.error);
        return false;
    }
    if (arg.kind == ValueKind::Empty) arg.setNumber(0);
    return true;
}

// Order used by MATCH and the LOOKUPs: numbers < texts < booleans; texts by letters.
int lookupCompare(const CellValue& cell, const Operand& key);

// Calls visit(column, row, const CellValue&) for every non-empty cell of the block.
template <class Visit>
void forEachCellAt(Evaluator& ev, const CellRect& rect, Visit&& visit) {
    const CellStore& store = ev.sheet().cells();
    const int lastColumn = rect.column2 < store.columnCount() ? rect.column2
                                                              : store.columnCount() - 1;
    for (int c = rect.column1; c <= lastColumn; ++c) {
        const auto& cells = store.column(c)->cells;
        const int lastRow = rect.row2 < static_cast<int>(cells.size())
                                ? rect.row2
                                : static_cast<int>(cells.size()) - 1;
        for (int r = rect.row1; r <= lastRow; ++r) {
            const Cell& cell = cells[static_cast<size_t>(r)];
            if (cell.kind != ValueKind::Empty) visit(c, r, store.valueOf(cell));
        }
    }
}

// The functions implemented outside BuiltinFunctions.cpp, for its table.
void fnCountIf(Evaluator& ev, Args args, int count, Operand& result);
void fnSumIf(Evaluator& ev, Args args, int count, Operand& result);
void fnAverageIf(Evaluator& ev, Args args, int count, Operand& result);
void fnSumProduct(Evaluator& ev, Args args, int count, Operand& result);
void fnIfs(Evaluator& ev, Args args, int count, Operand& result);
void fnXlookup(Evaluator& ev, Args args, int count, Operand& result);
void fnText(Evaluator& ev, Args args, int count, Operand& result);

}  // namespace grid::builtins
