#pragma once
// Number format patterns as spreadsheet users write them for TEXT: "0.00", "#,##0", "0%",
// "0.00E+00", "0.0 \"kN\"", sections "positive;negative;zero;text" and "General". Date and
// time codes and literals between digit placeholders are not supported.
#include <string>
#include <string_view>

namespace grid {

// The number written in the pattern; false (out unspecified) for a pattern this cannot
// apply.
bool formatWithPattern(double value, std::string_view pattern, std::string& out);

// A text written in the pattern's fourth section, where "@" stands for the text; a pattern
// without one gives the text unchanged. False for a fourth section this cannot apply.
bool formatTextWithPattern(std::string_view text, std::string_view pattern, std::string& out);

}  // namespace grid
