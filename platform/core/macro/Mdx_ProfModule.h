#pragma once
// A profile module: places profiles; each named placement carries the member name that the
// bill of materials and the drawing labels show.
#include "core/macro/Mdx_Module.h"
#include "core/macro/Mdx_ProfSegments.h"

struct Mdx_ProfPlacement {
    Mdx_String name;
    Mdx_String memberName;
    AcDbObjectId profileId;  // the placed Mdx_DbProfile
    // How the section sits: one of the core's offset types, the rotation in degrees (text as
    // entered), and the plane it lies in (a named plane, or "xp" for a picked coordinate
    // system, which then is set).
    int offsetType = 0;
    Mdx_String rotation = "0";
    Mdx_String basePlane;
    bool hasCoordSys = false;
};

class Mdx_ProfModule : public Mdx_Module {
public:
    Mdx_ProfModule() : Mdx_Module(kProfModule) {}
    std::unique_ptr<Mdx_Module> clone() const override;

    Mdx_Array<Mdx_ProfPlacement>& profArray() { return placements_; }
    const Mdx_Array<Mdx_ProfPlacement>& profArray() const { return placements_; }
    Mdx_ProfPlacement* findPlacement(const Mdx_String& name);
    // The segments its profiles are made of; none unless the module is segmented.
    Mdx_ProfSegments& segments() { return segments_; }
    const Mdx_ProfSegments& segments() const { return segments_; }

protected:
    void writeOwnFields(host::FieldWriter& out) const override;
    bool readOwnFields(host::FieldReader& in) override;

private:
    Mdx_Array<Mdx_ProfPlacement> placements_;
    Mdx_ProfSegments segments_;
};
