#include "core/macro/Mdx_Constraint.h"

#include "core/macro/MacroFields.h"

using namespace macrofields;

bool isMeasuringConstraint(int kind) {
    return kind == kConstrDistance || kind == kConstrAngle || kind == kConstrRadius;
}

AcArray<int> constraintOptionGroups(int kind) {
    switch (kind) {
        case kConstrParallel:
        case kConstrCoincident:
        case kConstrTangent:
        case kConstrAngle:
            return {2};  // same side or opposite
        case kConstrDistance:
            return {3, 2};  // measured from start, centre or end; on either side
        default:
            return AcArray<int>();
    }
}

Mdx_Constraint makeConstraint(int kind, const Mdx_String& name) {
    Mdx_Constraint constraint;
    constraint.name = name;
    constraint.kind = kind;
    const AcArray<int> groups = constraintOptionGroups(kind);
    for (int g = 0; g < groups.length(); ++g) constraint.options.append(1);
    if (isMeasuringConstraint(kind)) constraint.value = "0";
    return constraint;
}

void writeConstraint(host::FieldWriter& out, const Mdx_Constraint& constraint) {
    writeText(out, "constraint.name", constraint.name);
    out.writeInt("constraint.kind", constraint.kind);
    writeText(out, "constraint.object1", constraint.object1);
    writeText(out, "constraint.object2", constraint.object2);
    writeText(out, "constraint.variable", constraint.variable);
    writeText(out, "constraint.value", constraint.value);
    out.writeInt("constraint.bound", constraint.bound);
    out.writeBool("constraint.driving", constraint.driving);
    out.writeBool("constraint.shown", constraint.shown);
    out.writeInt("constraint.options", constraint.options.length());
    for (int i = 0; i < constraint.options.length(); ++i)
        out.writeInt("constraint.option", constraint.options[i]);
    writeText(out, "constraint.cut", constraint.cut);
}

namespace {

bool readOptions(host::FieldReader& in, Mdx_Constraint& constraint) {
    int count = 0;
    if (!readCount(in, "constraint.options", count)) return false;
    const AcArray<int> groups = constraintOptionGroups(constraint.kind);
    if (count != groups.length()) {
        in.fail("constraint \"" + constraint.name.toUtf8() + "\" has " + std::to_string(count) +
                " option groups, its kind has " + std::to_string(groups.length()));
        return false;
    }
    constraint.options.setLogicalLength(0);
    for (int g = 0; g < count; ++g) {
        int option = 0;
        if (!in.readInt("constraint.option", option)) return false;
        if (option < 1 || option > groups[g]) {
            in.fail("constraint \"" + constraint.name.toUtf8() + "\" has an option out of range: " +
                    std::to_string(option));
            return false;
        }
        constraint.options.append(option);
    }
    return true;
}

}  // namespace

bool readConstraint(host::FieldReader& in, Mdx_Constraint& constraint) {
    if (!readText(in, "constraint.name", constraint.name) ||
        !in.readInt("constraint.kind", constraint.kind))
        return false;
    if (constraint.kind < 0 || constraint.kind >= mdxConstraintKindCount) {
        in.fail("constraint \"" + constraint.name.toUtf8() + "\" has an unknown kind " +
                std::to_string(constraint.kind));
        return false;
    }
    if (!readText(in, "constraint.object1", constraint.object1) ||
        !readText(in, "constraint.object2", constraint.object2) ||
        !readText(in, "constraint.variable", constraint.variable) ||
        !readText(in, "constraint.value", constraint.value) ||
        !in.readInt("constraint.bound", constraint.bound))
        return false;
    if (constraint.bound < kBoundExact || constraint.bound > kBoundAtMost) {
        in.fail("constraint \"" + constraint.name.toUtf8() + "\" has an unknown bound " +
                std::to_string(constraint.bound));
        return false;
    }
    return in.readBool("constraint.driving", constraint.driving) &&
           in.readBool("constraint.shown", constraint.shown) && readOptions(in, constraint) &&
           readText(in, "constraint.cut", constraint.cut);
}
