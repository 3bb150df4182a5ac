#pragma once
// A value on the evaluator's stack: a scalar, or a reference to a cell or a block.
#include <string>

#include "grid/CellValue.h"
#include "grid/FormulaCode.h"

namespace grid {

struct Operand {
    ValueKind kind = ValueKind::Empty;
    ErrorCode error = ErrorCode::None;
    bool isReference = false;
    bool missing = false;  // an omitted argument
    double number = 0;
    std::string text;
    CellRect rect;

    // A sheet knows no negative zero: adding +0 turns -0 into 0 and leaves every other
    // number as it is, so -0 never reaches a function that tells them apart (ATAN2).
    void setNumber(double v) {
        kind = ValueKind::Number;
        number = v + 0.0;
        isReference = false;
    }
    void setBool(bool v) {
        kind = ValueKind::Bool;
        number = v ? 1 : 0;
        isReference = false;
    }
    void setText(std::string_view v) {
        kind = ValueKind::Text;
        text.assign(v);
        isReference = false;
    }
    void setError(ErrorCode e) {
        kind = ValueKind::Error;
        error = e;
        isReference = false;
    }
    void setEmpty() {
        kind = ValueKind::Empty;
        isReference = false;
    }
    void setReference(const CellRect& r) {
        isReference = true;
        rect = r;
    }
    bool isError() const { return !isReference && kind == ValueKind::Error; }
};

}  // namespace grid
