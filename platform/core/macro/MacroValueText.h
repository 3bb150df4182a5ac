#pragma once
// Dialog variables as the texts the macro dialog shows and reads: numbers in their shortest
// exact form, so a value the user did not touch is written back bit for bit.
#include "core/Mdx_String.h"
#include "core/macro/Mdx_DialogVariable.h"

Mdx_String exactNumberText(double value);
Mdx_String variableText(const Mdx_DialogVariable& variable);
// Whether text is a value of the kind: distances any finite number, integers whole numbers,
// checks "0" or "1"; text kinds anything. number receives a numeric kind's value.
bool readVariableText(int kind, const Mdx_String& text, double& number);
