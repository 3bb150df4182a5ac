#include "core/macro/Mdx_DbProfile.h"

#include "core/macro/MacroFields.h"

using namespace macrofields;

void Mdx_DbProfile::writeFields(host::FieldWriter& out) const {
    writeText(out, "section", sectionName);
    writeText(out, "material", material);
}

Acad::ErrorStatus Mdx_DbProfile::readFields(host::FieldReader& in) {
    Mdx_String readSection, readMaterial;
    if (!readText(in, "section", readSection) || !readText(in, "material", readMaterial))
        return in.status();
    if (!in.atEnd()) {
        in.fail("unexpected fields after the material");
        return in.status();
    }
    sectionName = readSection;
    material = readMaterial;
    return Acad::eOk;
}
