#pragma once
// A property file: the values a user set on a macro's tabs, kept under a name of their own so
// they can be put on another placement of the same macro. Text, one record a line, fields
// separated by a tab (Windows-1252 bytes; docs/macro-property-files.md):
//
//   MDX-MACRO-VALUES<TAB>1
//   macro<TAB><macro name>
//   tab<TAB><tab name>                  the records below belong to this tab
//   var<TAB><variable><TAB><value>
//   cut<TAB><cut><TAB><type index>
//   bolt<TAB><1 to 5><TAB><value>       assembly, diameter, lengths, tolerance
//   bolts<TAB><pattern><TAB><count 1><TAB><count 2><TAB><spacing>
//   end
//
// Reading checks the whole text before anything changes: a file that does not read as above
// (unknown record, wrong field count, missing "end", too large) is refused whole.
#include <string>

#include "core/Mdx_String.h"

class MacroData;

namespace macro_property_file {

constexpr int kVersion = 1;
constexpr std::size_t kMaxBytes = 1024 * 1024;
constexpr int kMaxLines = 20000;
constexpr std::size_t kMaxFieldBytes = 1024;

// The values of data a user can set: variables that are not read-only, cut types, bolt
// values and bolt counts; values the macros disagree on are left out. False, with the
// reason, when a value holds a tab or a line break (it would not read back as written).
bool compose(const MacroData& data, std::string& text, std::string& error);

// Puts the values of text into data. count receives the number of values that found no
// place: an unknown tab or item, a read-only variable, a value not of the item's kind. False,
// with the reason and data untouched, when the text is malformed or names another macro.
bool apply(const std::string& text, MacroData& data, int& count, std::string& error);

// A file name a user typed: one plain name, no folder, not too long. False with the reason.
bool checkName(const Mdx_String& name, std::string& error);

}  // namespace macro_property_file
