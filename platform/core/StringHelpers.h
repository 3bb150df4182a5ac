#pragma once

// Free text functions of the core library: splitting and joining lists, searching lists,
// comment removal and name checks. Case flags follow core/Mdx_String.h.

#include "core/Mdx_Array.h"
#include "core/Mdx_StringArray.h"

// Splits text at every occurrence of separator. An empty text gives an empty array; otherwise
// n separators give n + 1 items, empty items included ("a;;b;" -> "a", "", "b", "").
// An empty separator gives the whole text as the one item.
void strToArr(const Mdx_String& text, Mdx_StringArray& items, const Mdx_String& separator = ";");
Mdx_StringArray strToArr(const Mdx_String& text, const Mdx_String& separator = ";");

// Joins items with separator between them; the inverse of strToArr for every array except
// one holding a single empty item.
Mdx_String arrToStr(const Mdx_StringArray& items, const Mdx_String& separator = ";");
void arrToStr(const Mdx_StringArray& items, Mdx_String& text, const Mdx_String& separator = ";");

// The texts one after the other: appStrs({dialString(1732), dialString(1733), "\n"}).
Mdx_String appStrs(std::initializer_list<Mdx_String> parts);

// An array from a list of texts: stringArr({"a", "b"}).
Mdx_StringArray stringArr(std::initializer_list<Mdx_String> items);

// Splits at the first occurrence of symbol into before and after; false (before = text,
// after empty) when symbol does not occur.
bool splitStringAtSymbol(const Mdx_String& text, const Mdx_String& symbol, Mdx_String& before,
                         Mdx_String& after, bool caseSensitive);
// Splits at every occurrence of symbol, like strToArr (letters of symbol matched by the flag).
void splitStringAtSymbol(const Mdx_String& text, const Mdx_String& symbol, Mdx_StringArray& parts,
                         bool caseSensitive);
// Same as the first form of splitStringAtSymbol.
bool splitString(const Mdx_String& text, const Mdx_String& symbol, Mdx_String& before,
                 Mdx_String& after, bool caseSensitive);

bool isNumber(const Mdx_String& text);

// True when text contains one of candidates; which (when given) receives its index.
bool hasASubstr(const Mdx_String& text, const Mdx_StringArray& candidates, bool caseSensitive,
                int* which = nullptr);
bool startsWith(const Mdx_String& text, const Mdx_String& prefix, bool caseSensitive);

// Lines of a text: they end in CR LF, LF or a lone CR; the terminators are not kept and a
// final terminator does not start another line. An empty text has no lines.
void splitLines(const Mdx_String& text, Mdx_StringArray& lines);

// Line and record lists: each line split at separator / each record joined with it.
void arrToArrArr(const Mdx_StringArray& lines, Mdx_Array<Mdx_StringArray>& records,
                 const Mdx_String& separator);
void arrArrToArr(const Mdx_Array<Mdx_StringArray>& records, Mdx_StringArray& lines,
                 const Mdx_String& separator);

// Removes "//" and everything after it.
void removeLineComment(Mdx_String& line);
// Removes block comments "/* ... */" (which may span lines; an unterminated one runs to the end)
// and line comments "//" from lines; lines keep their places, emptied where all was comment.
void removeComments(Mdx_StringArray& lines);

// base when no element of existing equals it (ignoring case), else base followed by the
// smallest number from 1 that makes it unused ("Table", "Table1", "Table2", ...).
Mdx_String findNonExistingString(const Mdx_StringArray& existing, const Mdx_String& base);

// Sorts ascending ignoring case (texts equal so are ordered by their bytes).
void sortArray(Mdx_StringArray& items);

// Names: only ASCII letters, digits and underscores (and not empty); starts with a digit.
bool hasOnlyLettersNumbers(const Mdx_String& name);
bool startsWithNumber(const Mdx_String& name);
