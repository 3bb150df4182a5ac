#include "core/Windows1252.h"

#include "host/Windows1252.h"

// The host owns the one code table; the core only chooses the lenient reading.
std::string windows1252ToUtf8(std::string_view bytes) { return host::windows1252ToUtf8(bytes); }

std::string utf8ToWindows1252(std::string_view utf8) { return host::utf8ToWindows1252Lenient(utf8); }
