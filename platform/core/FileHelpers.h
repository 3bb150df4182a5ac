#pragma once

// Files as the module sees them: module paths (Windows form, Windows-1252 bytes) reached
// through the path mapping of the window system (win/FilePaths.h), which also finds names
// whose letter case differs. Every writer replaces a whole file atomically: on failure the
// previous file is left as it was. Every reader accepts any bytes.

#include <cstdint>

#include "core/Mdx_StringArray.h"

// Line files. Lines end in CR LF, LF or a lone CR; the terminators are not part of the lines,
// and a final terminator does not start another line. False when the file cannot be read
// (lines is then empty); an empty file is read as no lines.
bool ObjectExportReadFile(const Mdx_String& path, Mdx_StringArray& lines);
// Writes each line followed by CR LF. False, and nothing written, when a line itself holds a
// CR or LF (it could not be read back as one line) or when the write fails.
bool ObjectExportWriteFile(const Mdx_String& path, const Mdx_StringArray& lines);

// Whole files as bytes.
bool readWholeFile(const Mdx_String& path, Mdx_String& bytes);
bool writeWholeFile(const Mdx_String& path, const Mdx_String& bytes);

// Files (not folders) in folder whose names match pattern: '*' any run of characters, '?'
// one character, letters ignoring case. Each result is folder (with a backslash ensured) +
// the file name, so a caller can strip its own prefix; results are sorted ignoring case.
// The recursive form descends into every sub-folder; its results carry the sub-folders
// ("folder\Sub\x.kvs"), sorted as whole paths. False (and no results) when the folder
// does not exist; an existing folder without matches gives true and no results.
bool ObjectExportFindFiles(const Mdx_String& folder, const Mdx_String& pattern,
                           Mdx_StringArray& paths);
bool ObjectExportFindFilesRecursive(const Mdx_String& folder, const Mdx_String& pattern,
                                    Mdx_StringArray& paths);
bool matchesFilePattern(const Mdx_String& name, const Mdx_String& pattern);

bool fileExists(const Mdx_String& path);  // a file, not a folder
bool folderExists(const Mdx_String& path);
// Last modification time in seconds since 1970-01-01 UTC; false when there is no such file.
bool getFileTime(const Mdx_String& path, std::int64_t& secondsSinceEpoch);
// True when a is newer than b, or b does not exist while a does.
bool isFileNewer(const Mdx_String& a, const Mdx_String& b);
// False when there was no such file or it could not be removed.
bool deleteFile(const Mdx_String& path);
// Copies atomically; false when the source cannot be read or the target not written.
bool copyFile(const Mdx_String& from, const Mdx_String& to);
// Creates the folder and its parents when missing; true when it exists afterwards.
bool ensureFolder(const Mdx_String& path);
