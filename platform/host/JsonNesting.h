#pragma once
// JSON readers recurse once per level of nesting: a file nested some thousand levels deep
// would end the program with a stack overflow instead of a message. Every JSON input is
// measured with this first.
#include <string_view>

namespace host {

// True when no array or object of the text lies deeper than limit; strings are skipped.
bool jsonNestingWithin(std::string_view text, int limit);

}  // namespace host
