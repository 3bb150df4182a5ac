#pragma once
// The layout of a bolt pattern: bolts in one direction, or a grid in two directions. Each
// direction has its bolt count, its spacing and whether it is laid out from the opposite
// end (a reversed start).
struct Mdx_Pattern {
    static constexpr int kOneDirection = 281;
    static constexpr int kTwoDirections = 282;

    int typeCode = kOneDirection;
    int nrBolts1 = 1;
    int nrBolts2 = 1;
    double spacing1 = 0;
    double spacing2 = 0;
    bool reverseStart1 = false;
    bool reverseStart2 = false;

    bool hasSecondDirection() const { return typeCode == kTwoDirections; }
};
