#pragma once
// Functions a program adds to the formula language. The callback sees its arguments as
// values, or, when registered with kPassReferences, references as references, and fills
// the result. A callback may read and change this or any other sheet, load and calculate
// another one: the engine keeps no state of a calculation outside its own call.
#include <string>

#include "grid/CellValue.h"
#include "grid/FormulaCode.h"

namespace grid {

class Sheet;

inline constexpr int kPassReferences = 1;

struct CustomArg {
    ValueKind kind = ValueKind::Empty;
    ErrorCode error = ErrorCode::None;
    double number = 0;
    std::string text;
    bool isReference = false;  // rect names the cell or block; kind and value are unset
    CellRect rect;
};

struct CustomResult {
    ValueKind kind = ValueKind::Empty;
    ErrorCode error = ErrorCode::None;
    double number = 0;
    std::string text;

    void setNumber(double v) { kind = ValueKind::Number; number = v; }
    void setText(std::string v) { kind = ValueKind::Text; text = std::move(v); }
    void setBool(bool v) { kind = ValueKind::Bool; number = v ? 1 : 0; }
    void setError(ErrorCode e) { kind = ValueKind::Error; error = e; }
    void setEmpty() { kind = ValueKind::Empty; }
};

struct CustomCall {
    Sheet& sheet;
    int column;  // the cell being calculated
    int row;
    const CustomArg* args;
    int count;
    CustomResult& result;
};

// Returns true when it handled the call; a declined call makes the cell #VALUE!.
using CustomCallback = bool (*)(void* context, CustomCall& call);

}  // namespace grid
