#pragma once
// One evaluation of a standard for the macro a drawing has open, through the module's own
// launch point, and what it read, computed, changed and where it failed. The changes stay
// in the drawing's open transaction; the caller keeps or drops them.
#include <string>

#include "EvaluateDrawing.h"
#include "EvaluateInputs.h"
#include "EvaluateReport.h"
#include "EvaluateSession.h"

EvaluateReport evaluateOpenMacro(EvaluateSession& session, EvaluateDrawing& drawing,
                                 const StandardRef& standard, const Mdx_String& mapsTo,
                                 const GeneralVariables& general, const std::string& drawingFile);
