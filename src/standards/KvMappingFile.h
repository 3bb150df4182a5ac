#pragma once
// The mapping file of a standards spreadsheet: "<spreadsheet>.map" beside the ".kvs", a
// version line and then one line per stored mapping: key, "=", pairs of variable name, the
// byte 0x83 and mapping text, separated by the byte 0xBF.
#include <memory>

#include "core/Mdx_StringArray.h"

inline constexpr char kMappingPairSeparator = '\xBF';
inline constexpr char kMappingVarSeparator = '\x83';
inline constexpr const char* kMappingVersionLine = "Mapping version 1.0";

namespace mappingfile {

// The path of the mapping file of spreadsheet name (relative to the library's
// "Connection Standards" folder, without extension).
Mdx_String pathOf(const Mdx_String& name);

// Reads the mapping lines, without the version line; false when the file cannot be read.
bool readLines(const Mdx_String& name, Mdx_StringArray& lines);
// The same lines as kept for a batch, shared rather than copied; null when the file cannot be
// read.
std::shared_ptr<const Mdx_StringArray> sharedLines(const Mdx_String& name);
// Writes the version line and the lines, whole and atomically.
bool writeLines(const Mdx_String& name, const Mdx_StringArray& lines);

// The text before the first "=", empty for a line without one.
Mdx_String keyOf(const Mdx_String& line);
// Index of the first line whose key equals key exactly; -1 when none.
int findKey(const Mdx_StringArray& lines, const Mdx_String& key);

}  // namespace mappingfile
