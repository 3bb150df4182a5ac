#pragma once
// The text of mdx macro show: each tab of the macro dialog's data with what its page binds,
// named as mdx macro set takes the names. UTF-8.
#include <string>

class MacroData;

std::string macroReport(const std::string& macroName, const std::string& handle,
                        const MacroData& data);
