#pragma once
// A choice of one picture among files: the window title, the full paths in display order,
// and on return the name of the picture the user chose.
#include "core/Mdx_StringArray.h"

class KvSelectImageDlgData {
public:
    KvSelectImageDlgData() = default;
    KvSelectImageDlgData(const KvSelectImageDlgData&) = default;
    KvSelectImageDlgData& operator=(const KvSelectImageDlgData&) = default;
    virtual ~KvSelectImageDlgData() = default;

    Mdx_String title;
    Mdx_StringArray files;
    Mdx_String selection;
};
