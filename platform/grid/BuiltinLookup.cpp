// XLOOKUP: a key looked up in one row or column, the cell (or the row or column of cells)
// at the same place of another block given back.
#include <algorithm>

#include "grid/BuiltinArgs.h"
#include "grid/CellCriterion.h"
#include "grid/TextRules.h"

namespace grid::builtins {

namespace {

enum class MatchMode { Exact, ExactOrSmaller, ExactOrLarger, Wildcard };

bool readModes(Evaluator& ev, Args args, int count, MatchMode& match, bool& backwards,
               Operand& result) {
    double m, s;
    if (!optionalNumber(ev, args, count, 4, 0, m, result) ||
        !optionalNumber(ev, args, count, 5, 1, s, result))
        return false;
    const int mode = toIndex(m), search = toIndex(s);
    if (mode < -1 || mode > 2 || m != mode || (search != 1 && search != -1 && search != 2 &&
                                               search != -2) || s != search) {
        result.setError(ErrorCode::Value);
        return false;
    }
    match = mode == 0 ? MatchMode::Exact
                      : mode == -1 ? MatchMode::ExactOrSmaller
                                   : mode == 1 ? MatchMode::ExactOrLarger : MatchMode::Wildcard;
    // The binary searches (2, -2) give what the plain ones give on sorted data.
    backwards = search < 0;
    return true;
}

int sameKindOrder(const CellValue& a, const CellValue& b) {
    if (a.kind == ValueKind::Text) return compareIgnoreCase(a.text, b.text);
    return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
}

// Index (from 0) of the entry found in the line, -1 for none.
int findEntry(Evaluator& ev, const CellRect& line, int length, const Operand& key,
              MatchMode mode, bool backwards) {
    const bool vertical = line.column1 == line.column2;
    int best = -1;
    CellValue bestValue;
    for (int step = 0; step < length; ++step) {
        const int i = backwards ? length - 1 - step : step;
        const CellValue v = vertical ? ev.cellValue(line.column1, line.row1 + i)
                                     : ev.cellValue(line.column1 + i, line.row1);
        if (v.kind == ValueKind::Empty || v.kind == ValueKind::Error) continue;
        if (mode == MatchMode::Wildcard && v.kind == ValueKind::Text &&
            key.kind == ValueKind::Text) {
            if (wildcardMatch(key.text, v.text)) return i;
            continue;
        }
        const int order = lookupCompare(v, key);
        if (order == 0) return i;
        const bool sameKind = v.kind == key.kind;
        const bool candidate = sameKind && ((mode == MatchMode::ExactOrSmaller && order < 0) ||
                                            (mode == MatchMode::ExactOrLarger && order > 0));
        if (!candidate) continue;
        const int againstBest = best < 0 ? 0 : sameKindOrder(v, bestValue);
        if (best < 0 || (mode == MatchMode::ExactOrSmaller ? againstBest > 0 : againstBest < 0)) {
            best = i;
            bestValue = v;
        }
    }
    return best;
}

}  // namespace

void fnXlookup(Evaluator& ev, Args args, int count, Operand& result) {
    if (!lookupKey(ev, args[0], result)) return;
    if (!args[1].isReference || !args[2].isReference) {
        result.setError(ErrorCode::Value);
        return;
    }
    const CellRect in = args[1].rect, out = args[2].rect;
    const bool vertical = in.column1 == in.column2;
    if (!vertical && in.row1 != in.row2) {
        result.setError(ErrorCode::Value);
        return;
    }
    const int length = vertical ? in.row2 - in.row1 + 1 : in.column2 - in.column1 + 1;
    if ((vertical ? out.row2 - out.row1 + 1 : out.column2 - out.column1 + 1) != length) {
        result.setError(ErrorCode::Value);
        return;
    }
    MatchMode mode;
    bool backwards;
    if (!readModes(ev, args, count, mode, backwards, result)) return;
    // Cells past the last one the sheet holds are empty and never match.
    const CellStore& store = ev.sheet().cells();
    int held = length;
    if (vertical) {
        const Column* column = store.column(in.column1);
        held = column ? std::min(length, static_cast<int>(column->cells.size()) - in.row1) : 0;
    } else {
        held = std::min(length, store.columnCount() - in.column1);
    }
    const int at = findEntry(ev, in, std::max(held, 0), args[0], mode, backwards);
    if (at < 0) {
        if (count > 3 && !args[3].missing) {
            ev.dereference(args[3]);
            result = args[3];
        } else {
            result.setError(ErrorCode::NA);
        }
        return;
    }
    CellRect found = out;
    if (vertical) found.row1 = found.row2 = out.row1 + at;
    else found.column1 = found.column2 = out.column1 + at;
    result.setReference(found);
}

}  // namespace grid::builtins
