#pragma once
// The table of built-in functions: names, argument counts and implementations.
#include <string_view>

namespace grid {

class Evaluator;
struct Operand;

using BuiltinImpl = void (*)(Evaluator& eval, Operand* args, int count, Operand& result);

struct BuiltinFunction {
    const char* name;
    int minArgs;
    int maxArgs;
    BuiltinImpl impl;
};

// Function id for a name (letter case ignored), -1 when there is none.
int findBuiltin(std::string_view name);
const BuiltinFunction& builtin(int id);
// IF is compiled into jumps so that only the branch taken is evaluated.
int ifFunctionId();

}  // namespace grid
