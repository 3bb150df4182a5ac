#pragma once

// Conversion between the module's single-byte Windows-1252 texts and UTF-8, used only at the
// edges (terminal output, JSON, file names handed to the operating system).

#include <string>
#include <string_view>

// Every byte maps to one code point. The five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control code points of the same value, so a
// text survives the round trip unchanged.
std::string windows1252ToUtf8(std::string_view bytes);

// Code points without a Windows-1252 byte, and malformed UTF-8 sequences (one per offending
// byte), become '?'. Never fails.
std::string utf8ToWindows1252(std::string_view utf8);
