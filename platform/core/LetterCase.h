#pragma once

// The one rule by which texts of the module compare without letter case.
//
// Texts are single-byte Windows-1252. Two bytes are the same letter ignoring case when their
// lower-case forms are equal, where the lower-case form is:
//   - ASCII A-Z            -> a-z
//   - 0xC0-0xDE except 0xD7 (the multiplication sign) -> the byte + 0x20 (accented capitals)
//   - 0x8A -> 0x9A (S caron), 0x8C -> 0x9C (OE), 0x8E -> 0x9E (Z caron), 0x9F -> 0xFF (Y diaeresis)
//   - every other byte is its own lower-case form.
// 0xDF (sharp s) and 0xB5 (micro sign) have no single-byte capital and stay as they are; no
// byte folds to more than one byte, so lengths never change. Every comparison, search and
// replacement with a case flag off goes through these functions; nothing else in the codebase
// folds letters on its own.

#include <string_view>

char lowerLetter(char c);
char upperLetter(char c);

// Equal length and equal letters ignoring case.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// <0, 0 or >0 comparing the lower-case forms byte by byte as unsigned values.
int compareIgnoringCase(std::string_view a, std::string_view b);

// Position of the first occurrence of needle in text at or after from, ignoring case;
// std::string_view::npos when there is none. An empty needle is found at from (when from is
// not past the end).
std::size_t findIgnoringCase(std::string_view text, std::string_view needle, std::size_t from);
