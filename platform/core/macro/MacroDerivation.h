#pragma once
// Recomputes what the modules of a macro derive: every variable with a formula gets the
// formula's value over the module's other variables and the macro's general variables. A
// derived variable may use another; a cycle, an unknown name or a failing formula stops the
// derivation with a message naming the module and the variable (values computed before stay
// set, so run it inside a transaction).
#include <string>

class Mdx_Macro;

bool deriveMacroValues(Mdx_Macro& macro, std::string& message);
