#pragma once
// The input lists of the cutting-stock optimisation, per named group. The caller runs the
// optimisation on the record the dialog hands back.
#include "core/Mdx_StringArray.h"
#include "host/AcArray.h"

// One of the three lists: the records of all groups, each tagged with its group id; the
// records of one group stand together.
struct CSP2List {
    Mdx_StringArray columnNames;
    AcArray<int> groupIds;
    Mdx_Array<Mdx_StringArray> records;
};

class DlgCSP2Data {
public:
    virtual ~DlgCSP2Data() = default;

    bool batchMode = false;
    AcArray<int> groupIds;
    Mdx_StringArray groupNames;  // parallel to groupIds; also the groups' folder names
    CSP2List list1;
    CSP2List list2;  // the shape list, ".shp" files
    CSP2List list3;  // the buy list, ".buy" files
};
