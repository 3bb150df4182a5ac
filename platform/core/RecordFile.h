#pragma once

// Record files: a file as a sequence of records, each a list of texts (the section tables are
// stored this way). The format is a text file, one record per line:
//
//   MDX-RECORDS 1                       first line: magic word and format version
//   <n>\t<field 1>\t...\t<field n>      each record: its field count, then the fields
//
// Lines end in CR LF when written; LF alone is read too. Inside a field a backslash is
// written "\\", a tab "\t", a CR "\r" and a LF "\n", so any bytes survive. The name a record
// file carries is its file name without folder and extension; it is not stored inside.

#include "core/Mdx_StringArray.h"

// False when the file cannot be read or is not a well-formed record file of a version this
// program knows; then name and records are left exactly as they were.
bool readFile(const Mdx_String& path, Mdx_String& name, Mdx_Array<Mdx_StringArray>& records);
// Writes atomically; false when the write fails (the previous file stays).
bool writeFile(const Mdx_String& path, const Mdx_Array<Mdx_StringArray>& records);

// The same format on bytes: parseRecords leaves records as they were when it fails;
// formatRecords gives what writeFile writes.
bool parseRecords(const Mdx_String& bytes, Mdx_Array<Mdx_StringArray>& records);
Mdx_String formatRecords(const Mdx_Array<Mdx_StringArray>& records);
