#pragma once
// The table files of the section library: libDir + "prof\\" + name + ".pr". Table names come
// from users and from files, so every path is built here and only from a name that stays in
// that folder.
#include "core/Mdx_StringArray.h"

// The name without a final ".pr".
Mdx_String tableNameOf(const Mdx_String& name);
// False for a name (without a final ".pr") that is empty, too long, holds characters a file
// name cannot hold or a separator, or is "." / ".." or ends in a dot or a blank.
bool isValidTableName(const Mdx_String& name);
// The table's file path; false (path untouched) for a name that isValidTableName refuses.
bool sectionTablePath(const Mdx_String& name, Mdx_String& path);
// The names of the library's tables (file names without ".pr"), sorted ignoring case; empty
// when the folder is missing.
Mdx_StringArray listSectionTables();
bool sectionTableExists(const Mdx_String& name);
// False when the name is refused or there was no such file.
bool deleteSectionTableFile(const Mdx_String& name);

// The largest table file read, so that a damaged or hostile file cannot exhaust memory.
inline constexpr long long kMaxSectionTableBytes = 16 * 1024 * 1024;
