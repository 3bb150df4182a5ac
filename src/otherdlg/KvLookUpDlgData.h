#pragma once
// Search criteria of a look-up: five editable lists with their texts, two fixed choices, a
// radio pair and an option. result tells how the dialog ended: 0 OK, 2 "Show All".
#include "core/Mdx_StringArray.h"

class KvLookUpDlgData {
public:
    KvLookUpDlgData() = default;
    KvLookUpDlgData(const KvLookUpDlgData&) = default;
    KvLookUpDlgData& operator=(const KvLookUpDlgData&) = default;
    virtual ~KvLookUpDlgData() = default;

    Mdx_String text1;
    Mdx_StringArray items1;
    Mdx_String text2;
    Mdx_StringArray items2;
    Mdx_String text3;
    Mdx_StringArray items3;
    Mdx_String text4;
    Mdx_StringArray items4;
    int choice1 = 2;
    Mdx_String text5;
    Mdx_StringArray items5;
    int choice2 = 0;
    int radio = 0;
    bool option = false;
    int result = 0;
};
