#include "core/macro/Mdx_Macro.h"

#include "core/macro/MacroFields.h"

using namespace macrofields;

Mdx_Macro::Mdx_Macro(const Mdx_Macro& other)
    : name_(other.name_), genVarNames_(other.genVarNames_), genVarValues_(other.genVarValues_) {
    for (const auto& module : other.modules_) modules_.push_back(module->clone());
}

Mdx_Macro& Mdx_Macro::operator=(const Mdx_Macro& other) {
    if (this != &other) *this = Mdx_Macro(other);
    return *this;
}

Mdx_Module* Mdx_Macro::moduleAt(int index) {
    return index >= 0 && index < moduleCount() ? modules_[static_cast<std::size_t>(index)].get()
                                               : nullptr;
}

const Mdx_Module* Mdx_Macro::moduleAt(int index) const {
    return const_cast<Mdx_Macro*>(this)->moduleAt(index);
}

Mdx_Module& Mdx_Macro::addModule(std::unique_ptr<Mdx_Module> module) {
    modules_.push_back(std::move(module));
    return *modules_.back();
}

bool Mdx_Macro::removeModule(int index) {
    if (index < 0 || index >= moduleCount()) return false;
    modules_.erase(modules_.begin() + index);
    return true;
}

void Mdx_Macro::getModuleNames(Mdx_StringArray& names) const {
    names.setEmpty();
    for (const auto& module : modules_) names.append(module->name());
}

const Mdx_Module* Mdx_Macro::findModule(const Mdx_String& name) const {
    return const_cast<Mdx_Macro*>(this)->findModuleWrite(name);
}

Mdx_Module* Mdx_Macro::findModuleWrite(const Mdx_String& name) {
    for (const auto& module : modules_)
        if (module->name().equal(name, false)) return module.get();
    return nullptr;
}

void Mdx_Macro::getGeneralVariables(Mdx_StringArray& names) const {
    names = genVarNames_;
}

int Mdx_Macro::findGeneralVariable(const Mdx_String& name) const {
    return genVarNames_.find(name, false);
}

bool Mdx_Macro::hasGeneralVariable(const Mdx_String& name) const {
    return findGeneralVariable(name) >= 0;
}

double Mdx_Macro::generalVariableValue(const Mdx_String& name) const {
    int index = findGeneralVariable(name);
    return index < 0 ? 0.0 : genVarValues_[static_cast<std::size_t>(index)];
}

void Mdx_Macro::setGeneralVariable(const Mdx_String& name, double value) {
    int index = findGeneralVariable(name);
    if (index >= 0) {
        genVarValues_[static_cast<std::size_t>(index)] = value;
        return;
    }
    genVarNames_.append(name);
    genVarValues_.push_back(value);
}

void Mdx_Macro::writeFields(host::FieldWriter& out) const {
    writeText(out, "macro.name", name_);
    out.writeInt("modules", moduleCount());
    for (const auto& module : modules_) {
        out.writeInt("module.type", module->typeCode());
        module->writeFields(out);
    }
    out.writeInt("genVars", genVarNames_.length());
    for (int i = 0; i < genVarNames_.length(); ++i) {
        writeText(out, "genVar.name", genVarNames_[i]);
        out.writeReal("genVar.value", genVarValues_[static_cast<std::size_t>(i)]);
    }
}

bool Mdx_Macro::readFields(host::FieldReader& in) {
    Mdx_Macro read;
    int count = 0;
    if (!readText(in, "macro.name", read.name_) || !readCount(in, "modules", count)) return false;
    for (int i = 0; i < count; ++i) {
        int typeCode = 0;
        if (!in.readInt("module.type", typeCode)) return false;
        std::unique_ptr<Mdx_Module> module = Mdx_Module::create(typeCode);
        if (!module) {
            in.fail("module " + std::to_string(i) + " has an unknown type code " +
                    std::to_string(typeCode));
            return false;
        }
        if (!module->readFields(in)) return false;
        read.modules_.push_back(std::move(module));
    }
    if (!readCount(in, "genVars", count)) return false;
    for (int i = 0; i < count; ++i) {
        Mdx_String name;
        double value = 0;
        if (!readText(in, "genVar.name", name) || !in.readReal("genVar.value", value)) return false;
        read.genVarNames_.append(name);
        read.genVarValues_.push_back(value);
    }
    *this = std::move(read);
    return true;
}
