#pragma once
// The arithmetic of a derived variable: numbers, names, + - * /, unary minus and
// parentheses. Names are resolved by the caller; a name it does not know, a division by
// zero, a result that is not finite or text that is no formula fails with a message.
#include <functional>
#include <string>

#include "core/Mdx_String.h"

using FormulaNameResolver = std::function<bool(const Mdx_String& name, double& value)>;

bool evaluateDerivedFormula(const Mdx_String& formula, const FormulaNameResolver& resolve,
                            double& result, std::string& message);
