#include "core/macro/Mdx_DbPattern.h"

#include "core/macro/MacroFields.h"

using namespace macrofields;

void Mdx_DbPattern::writeFields(host::FieldWriter& out) const {
    writeText(out, "name", name_);
    out.writeInt("type", pattern_.typeCode);
    out.writeInt("nrBolts1", pattern_.nrBolts1);
    out.writeReal("spacing1", pattern_.spacing1);
    out.writeBool("reverseStart1", pattern_.reverseStart1);
    out.writeInt("nrBolts2", pattern_.nrBolts2);
    out.writeReal("spacing2", pattern_.spacing2);
    out.writeBool("reverseStart2", pattern_.reverseStart2);
    if (hasOrigin_) writePoint(out, "origin", origin_);
}

Acad::ErrorStatus Mdx_DbPattern::readFields(host::FieldReader& in) {
    Mdx_String name;
    Mdx_Pattern read;
    if (!readText(in, "name", name) || !in.readInt("type", read.typeCode) ||
        !in.readInt("nrBolts1", read.nrBolts1) || !in.readReal("spacing1", read.spacing1) ||
        !in.readBool("reverseStart1", read.reverseStart1) ||
        !in.readInt("nrBolts2", read.nrBolts2) || !in.readReal("spacing2", read.spacing2) ||
        !in.readBool("reverseStart2", read.reverseStart2))
        return in.status();
    if (read.typeCode != Mdx_Pattern::kOneDirection &&
        read.typeCode != Mdx_Pattern::kTwoDirections) {
        in.fail("pattern \"" + name.toUtf8() + "\" has an unknown type " +
                std::to_string(read.typeCode));
        return in.status();
    }
    if (read.nrBolts1 < 0 || read.nrBolts2 < 0) {
        in.fail("pattern \"" + name.toUtf8() + "\" has a negative bolt count");
        return in.status();
    }
    Mdx_Point3 origin{};
    const bool hasOrigin = in.nextIs("origin.x");
    if (hasOrigin && !readPoint(in, "origin", origin)) return in.status();
    if (!in.atEnd()) {
        in.fail("unexpected fields after the pattern");
        return in.status();
    }
    name_ = name;
    pattern_ = read;
    hasOrigin_ = hasOrigin;
    origin_ = origin;
    return Acad::eOk;
}
