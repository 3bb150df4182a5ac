#pragma once
// The bolt settings of a bolt module beyond its diameter: assembly, lengths, hole tolerance,
// on/off options, nuts and washers, hole columns and slotted holes. Texts are kept as the
// user entered them; the module's update checks them.
#include <array>

#include "core/Mdx_Array.h"
#include "core/Mdx_String.h"

namespace host {
class FieldReader;
class FieldWriter;
}  // namespace host

struct Mdx_HoleColumn {
    bool flag = false;
    Mdx_String name;
    friend bool operator==(const Mdx_HoleColumn&, const Mdx_HoleColumn&) = default;
};

// A slotted hole: when active, texts 1 and 2 (radius and length) must be positive numbers;
// text 3 is the angle and text 4 a further offset. typeIndex picks one of the three hole
// types; a negative one means "keep each macro's own" when several macros differ.
struct Mdx_SlottedHole {
    bool active = false;
    std::array<Mdx_String, 4> texts;
    int typeIndex = 0;
    friend bool operator==(const Mdx_SlottedHole&, const Mdx_SlottedHole&) = default;
};

struct Mdx_BoltSettings {
    // The on/off options: 0 off, 1 on, 2 mixed (several macros differ).
    enum Option { kTapped, kReverseOrientation, kCountersunk, kShopBolted, kOptionCount };
    // Nuts and washers: 0 absent, 1 present, -1 does not apply to this assembly.
    enum Part { kNut1, kNut2, kWasher1, kWasher2, kWashers, kPartCount };
    static constexpr int kMixedOption = 2;
    static constexpr int kNotApplicable = -1;

    Mdx_String assembly;
    Mdx_String diameter;
    Mdx_String holeOffset;
    Mdx_String penetrationLength;
    Mdx_String addedLength;
    Mdx_String holeTolerance;
    std::array<int, kOptionCount> options{};
    std::array<int, kPartCount> parts{1, 0, 1, 0, 0};
    // A count (bolts over the hole columns); when positive, countFlag switches them on.
    int count = 0;
    bool countFlag = false;
    Mdx_Array<Mdx_HoleColumn> holeColumns;
    Mdx_Array<Mdx_SlottedHole> slottedHoles;

    friend bool operator==(const Mdx_BoltSettings&, const Mdx_BoltSettings&) = default;

    // Folds another macro's settings in: texts that differ read empty, options that differ
    // read mixed, slotted-hole types that differ read -1.
    void merge(const Mdx_BoltSettings& other);
    // Writes this (merged) data over a module's own: empty texts, mixed options and negative
    // hole types leave the module's values.
    void applyTo(Mdx_BoltSettings& module) const;

    // The fields after the diameter and hole offset; written only when they differ from a
    // fresh module's, so drawings without them save to the same bytes.
    void writeFields(host::FieldWriter& out) const;
    bool readFields(host::FieldReader& in);
};
