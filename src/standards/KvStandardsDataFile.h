#pragma once
// The files the standards functions read: data files of tab-separated key and value columns
// (GETCELL, GETPROFCELL) and standard-size files of sizes, one a line, "120" or "120x10"
// (the tolerance functions). Each call reads its file anew; nothing is kept.
#include "core/Mdx_Array.h"
#include "core/Mdx_StringArray.h"

// One line of a standard-size file: "120x10" gives 120 and 10, "12" gives 12 and 0.
struct KvStandardSizeEntry {
    double first = 0;
    double second = 0;
};

// The first existing file of: name itself, then in the library folder
// "Connection Standards\Data\" + name, "Connection Standards\" + name, name. No extension
// is added. False when none exists.
bool findStandardsDataFile(const Mdx_String& name, Mdx_String& path);

// The data lines of a data file, each split at its tabs. "//" starts a comment that runs
// to the end of the line; lines left blank are no data lines. False when the file cannot
// be read.
bool readStandardsDataFile(const Mdx_String& path, Mdx_Array<Mdx_StringArray>& rows);

// The entries of a standard-size file. Comments "/* ... */" (also over several lines) and
// "//" to the end of the line are removed; lines left blank give no entry. Numbers are
// read as leading numbers (0 when a part does not start with one). False when the file
// cannot be read.
bool readStandardSizesFile(const Mdx_String& path, Mdx_Array<KvStandardSizeEntry>& entries);
// One line, comments already removed; false for a blank line.
bool parseStandardSizeLine(const Mdx_String& line, KvStandardSizeEntry& entry);
