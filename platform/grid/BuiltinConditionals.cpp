// The conditional built-ins: COUNTIF, SUMIF, AVERAGEIF, SUMPRODUCT and IFS. They visit only
// the cells a sheet holds, so a criterion over a whole column costs what the column holds.
#include "grid/BuiltinArgs.h"
#include "grid/CellCriterion.h"

namespace grid::builtins {

namespace {

double cellCount(const CellRect& rect) {
    return static_cast<double>(rect.column2 - rect.column1 + 1) *
           static_cast<double>(rect.row2 - rect.row1 + 1);
}

bool criterionOf(Evaluator& ev, Operand& arg, CellCriterion& criterion, Operand& result) {
    ev.dereference(arg);
    ErrorCode error = ErrorCode::None;
    if (criterion.parse(arg, error)) return true;
    result.setError(error);
    return false;
}

// Sum and count of the number cells of the sum block whose criterion cell (at the same
// place from the top left, the sum block taking the criterion block's size) matches.
bool sumMatching(Evaluator& ev, Args args, int count, double& sum, double& matched,
                 Operand& result) {
    if (!args[0].isReference || (count > 2 && !args[2].missing && !args[2].isReference)) {
        result.setError(ErrorCode::Value);
        return false;
    }
    CellCriterion criterion;
    if (!criterionOf(ev, args[1], criterion, result)) return false;
    const CellRect where = args[0].rect;
    CellRect values = where;
    if (count > 2 && !args[2].missing) {
        values.column1 = args[2].rect.column1;
        values.row1 = args[2].rect.row1;
        values.column2 = values.column1 + (where.column2 - where.column1);
        values.row2 = values.row1 + (where.row2 - where.row1);
    }
    ErrorCode error = ErrorCode::None;
    sum = matched = 0;
    forEachCellAt(ev, values, [&](int column, int row, const CellValue& value) {
        if (error != ErrorCode::None) return;
        const CellValue condition = ev.cellValue(column - values.column1 + where.column1,
                                                 row - values.row1 + where.row1);
        if (!criterion.matches(condition)) return;
        if (value.kind == ValueKind::Error) error = value.error;
        if (value.kind != ValueKind::Number) return;
        sum += value.number;
        ++matched;
    });
    if (error == ErrorCode::None) return true;
    result.setError(error);
    return false;
}

}  // namespace

void fnCountIf(Evaluator& ev, Args args, int, Operand& result) {
    if (!args[0].isReference) {
        result.setError(ErrorCode::Value);
        return;
    }
    CellCriterion criterion;
    if (!criterionOf(ev, args[1], criterion, result)) return;
    double held = 0, matched = 0;
    forEachCellAt(ev, args[0].rect, [&](int, int, const CellValue& value) {
        ++held;
        if (criterion.matches(value)) ++matched;
    });
    if (criterion.matchesEmpty()) matched += cellCount(args[0].rect) - held;
    result.setNumber(matched);
}

void fnSumIf(Evaluator& ev, Args args, int count, Operand& result) {
    double sum, matched;
    if (sumMatching(ev, args, count, sum, matched, result)) finish(result, sum);
}

void fnAverageIf(Evaluator& ev, Args args, int count, Operand& result) {
    double sum, matched;
    if (!sumMatching(ev, args, count, sum, matched, result)) return;
    if (matched == 0) result.setError(ErrorCode::Div0);
    else finish(result, sum / matched);
}

// Blocks of one size multiplied cell by cell and summed; cells that are no number count as
// 0. Plain values (all arguments) multiply as one cell each.
void fnSumProduct(Evaluator& ev, Args args, int count, Operand& result) {
    bool blocks = args[0].isReference;
    for (int i = 0; i < count; ++i) {
        if (args[i].isReference != blocks || args[i].missing) {
            result.setError(ErrorCode::Value);
            return;
        }
        const CellRect& r = args[i].rect;
        if (blocks && (r.column2 - r.column1 != args[0].rect.column2 - args[0].rect.column1 ||
                       r.row2 - r.row1 != args[0].rect.row2 - args[0].rect.row1)) {
            result.setError(ErrorCode::Value);
            return;
        }
    }
    if (!blocks) {
        double product = 1, v;
        for (int i = 0; i < count; ++i)
            if (!number(ev, args[i], v, result)) return;
            else product *= v;
        finish(result, product);
        return;
    }
    // Only the cells the first block holds can give a non-zero product.
    const CellRect first = args[0].rect;
    ErrorCode error = ErrorCode::None;
    double sum = 0;
    forEachCellAt(ev, first, [&](int column, int row, const CellValue& value) {
        if (error != ErrorCode::None) return;
        if (value.kind == ValueKind::Error) error = value.error;
        double product = value.kind == ValueKind::Number ? value.number : 0;
        for (int i = 1; i < count && error == ErrorCode::None; ++i) {
            const CellValue other = ev.cellValue(args[i].rect.column1 + column - first.column1,
                                                 args[i].rect.row1 + row - first.row1);
            if (other.kind == ValueKind::Error) error = other.error;
            product *= other.kind == ValueKind::Number ? other.number : 0;
        }
        sum += product;
    });
    if (error != ErrorCode::None) result.setError(error);
    else finish(result, sum);
}

// IFS(test1, value1, test2, value2, ...): the value of the first test that holds; #N/A
// when none does. An error in a test met before one that holds is the result.
void fnIfs(Evaluator& ev, Args args, int count, Operand& result) {
    if (count % 2 != 0) {
        result.setError(ErrorCode::Value);
        return;
    }
    for (int i = 0; i < count; i += 2) {
        bool holds = false;
        if (!truth(ev, args[i], holds, result)) return;
        if (!holds) continue;
        ev.dereference(args[i + 1]);
        result = args[i + 1];
        return;
    }
    result.setError(ErrorCode::NA);
}

}  // namespace grid::builtins
