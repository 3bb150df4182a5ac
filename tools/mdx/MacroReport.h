#pragma once
// The text of mdx macro show: each tab of the macro dialog's data with what its page binds,
// named as mdx macro set takes the names. UTF-8.
#include <string>
#include <vector>

class EvaluateDrawing;
class MacroData;

std::string macroReport(const std::string& macroName, const std::string& handle,
                        const MacroData& data);

// The report of the drawing's open macro as the drawing now holds it: the changes made so far
// are kept and the macro is opened and gathered afresh. One line each.
std::vector<std::string> reopenedMacroReport(EvaluateDrawing& drawing);
