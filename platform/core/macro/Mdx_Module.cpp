#include "core/macro/Mdx_Module.h"

#include "core/macro/MacroFields.h"
#include "core/macro/Mdx_BoltModule.h"
#include "core/macro/Mdx_ProfModule.h"

using namespace macrofields;

std::unique_ptr<Mdx_Module> Mdx_Module::create(int typeCode) {
    switch (typeCode) {
        case kGeneralModule:
        case kPlateModule:
            return std::unique_ptr<Mdx_Module>(new Mdx_Module(typeCode));
        case kBoltModule:
            return std::make_unique<Mdx_BoltModule>();
        case kProfModule:
            return std::make_unique<Mdx_ProfModule>();
        default:
            return nullptr;
    }
}

std::unique_ptr<Mdx_Module> Mdx_Module::clone() const {
    return std::unique_ptr<Mdx_Module>(new Mdx_Module(*this));
}

Mdx_String Mdx_Module::effectiveGroupName() const {
    return groupName_.isEmpty() ? name_ : groupName_;
}

Mdx_DialogVariable* Mdx_Module::findDialogVariable(const Mdx_String& name) {
    for (Mdx_DialogVariable& variable : variables_)
        if (variable.name.equal(name, false)) return &variable;
    return nullptr;
}

Mdx_CutConstraint* Mdx_Module::findCut(const Mdx_String& name) {
    for (Mdx_CutConstraint& cut : cuts_)
        if (cut.name.equal(name, false)) return &cut;
    return nullptr;
}

namespace {

void writeVariable(host::FieldWriter& out, const Mdx_DialogVariable& variable) {
    writeText(out, "variable.name", variable.name);
    out.writeReal("variable.value", variable.value);
    out.writeBool("variable.input", variable.isInput);
    out.writeBool("variable.flexFix", variable.hasFlexFix);
    out.writeBool("variable.flexible", variable.flexible);
}

bool readVariable(host::FieldReader& in, Mdx_DialogVariable& variable) {
    return readText(in, "variable.name", variable.name) &&
           in.readReal("variable.value", variable.value) &&
           in.readBool("variable.input", variable.isInput) &&
           in.readBool("variable.flexFix", variable.hasFlexFix) &&
           in.readBool("variable.flexible", variable.flexible);
}

// Only the offsets of the cut's type are saved, in offset order.
void writeCut(host::FieldWriter& out, const Mdx_CutConstraint& cut) {
    writeText(out, "cut.name", cut.name);
    out.writeInt("cut.type", cut.cutType);
    AcArray<int> types;
    getCutOffsets(cut.cutType, types);
    for (int type : types) out.writeReal("cut.offset", cut.offsets[static_cast<std::size_t>(type)]);
}

bool readCut(host::FieldReader& in, Mdx_CutConstraint& cut) {
    if (!readText(in, "cut.name", cut.name) || !in.readInt("cut.type", cut.cutType)) return false;
    AcArray<int> types;
    if (getCutOffsets(cut.cutType, types) != Acad::eOk) {
        in.fail("cut \"" + cut.name.toUtf8() + "\" has an unknown cut type " +
                std::to_string(cut.cutType));
        return false;
    }
    for (int type : types)
        if (!in.readReal("cut.offset", cut.offsets[static_cast<std::size_t>(type)])) return false;
    return true;
}

}  // namespace

void Mdx_Module::writeFields(host::FieldWriter& out) const {
    writeText(out, "module.name", name_);
    writeText(out, "module.group", groupName_);
    out.writeInt("variables", variables_.length());
    for (const Mdx_DialogVariable& variable : variables_) writeVariable(out, variable);
    out.writeInt("cuts", cuts_.length());
    for (const Mdx_CutConstraint& cut : cuts_) writeCut(out, cut);
    out.writeInt("prpls", prpls_.length());
    for (const Mdx_NamedPrpl& prpl : prpls_) {
        writeText(out, "prpl.name", prpl.name);
        out.writeId("prpl.id", prpl.id);
    }
    writeOwnFields(out);
}

bool Mdx_Module::readFields(host::FieldReader& in) {
    int count = 0;
    if (!readText(in, "module.name", name_) || !readText(in, "module.group", groupName_) ||
        !readCount(in, "variables", count))
        return false;
    variables_.setEmpty();
    for (int i = 0; i < count; ++i) {
        Mdx_DialogVariable variable;
        if (!readVariable(in, variable)) return false;
        variables_.append(std::move(variable));
    }
    if (!readCount(in, "cuts", count)) return false;
    cuts_.setEmpty();
    for (int i = 0; i < count; ++i) {
        Mdx_CutConstraint cut;
        if (!readCut(in, cut)) return false;
        cuts_.append(std::move(cut));
    }
    if (!readCount(in, "prpls", count)) return false;
    prpls_.setEmpty();
    for (int i = 0; i < count; ++i) {
        Mdx_NamedPrpl prpl;
        if (!readText(in, "prpl.name", prpl.name) || !in.readId("prpl.id", prpl.id)) return false;
        prpls_.append(std::move(prpl));
    }
    return readOwnFields(in);
}
