#include "core/macro/MacroValueText.h"

#include <charconv>
#include <cmath>

#include "core/NumberText.h"

Mdx_String exactNumberText(double value) {
    if (value == 0) return "0";  // no "-0"
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return Mdx_String(buffer, static_cast<int>(result.ptr - buffer));
}

Mdx_String variableText(const Mdx_DialogVariable& variable) {
    if (!isNumericVariableKind(variable.kind)) return variable.text;
    return exactNumberText(variable.value);
}

bool readVariableText(int kind, const Mdx_String& text, double& number) {
    if (!isNumericVariableKind(kind)) return true;
    if (!isNumberText(text.view())) return false;
    const double value = leadingDouble(text.view());
    if (!std::isfinite(value)) return false;
    if (kind == kVarInteger && value != std::trunc(value)) return false;
    if (kind == kVarCheck && value != 0 && value != 1) return false;
    number = value;
    return true;
}
