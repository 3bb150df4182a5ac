// TEXT(value, pattern): a value written in a number format pattern.
#include "grid/BuiltinArgs.h"
#include "grid/NumberFormat.h"
#include "grid/TextRules.h"

namespace grid::builtins {

void fnText(Evaluator& ev, Args args, int, Operand& result) {
    std::string pattern;
    ev.dereference(args[0]);
    if (!text(ev, args[1], pattern, result)) return;
    Operand& value = args[0];
    if (value.isError()) {
        result.setError(value.error);
        return;
    }
    double number = 0;
    std::string out;
    bool ok;
    if (value.kind == ValueKind::Bool) {
        ok = true;
        out = value.number != 0 ? "TRUE" : "FALSE";
    } else if (value.kind == ValueKind::Text && !parseNumber(value.text, number)) {
        ok = formatTextWithPattern(value.text, pattern, out);
    } else {
        if (value.kind == ValueKind::Number) number = value.number;
        ok = formatWithPattern(number, pattern, out);
    }
    if (ok) result.setText(out);
    else result.setError(ErrorCode::Value);
}

}  // namespace grid::builtins
