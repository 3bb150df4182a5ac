#pragma once
// A dialog (constraint) variable of a module: a named dimension the macro dialog shows.
#include "core/Mdx_String.h"

struct Mdx_DialogVariable {
    Mdx_String name;
    double value = 0;
    // The user enters it in the macro dialog (otherwise the constraints compute it).
    bool isInput = false;
    // The dialog offers a flex/fix button for it; flexible is that button's state: a
    // flexible variable follows the constraints, a fixed one keeps its value.
    bool hasFlexFix = false;
    bool flexible = false;
};
