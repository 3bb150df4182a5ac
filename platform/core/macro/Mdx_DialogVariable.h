#pragma once
// A dialog (constraint) variable of a module: a named dimension the macro dialog shows.
#include "core/Mdx_String.h"

// How the macro dialog shows and reads a variable.
enum Mdx_VariableKind : int {
    kVarDistance = 1,  // a real number
    kVarInteger = 2,   // a whole number
    kVarText = 3,      // free text
    kVarChoice = 4,    // a text chosen from a list the design offers
    kVarCheck = 5,     // on or off: "1" or "0"
};

inline bool isNumericVariableKind(int kind) {
    return kind == kVarDistance || kind == kVarInteger || kind == kVarCheck;
}

struct Mdx_DialogVariable {
    Mdx_DialogVariable() = default;
    // A distance variable, the common case.
    Mdx_DialogVariable(const Mdx_String& name, double value, bool isInput, bool hasFlexFix,
                       bool flexible)
        : name(name), value(value), isInput(isInput), hasFlexFix(hasFlexFix), flexible(flexible) {}

    Mdx_String name;
    double value = 0;
    // The user enters it in the macro dialog (otherwise the constraints compute it and the
    // dialog shows it read-only).
    bool isInput = false;
    // The dialog offers a flex/fix button for it; flexible is that button's state: a
    // flexible variable follows the constraints, a fixed one keeps its value.
    bool hasFlexFix = false;
    bool flexible = false;
    int kind = kVarDistance;
    // The value of a text or choice variable (numeric kinds use value).
    Mdx_String text;
    // A variable the module derives from its other variables: an arithmetic expression over
    // their names, the macro's general variables and numbers, recomputed on every update.
    Mdx_String formula;
};
