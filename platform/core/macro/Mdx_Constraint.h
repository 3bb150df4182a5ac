#pragma once
// A geometric rule of a module between two of its objects (parallel, a distance, ...), as the
// macro editor defines it. Its kind is the code of the tool that made it.
#include "core/Mdx_String.h"
#include "host/AcArray.h"

namespace host {
class FieldReader;
class FieldWriter;
}  // namespace host

enum Mdx_ConstraintKind : int {
    kConstrParallel = 0,
    kConstrPerpendicular = 1,
    kConstrCoincident = 2,
    kConstrSymmetric = 3,
    kConstrTangent = 4,
    kConstrConcentric = 5,
    kConstrEqualRadius = 6,
    kConstrDistance = 7,
    kConstrAngle = 8,
    kConstrRadius = 9,
};
inline constexpr int mdxConstraintKindCount = 10;

// How a measuring rule holds its value.
enum Mdx_ConstraintBound : int { kBoundExact = 0, kBoundAtLeast = 1, kBoundAtMost = 2 };

struct Mdx_Constraint {
    Mdx_String name;
    int kind = kConstrParallel;
    Mdx_String object1;
    Mdx_String object2;
    // A measuring rule (distance, angle, radius) is driven by a variable and its value.
    Mdx_String variable;
    Mdx_String value;
    int bound = kBoundExact;
    bool driving = true;
    bool shown = false;  // offered in the macro dialog; only a driving rule can be
    // The chosen option of each radio group of the kind, from 1.
    AcArray<int> options;
    Mdx_String cut;  // the cut rule this constraint makes; empty for none

    friend bool operator==(const Mdx_Constraint&, const Mdx_Constraint&) = default;
};

bool isMeasuringConstraint(int kind);
// The number of options of each radio group of the kind (none, one or two groups).
AcArray<int> constraintOptionGroups(int kind);
// A constraint of the kind with every option at 1.
Mdx_Constraint makeConstraint(int kind, const Mdx_String& name);

void writeConstraint(host::FieldWriter& out, const Mdx_Constraint& constraint);
// Refuses unknown kinds and bounds, and options that do not fit the kind's groups.
bool readConstraint(host::FieldReader& in, Mdx_Constraint& constraint);
