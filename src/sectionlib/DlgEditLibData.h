#pragma once
// What the library editor works on: the names of the library's section tables, in list
// order, and the picture files the tables may use.
#include "core/Mdx_StringArray.h"

class DlgEditLibData {
public:
    virtual ~DlgEditLibData() = default;

    Mdx_StringArray tableNames;
    int currentTable = 0;
    Mdx_StringArray availableFiles;
};
