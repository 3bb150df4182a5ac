#pragma once
// What the library editor works on: the section groups and types of the library, the names
// of its section tables in list order, and the picture files the tables may use.
#include "core/Mdx_StringArray.h"
#include "core/sections/SectionGroups.h"

class DlgEditLibData {
public:
    virtual ~DlgEditLibData() = default;

    // The picture drawings of the library's "prof" folder; and its tables, when the caller
    // gave none.
    void GetAvailableFiles();

    SectionGroupArray groups;
    Mdx_Array<SectionType> types;
    Mdx_StringArray tableNames;
    int currentTable = 0;
    Mdx_StringArray availableFiles;
};
