#pragma once

// The nine offsets a cut constraint can carry. The values are stored in drawings and mapping
// files refer to them through the cut kinds of a mapping, so they never change.
enum class KvCutOffsetType : int {
    Offset = 0,
    PolyOffset = 1,
    LengthOffset = 2,
    CenterOffset = 3,
    InsideOffset = 4,
    OutsideOffset = 5,
    ChamferOffset1 = 6,
    ChamferOffset2 = 7,
    Radius = 8,
};

inline constexpr int kvCutOffsetTypeCount = 9;

inline bool isCutOffsetType(int value) {
    return value >= 0 && value < kvCutOffsetTypeCount;
}
