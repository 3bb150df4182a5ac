#pragma once
// Loading a macro's values from its standards, as the macro dialog's button asks the core:
// every standard the macro's settings tie to it by a mapping is evaluated through the
// module's standards launch point, in one transaction, so that a standard that fails leaves
// the drawing and the dialog's data as they were.
#include <string>

class MacroData;

bool loadMacroStandards(MacroData& data, std::string& error);

// Hands loadMacroStandards to the core (done when the module is attached).
void installMacroStandardsLoader();
