#include "core/macro/Mdx_CutConstraint.h"

namespace {

// Bit i set: the cut type has offset type i.
constexpr std::array<unsigned, mdxCutTypeCount> kOffsetsOfType{
    1u << 0,                                        // Straight
    (1u << 0) | (1u << 1),                          // Polygon
    (1u << 2) | (1u << 3) | (1u << 4) | (1u << 5),  // Notch
    (1u << 6) | (1u << 7),                          // Chamfer
    (1u << 0) | (1u << 8),                          // Rounded
    0x1FFu,                                         // Cope
};

bool knownCutType(int cutType) {
    return cutType >= 0 && cutType < mdxCutTypeCount;
}

}  // namespace

bool Mdx_CutConstraint::hasOffset(KvCutOffsetType type) const {
    int bit = static_cast<int>(type);
    return knownCutType(cutType) && isCutOffsetType(bit) &&
           (kOffsetsOfType[static_cast<std::size_t>(cutType)] & (1u << bit)) != 0;
}

Acad::ErrorStatus getCutOffsets(int cutType, AcArray<int>& offsets) {
    if (!knownCutType(cutType)) return Acad::eInvalidInput;
    offsets.removeAll();
    for (int type = 0; type < kvCutOffsetTypeCount; ++type)
        if (kOffsetsOfType[static_cast<std::size_t>(cutType)] & (1u << type)) offsets.append(type);
    return Acad::eOk;
}
