#include "core/macro/Mdx_BoltModule.h"

#include "core/macro/MacroFields.h"

using namespace macrofields;

std::unique_ptr<Mdx_Module> Mdx_BoltModule::clone() const {
    return std::make_unique<Mdx_BoltModule>(*this);
}

void Mdx_BoltModule::writeOwnFields(host::FieldWriter& out) const {
    writeText(out, "bolts.diameter", diameter_);
    writeText(out, "bolts.holeOffset", holeOffset_);
    writeIds(out, "patterns", "pattern", patternIds_);
}

bool Mdx_BoltModule::readOwnFields(host::FieldReader& in) {
    return readText(in, "bolts.diameter", diameter_) &&
           readText(in, "bolts.holeOffset", holeOffset_) &&
           readIds(in, "patterns", "pattern", patternIds_);
}
