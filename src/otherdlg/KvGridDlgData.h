#pragma once
// The parameters of a rectangular grid of axes: per direction the number of axes, their
// spacing and the name of the first axis, and one option. The caller creates the axes.
#include "core/Mdx_String.h"

class KvGridDlgData {
public:
    KvGridDlgData() = default;
    KvGridDlgData(const KvGridDlgData&) = default;
    KvGridDlgData& operator=(const KvGridDlgData&) = default;
    virtual ~KvGridDlgData() = default;

    int firstCount = 4;
    Mdx_String firstSpacing = "5000";
    Mdx_String firstName = "A";
    int secondCount = 3;
    Mdx_String secondSpacing = "5000";
    Mdx_String secondName = "1";
    bool option = false;
};
