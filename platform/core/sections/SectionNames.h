#pragma once
// How section names are put together, shared by the library's tables and the registry of
// section tables. A size is named in full by its table and its own name joined with a dash
// ("HEA-100"); drawings written before the library existed name it without the dash
// ("HEA100"), and both must find the same size.
#include "core/Mdx_StringArray.h"

// Position of the first decimal digit in text, -1 when there is none.
int findFirstNumbers(const Mdx_String& text);

// The number of user-name (language) columns in a header whose first language column is
// firstLanguageColumn: 4, or 5 when a fifth language column named "Korean" follows them.
int sectionLanguageCount(const Mdx_StringArray& columnNames, int firstLanguageColumn);

// tableName + "-" + sizeName.
Mdx_String fullSectionName(const Mdx_String& tableName, const Mdx_String& sizeName);

// True when name is the full name of the size in that table, with or without the dash after
// the table's name; letters compare ignoring case.
bool namesSection(const Mdx_String& name, const Mdx_String& tableName,
                  const Mdx_String& fullName);
