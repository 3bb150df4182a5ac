#pragma once
// The files of the cutting-stock lists: per group a folder "Cutting Stock\<group>\" of the
// library, holding shape lists (".shp") and buy lists (".buy"). Each is a text file with one
// record per line and the fields of a record separated by the byte 0xBF.
#include <cstdint>

#include "core/Mdx_Array.h"
#include "core/Mdx_StringArray.h"

inline constexpr char kListFieldSeparator = '\xBF';
inline constexpr const char* kShapeExtension = "shp";
inline constexpr const char* kBuyExtension = "buy";
// A list file is a few thousand lines at most; a larger file is not one.
inline constexpr int kMaxListFileBytes = 16 << 20;

// A group name is a folder name of its own: not empty, no separators, no drive or other
// characters a file name may not hold, no "..", no leading or trailing blanks or dots.
bool isSafeGroupName(const Mdx_String& name);

// The group's folder (ending in a backslash); false, folder empty, for an unsafe name.
bool groupFolder(const Mdx_String& group, Mdx_String& folder);
// The same, created when missing; false when the name is unsafe or the folder cannot be made.
bool ensureGroupFolder(const Mdx_String& group, Mdx_String& folder);

// The most recently modified file of the folder with the extension (on equal times the first
// by name); false when there is none.
bool latestListFile(const Mdx_String& folder, const Mdx_String& extension, Mdx_String& path,
                    std::int64_t& fileTime);
// folder + "Stock" + (the largest number following "Stock" in the names of the folder's
// files with the extension, 0 when none) + 1 + "." + extension.
Mdx_String nextSaveName(const Mdx_String& folder, const Mdx_String& extension);
// The file name with "." + extension appended unless it already ends so.
Mdx_String withListExtension(const Mdx_String& path, const Mdx_String& extension);

// False, records untouched, when the file cannot be read or is too large.
bool readListFile(const Mdx_String& path, Mdx_Array<Mdx_StringArray>& records);

enum class ListWrite { Written, SeparatorInCell, LineBreakInCell, Failed };
// Refuses, writing nothing, a record holding the separator byte or a line break in a field
// (it would come back as other fields or records); otherwise writes atomically.
ListWrite writeListFile(const Mdx_String& path, const Mdx_Array<Mdx_StringArray>& records);
