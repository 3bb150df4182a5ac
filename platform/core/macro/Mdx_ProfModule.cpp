#include "core/macro/Mdx_ProfModule.h"

#include "core/macro/MacroFields.h"

using namespace macrofields;

std::unique_ptr<Mdx_Module> Mdx_ProfModule::clone() const {
    return std::make_unique<Mdx_ProfModule>(*this);
}

Mdx_ProfPlacement* Mdx_ProfModule::findPlacement(const Mdx_String& name) {
    for (Mdx_ProfPlacement& placement : placements_)
        if (placement.name.equal(name, false)) return &placement;
    return nullptr;
}

void Mdx_ProfModule::writeOwnFields(host::FieldWriter& out) const {
    out.writeInt("placements", placements_.length());
    for (const Mdx_ProfPlacement& placement : placements_) {
        writeText(out, "placement.name", placement.name);
        writeText(out, "placement.member", placement.memberName);
        out.writeId("placement.profile", placement.profileId);
        // The position fields appear only when they differ from a fresh placement's.
        const Mdx_ProfPlacement fresh;
        if (placement.offsetType == fresh.offsetType && placement.rotation == fresh.rotation &&
            placement.basePlane == fresh.basePlane && placement.hasCoordSys == fresh.hasCoordSys)
            continue;
        out.writeInt("placement.offset", placement.offsetType);
        writeText(out, "placement.rotation", placement.rotation);
        writeText(out, "placement.plane", placement.basePlane);
        out.writeBool("placement.coordSys", placement.hasCoordSys);
    }
    segments_.writeFields(out);
}

bool Mdx_ProfModule::readOwnFields(host::FieldReader& in) {
    int count = 0;
    if (!readCount(in, "placements", count)) return false;
    placements_.setEmpty();
    for (int i = 0; i < count; ++i) {
        Mdx_ProfPlacement placement;
        if (!readText(in, "placement.name", placement.name) ||
            !readText(in, "placement.member", placement.memberName) ||
            !in.readId("placement.profile", placement.profileId))
            return false;
        if (in.nextIs("placement.offset") &&
            (!in.readInt("placement.offset", placement.offsetType) ||
             !readText(in, "placement.rotation", placement.rotation) ||
             !readText(in, "placement.plane", placement.basePlane) ||
             !in.readBool("placement.coordSys", placement.hasCoordSys)))
            return false;
        placements_.append(std::move(placement));
    }
    return segments_.readFields(in);
}
