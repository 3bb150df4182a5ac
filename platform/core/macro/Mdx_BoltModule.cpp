#include "core/macro/Mdx_BoltModule.h"

#include "core/macro/MacroFields.h"

using namespace macrofields;

std::unique_ptr<Mdx_Module> Mdx_BoltModule::clone() const {
    return std::make_unique<Mdx_BoltModule>(*this);
}

void Mdx_BoltModule::writeOwnFields(host::FieldWriter& out) const {
    writeText(out, "bolts.diameter", settings_.diameter);
    writeText(out, "bolts.holeOffset", settings_.holeOffset);
    writeIds(out, "patterns", "pattern", patternIds_);
    settings_.writeFields(out);
}

bool Mdx_BoltModule::readOwnFields(host::FieldReader& in) {
    settings_ = {};
    return readText(in, "bolts.diameter", settings_.diameter) &&
           readText(in, "bolts.holeOffset", settings_.holeOffset) &&
           readIds(in, "patterns", "pattern", patternIds_) && settings_.readFields(in);
}
