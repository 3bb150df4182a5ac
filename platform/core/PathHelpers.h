#pragma once

// Path texts as the module builds them: Windows form, backslash separated ("C:\lib\x.kvs").
// A forward slash counts as a separator too, so paths that came from elsewhere work alike.
// These functions only edit text; the file system is reached through core/FileHelpers.h.

#include "core/Mdx_String.h"

// The folder part including its final backslash ("C:\a\b.kvs" -> "C:\a\"); empty when the
// path has no separator.
Mdx_String getPath(const Mdx_String& path);
// The part after the last separator ("C:\a\b.kvs" -> "b.kvs").
Mdx_String getFileName(const Mdx_String& path);
void getFileName(Mdx_String path, Mdx_String& name);
// The extension without the dot ("b.kvs" -> "kvs"); empty when the file name has no dot.
// A dot inside a folder name does not count.
Mdx_String getExtension(const Mdx_String& path);

// Removes ".ext" from the file name part; nothing when there is none.
void removeExtension(Mdx_String& path);
// Replaces the extension by newExtension (with or without its dot); adds it when there is none.
void changeExtension(Mdx_String& path, const Mdx_String& newExtension);

// Removes every leading backslash (and slash).
void ensureNoStartBSlash(Mdx_String& path);
// Adds a backslash at the end unless there is one (an empty path stays empty).
void ensureEndBSlash(Mdx_String& path);
// Joins a folder and a relative name with exactly one backslash between them.
Mdx_String joinPath(const Mdx_String& folder, const Mdx_String& name);

// True when name contains a character no Windows file name may hold: < > : " / \ | ? * or a
// control byte below 0x20.
bool hasInvalidFileNameChars(const Mdx_String& name);
