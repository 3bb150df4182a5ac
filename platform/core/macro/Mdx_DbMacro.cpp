#include "core/macro/Mdx_DbMacro.h"

#include "core/macro/MacroFields.h"

using namespace macrofields;

void Mdx_DbMacro::writeFields(host::FieldWriter& out) const {
    out.writeBool("hasMacro", macro_ != nullptr);
    if (macro_) macro_->writeFields(out);
    writeIds(out, "baseProfs", "baseProf", baseProfIds_);
}

Acad::ErrorStatus Mdx_DbMacro::readFields(host::FieldReader& in) {
    bool hasMacro = false;
    if (!in.readBool("hasMacro", hasMacro)) return in.status();
    std::unique_ptr<Mdx_Macro> macro;
    if (hasMacro) {
        macro = std::make_unique<Mdx_Macro>();
        if (!macro->readFields(in)) return in.status();
    }
    AcArray<AcDbObjectId> baseProfs;
    if (!readIds(in, "baseProfs", "baseProf", baseProfs)) return in.status();
    if (!in.atEnd()) {
        in.fail("unexpected fields after the base profiles");
        return in.status();
    }
    macro_ = std::move(macro);
    baseProfIds_ = std::move(baseProfs);
    return Acad::eOk;
}
