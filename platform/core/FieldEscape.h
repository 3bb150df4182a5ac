#pragma once
// Escaping of one field of our tab-separated text files (record files, property lists):
// backslash, tab, CR and LF are written as \\ \t \r \n so a field never splits a line or a
// record. Reading refuses any other escape, so a damaged file is noticed.
#include "core/Mdx_String.h"

Mdx_String escapeField(const Mdx_String& field);
// False (field left empty or partial) for a lone trailing backslash or an unknown escape.
bool unescapeField(const Mdx_String& text, Mdx_String& field);
