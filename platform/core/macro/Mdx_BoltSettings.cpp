#include "core/macro/Mdx_BoltSettings.h"

#include <string>

#include "core/macro/MacroFields.h"

using namespace macrofields;

namespace {

void mergeText(Mdx_String& into, const Mdx_String& other) {
    if (!into.equal(other, true)) into.setEmpty();
}

void applyText(const Mdx_String& merged, Mdx_String& own) {
    if (!merged.isEmpty()) own = merged;
}

bool readRanged(host::FieldReader& in, std::string_view name, int low, int high, int& value) {
    int read = 0;
    if (!in.readInt(name, read)) return false;
    if (read < low || read > high) {
        in.fail("field \"" + std::string(name) + "\" is out of range: " + std::to_string(read));
        return false;
    }
    value = read;
    return true;
}

}  // namespace

void Mdx_BoltSettings::merge(const Mdx_BoltSettings& other) {
    for (auto member : {&Mdx_BoltSettings::assembly, &Mdx_BoltSettings::diameter,
                        &Mdx_BoltSettings::holeOffset, &Mdx_BoltSettings::penetrationLength,
                        &Mdx_BoltSettings::addedLength, &Mdx_BoltSettings::holeTolerance})
        mergeText(this->*member, other.*member);
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i] != other.options[i]) options[i] = kMixedOption;
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (parts[i] != other.parts[i] && other.parts[i] != kNotApplicable &&
            parts[i] != kNotApplicable)
            parts[i] = 1;  // present in one macro: shown ticked, applying keeps each its own
    if (count != other.count) count = 0;
    for (int i = 0; i < slottedHoles.length() && i < other.slottedHoles.length(); ++i) {
        Mdx_SlottedHole& hole = slottedHoles[i];
        const Mdx_SlottedHole& theirs = other.slottedHoles[i];
        for (std::size_t t = 0; t < hole.texts.size(); ++t) mergeText(hole.texts[t], theirs.texts[t]);
        if (hole.typeIndex != theirs.typeIndex) hole.typeIndex = -1;
    }
}

void Mdx_BoltSettings::applyTo(Mdx_BoltSettings& own) const {
    for (auto member : {&Mdx_BoltSettings::assembly, &Mdx_BoltSettings::diameter,
                        &Mdx_BoltSettings::holeOffset, &Mdx_BoltSettings::penetrationLength,
                        &Mdx_BoltSettings::addedLength, &Mdx_BoltSettings::holeTolerance})
        applyText(this->*member, own.*member);
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i] != kMixedOption) own.options[i] = options[i];
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (parts[i] != kNotApplicable && own.parts[i] != kNotApplicable) own.parts[i] = parts[i];
    if (count > 0) own.countFlag = countFlag;
    own.holeColumns = holeColumns;
    for (int i = 0; i < slottedHoles.length(); ++i) {
        if (!own.slottedHoles.isValidIndex(i)) own.slottedHoles.append(Mdx_SlottedHole{});
        Mdx_SlottedHole& hole = own.slottedHoles[i];
        hole.active = slottedHoles[i].active;
        for (std::size_t t = 0; t < hole.texts.size(); ++t)
            applyText(slottedHoles[i].texts[t], hole.texts[t]);
        if (slottedHoles[i].typeIndex >= 0) hole.typeIndex = slottedHoles[i].typeIndex;
    }
}

void Mdx_BoltSettings::writeFields(host::FieldWriter& out) const {
    Mdx_BoltSettings fresh;
    fresh.diameter = diameter;
    fresh.holeOffset = holeOffset;
    if (*this == fresh) return;
    writeText(out, "bolts.assembly", assembly);
    writeText(out, "bolts.penetration", penetrationLength);
    writeText(out, "bolts.added", addedLength);
    writeText(out, "bolts.tolerance", holeTolerance);
    for (int option : options) out.writeInt("bolts.option", option);
    for (int part : parts) out.writeInt("bolts.part", part);
    out.writeInt("bolts.count", count);
    out.writeBool("bolts.countFlag", countFlag);
    out.writeInt("holeColumns", holeColumns.length());
    for (const Mdx_HoleColumn& column : holeColumns) {
        out.writeBool("holeColumn.flag", column.flag);
        writeText(out, "holeColumn.name", column.name);
    }
    out.writeInt("slottedHoles", slottedHoles.length());
    for (const Mdx_SlottedHole& hole : slottedHoles) {
        out.writeBool("slot.active", hole.active);
        for (const Mdx_String& text : hole.texts) writeText(out, "slot.text", text);
        out.writeInt("slot.type", hole.typeIndex);
    }
}

bool Mdx_BoltSettings::readFields(host::FieldReader& in) {
    if (!in.nextIs("bolts.assembly")) return true;  // a drawing from before these settings
    Mdx_BoltSettings read;
    read.diameter = diameter;
    read.holeOffset = holeOffset;
    if (!readText(in, "bolts.assembly", read.assembly) ||
        !readText(in, "bolts.penetration", read.penetrationLength) ||
        !readText(in, "bolts.added", read.addedLength) ||
        !readText(in, "bolts.tolerance", read.holeTolerance))
        return false;
    for (int& option : read.options)
        if (!readRanged(in, "bolts.option", 0, kMixedOption, option)) return false;
    for (int& part : read.parts)
        if (!readRanged(in, "bolts.part", kNotApplicable, 1, part)) return false;
    int count = 0;
    if (!readCount(in, "bolts.count", read.count) ||
        !in.readBool("bolts.countFlag", read.countFlag) || !readCount(in, "holeColumns", count))
        return false;
    for (int i = 0; i < count; ++i) {
        Mdx_HoleColumn column;
        if (!in.readBool("holeColumn.flag", column.flag) ||
            !readText(in, "holeColumn.name", column.name))
            return false;
        read.holeColumns.append(std::move(column));
    }
    if (!readCount(in, "slottedHoles", count)) return false;
    for (int i = 0; i < count; ++i) {
        Mdx_SlottedHole hole;
        if (!in.readBool("slot.active", hole.active)) return false;
        for (Mdx_String& text : hole.texts)
            if (!readText(in, "slot.text", text)) return false;
        if (!readRanged(in, "slot.type", -1, 2, hole.typeIndex)) return false;
        read.slottedHoles.append(std::move(hole));
    }
    *this = std::move(read);
    return true;
}
