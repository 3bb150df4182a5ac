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

Mdx_ModuleArray* Mdx_Module::findArray(const Mdx_String& name) {
    for (Mdx_ModuleArray& array : arrays_)
        if (array.name.equal(name, false)) return &array;
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
    // Later fields appear only when they differ from a fresh variable's, so drawings that
    // do not use them keep their bytes.
    if (variable.kind != kVarDistance) out.writeInt("variable.kind", variable.kind);
    if (!variable.text.isEmpty()) writeText(out, "variable.text", variable.text);
    if (!variable.formula.isEmpty()) writeText(out, "variable.formula", variable.formula);
}

bool readVariableExtras(host::FieldReader& in, Mdx_DialogVariable& variable) {
    if (in.nextIs("variable.kind")) {
        if (!in.readInt("variable.kind", variable.kind)) return false;
        if (variable.kind < kVarDistance || variable.kind > kVarCheck) {
            in.fail("variable \"" + variable.name.toUtf8() + "\" has an unknown kind " +
                    std::to_string(variable.kind));
            return false;
        }
    }
    if (in.nextIs("variable.text") && !readText(in, "variable.text", variable.text)) return false;
    return !in.nextIs("variable.formula") || readText(in, "variable.formula", variable.formula);
}

bool readVariable(host::FieldReader& in, Mdx_DialogVariable& variable) {
    return readText(in, "variable.name", variable.name) &&
           in.readReal("variable.value", variable.value) &&
           in.readBool("variable.input", variable.isInput) &&
           in.readBool("variable.flexFix", variable.hasFlexFix) &&
           in.readBool("variable.flexible", variable.flexible) && readVariableExtras(in, variable);
}

void writeArray(host::FieldWriter& out, const Mdx_ModuleArray& array) {
    writeText(out, "array.name", array.name);
    out.writeInt("array.kind", array.kind);
    for (const Mdx_String& value : array.values) writeText(out, "array.value", value);
    out.writeInt("array.entries", array.entries.length());
    for (const Mdx_ArrayEntry& entry : array.entries) {
        writeText(out, "entry.name", entry.name);
        writeText(out, "entry.value", entry.value);
    }
}

bool readArray(host::FieldReader& in, Mdx_ModuleArray& array) {
    int count = 0;
    if (!readText(in, "array.name", array.name) || !in.readInt("array.kind", array.kind))
        return false;
    if (array.kind != Mdx_ModuleArray::kListArray && array.kind != Mdx_ModuleArray::kSpacedArray) {
        in.fail("array \"" + array.name.toUtf8() + "\" has an unknown kind " +
                std::to_string(array.kind));
        return false;
    }
    for (Mdx_String& value : array.values)
        if (!readText(in, "array.value", value)) return false;
    if (!readCount(in, "array.entries", count)) return false;
    for (int i = 0; i < count; ++i) {
        Mdx_ArrayEntry entry;
        if (!readText(in, "entry.name", entry.name) || !readText(in, "entry.value", entry.value))
            return false;
        array.entries.append(std::move(entry));
    }
    return true;
}

// Only the offsets of the cut's type are saved, in offset order.
void writeCut(host::FieldWriter& out, const Mdx_CutConstraint& cut) {
    writeText(out, "cut.name", cut.name);
    out.writeInt("cut.type", cut.cutType);
    AcArray<int> types;
    getCutOffsets(cut.cutType, types);
    for (int type : types) out.writeReal("cut.offset", cut.offsets[static_cast<std::size_t>(type)]);
    writeCutOptions(out, cut.options);
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
    return readCutOptions(in, cut.options);
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
    writeDialogFields(out);
}

void Mdx_Module::writeDialogFields(host::FieldWriter& out) const {
    if (!designPath_.isEmpty()) writeText(out, "module.design", designPath_);
    if (!arrays_.isEmpty()) {
        out.writeInt("arrays", arrays_.length());
        for (const Mdx_ModuleArray& array : arrays_) writeArray(out, array);
    }
    if (!block_.folder.isEmpty()) {
        writeText(out, "block.folder", block_.folder);
        writeText(out, "block.name", block_.name);
    }
    definition_.writeFields(out);
}

bool Mdx_Module::readDialogFields(host::FieldReader& in) {
    designPath_.setEmpty();
    arrays_.setEmpty();
    block_ = {};
    if (in.nextIs("module.design") && !readText(in, "module.design", designPath_)) return false;
    if (in.nextIs("arrays")) {
        int count = 0;
        if (!readCount(in, "arrays", count)) return false;
        for (int i = 0; i < count; ++i) {
            Mdx_ModuleArray array;
            if (!readArray(in, array)) return false;
            arrays_.append(std::move(array));
        }
    }
    if (in.nextIs("block.folder") &&
        !(readText(in, "block.folder", block_.folder) && readText(in, "block.name", block_.name)))
        return false;
    return definition_.readFields(in);
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
    return readOwnFields(in) && readDialogFields(in);
}
