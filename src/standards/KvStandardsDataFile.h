#pragma once
// The files the standards functions read: data files of tab-separated key and value columns
// (GETCELL, GETPROFCELL) and standard-size files of sizes, one a line, "120" or "120x10"
// (the tolerance functions). A file is parsed once and kept while it stays the same file
// (standards/KvStandardsFileCache.h): a data file becomes a table indexed by key, so a
// look-up in a file of thousands of lines costs one check of the file's time and size.
#include <string_view>

#include "core/Mdx_Array.h"
#include "core/Mdx_String.h"

// One line of a standard-size file: "120x10" gives 120 and 10, "12" gives 12 and 0.
struct KvStandardSizeEntry {
    double first = 0;
    double second = 0;
};

enum class KvDataLookUp {
    Found,
    Unreadable,  // the file cannot be read
    NoData,      // not a single data line
    NoKey,       // no line has the key
    NoValue,     // the first line with the key has no value column
};

// The first existing file of: name itself, then in the library folder
// "Connection Standards\Data\" + name, "Connection Standards\" + name, name. No extension
// is added. Only files inside the allowed folders count (standards/KvFileScope.h); one that
// exists outside them is noted as refused. False when none is found.
bool findStandardsDataFile(const Mdx_String& name, Mdx_String& path);

// Column 2 of the first data line whose column 1 equals key (ignoring letter case). "//"
// starts a comment that runs to the end of the line; lines left blank are no data lines;
// columns are separated by tabs, columns after the second are ignored. With
// keysAsSystemNames each column 1 that names a known section is compared as the section's
// system name.
KvDataLookUp lookUpStandardsData(const Mdx_String& path, const Mdx_String& key,
                                 bool keysAsSystemNames, Mdx_String& value);

// The entries of a standard-size file. Comments "/* ... */" (also over several lines; an
// unterminated one runs to the end) and "//" to the end of the line are removed; lines left
// blank give no entry. Numbers are read as leading numbers (0 when a part does not start
// with one). False when the file cannot be read.
bool readStandardSizesFile(const Mdx_String& path, Mdx_Array<KvStandardSizeEntry>& entries);
// One line, comments already removed; false for a blank line.
bool parseStandardSizeLine(std::string_view line, KvStandardSizeEntry& entry);
