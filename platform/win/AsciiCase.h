#pragma once
// The letter-case rule of names that the window system, the file system and the formula
// language define: ASCII letters only, A-Z the same as a-z; every other byte is itself.
// Texts of the module (Windows-1252 letters, accented capitals too) have their own rule in
// core/LetterCase.h; docs/architecture.md says which applies where.
#include <string_view>

namespace win {

char lowerAscii(char c);
char upperAscii(char c);

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);
// <0, 0 or >0 comparing the lower-case forms byte by byte as unsigned values, so that marks
// such as '_' sort before letters, as they do in lists and sorted look-ups.
int compareIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace win
