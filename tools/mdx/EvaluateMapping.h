#pragma once
// Which mapping ties the standard to the macro: "Module.GROUP" (variables named after macro
// values of one module group) or the key of a line of the standard's mapping file. Checked
// before the evaluation, so that a typing error is refused instead of evaluating a standard
// that reads nothing from the macro.
#include <string>

#include "core/Mdx_String.h"

class EvaluateDrawing;
struct StandardRef;

// The maps-to text for the request. Throws EvaluateError BadMapping when none is given (the
// drawing keeps no standards settings for its macros), when the group is not one of the
// macro's, when the standard has no mapping file or the file no line of that key.
Mdx_String checkMapping(const std::string& mapsTo, const StandardRef& standard,
                        const EvaluateDrawing& drawing);
