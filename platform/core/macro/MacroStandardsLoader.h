#pragma once
// The evaluation of the standards a macro's settings name lives in the module, above the
// core; the module hands it to the core when it is loaded, and MacroData::loadFromStandards
// calls it. Without one, loading from standards fails and says so.
#include <string>

class MacroData;

// Evaluates every standard the settings of the data's macros tie to them, writing the values
// into the drawing and the tabs. False, with the reason in error and nothing changed, when a
// standard cannot be evaluated.
using MacroStandardsLoader = bool (*)(MacroData& data, std::string& error);

// Null removes the loader (when the module goes).
void setMacroStandardsLoader(MacroStandardsLoader loader);
