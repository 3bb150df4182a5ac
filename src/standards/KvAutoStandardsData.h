#pragma once
// General variables of drawings and of standards, as the general variables dialog edits them.
// A filter lists drawing files and folders, relative to the library's "Macros\" folder,
// separated by ";".
#include "core/Mdx_StringArray.h"

class KvAutoStandardsData {
public:
    virtual ~KvAutoStandardsData() = default;

    Mdx_StringArray dwgGenVars;
    Mdx_StringArray dwgGenValues;
    Mdx_StringArray dwgGenFilters;
    Mdx_StringArray stdGenVars;
    Mdx_StringArray stdGenValues;
    Mdx_StringArray stdGenOverrides;
    Mdx_StringArray stdGenFilters;
};
