#pragma once
// One section table of the library: per section size its system name, active flag, names in
// every language and dimension values, all as texts. Row 0 of rows is the first size; the
// column names are the header.
#include "core/Mdx_StringArray.h"

class Mdx_ProfValuesTable {
public:
    virtual ~Mdx_ProfValuesTable() = default;

    Mdx_String tableName;
    Mdx_String pictureName;
    Mdx_StringArray columnNames;
    Mdx_Array<Mdx_StringArray> rows;
};
