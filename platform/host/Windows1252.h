#pragma once
// Texts of the module are Windows-1252 bytes; the terminal and the drawing file speak UTF-8.
// Every byte maps to one code point; the five bytes Windows-1252 leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to the control code points of the same value, so every byte
// string survives the trip to UTF-8 and back.
#include <cstddef>
#include <string>
#include <string_view>

namespace host {

std::string windows1252ToUtf8(std::string_view bytes);

// Strict: false for malformed UTF-8 or a character without a Windows-1252 byte, with the
// byte offset of the first offending sequence in badOffset; out then holds an unfinished text.
bool utf8ToWindows1252(std::string_view utf8, std::string& out, std::size_t& badOffset);

// Lenient, for texts typed by people: a character without a Windows-1252 byte becomes '?',
// and so does each byte of a malformed sequence. Never fails.
std::string utf8ToWindows1252Lenient(std::string_view utf8);

}  // namespace host
