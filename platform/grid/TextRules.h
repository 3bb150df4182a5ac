#pragma once
// Conversions between numbers and texts shared by the formula language and the cell
// reads: locale-independent, Windows-1252 bytes, ASCII letter case.
#include <string>
#include <string_view>

namespace grid {

bool equalsIgnoreCase(std::string_view a, std::string_view b);
int compareIgnoreCase(std::string_view a, std::string_view b);
char toUpperAscii(char c);
std::string upperAscii(std::string_view text);

// The general form of a number: up to 15 significant digits, no exponent for ordinary
// magnitudes, "-0" written as "0".
std::string formatNumber(double value);
void appendNumber(std::string& out, double value);
// The shortest text that reads back as exactly the same double (formula literals).
void appendExactNumber(std::string& out, double value);

// The whole text (surrounding blanks allowed) as a number; false when it is not one.
bool parseNumber(std::string_view text, double& value);

// Column letters: 1 -> "A", 27 -> "AA".
void appendColumnLetters(std::string& out, int column);
std::string columnLetters(int column);

}  // namespace grid
