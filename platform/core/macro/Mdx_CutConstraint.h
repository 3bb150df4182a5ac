#pragma once
// A cut constraint of a module: a named cut whose type decides which of the nine offsets it
// has.
#include <array>

#include "core/Mdx_String.h"
#include "core/macro/KvCutOffsetType.h"
#include "core/macro/Mdx_CutOptions.h"
#include "host/AcArray.h"
#include "host/AcadErrorStatus.h"

// The cut types the model knows; the number is what drawings store.
enum class Mdx_CutType : int {
    Straight = 0,  // a plain cut: its offset
    Polygon = 1,   // a polygon cut: offset and polygon offset
    Notch = 2,     // a notch: length, centre, inside and outside offsets
    Chamfer = 3,   // two chamfer offsets
    Rounded = 4,   // offset and radius
    Cope = 5,      // a full cope: every offset
};

inline constexpr int mdxCutTypeCount = 6;

struct Mdx_CutConstraint {
    Mdx_String name;
    int cutType = 0;
    std::array<double, kvCutOffsetTypeCount> offsets{};
    Mdx_CutOptions options;

    bool hasOffset(KvCutOffsetType type) const;
};

// The offset types of a cut type, in offset order; eInvalidInput for an unknown cut type.
Acad::ErrorStatus getCutOffsets(int cutType, AcArray<int>& offsets);
