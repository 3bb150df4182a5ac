#pragma once
// One section table: a family of sections ("IPE", "HEA") with named value columns. Each row
// is one section under its system name (the name stored in drawings, "IPE300") and the
// name users see ("IPE 300"); its values are texts, one per column.
#include "core/Mdx_Array.h"
#include "core/Mdx_StringArray.h"

struct Mdx_SectionRow {
    Mdx_String systemName;
    Mdx_String userName;
    Mdx_StringArray values;
};

struct Mdx_SectionTable {
    Mdx_String name;
    // The picture of the family: a built-in section type number or "Prof\\<name>.dwg". Only
    // the library's tables have one; drawings carry values, not pictures.
    Mdx_String picture;
    Mdx_StringArray columnNames;
    Mdx_Array<Mdx_SectionRow> rows;
};
