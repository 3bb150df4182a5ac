#include "core/macro/Mdx_ModuleDefinition.h"

#include "core/macro/MacroFields.h"

using namespace macrofields;

bool Mdx_ModuleDefinition::isEmpty() const {
    return constraints.isEmpty() && objects.isEmpty() && variableTypes.isEmpty() &&
           equations.isEmpty() && coordSystems.isEmpty();
}

Mdx_Constraint* Mdx_ModuleDefinition::findConstraint(const Mdx_String& name) {
    for (Mdx_Constraint& constraint : constraints)
        if (constraint.name.equal(name, false)) return &constraint;
    return nullptr;
}

Mdx_ObjectSetting Mdx_ModuleDefinition::objectSetting(const Mdx_String& name) const {
    for (const Mdx_ObjectSetting& setting : objects)
        if (setting.name.equal(name, false)) return setting;
    Mdx_ObjectSetting fresh;
    fresh.name = name;
    return fresh;
}

void Mdx_ModuleDefinition::setObjectSetting(const Mdx_ObjectSetting& setting) {
    Mdx_ObjectSetting fresh;
    fresh.name = setting.name;
    for (int i = 0; i < objects.length(); ++i) {
        if (!objects[i].name.equal(setting.name, false)) continue;
        if (setting == fresh)
            objects.removeAt(i);
        else
            objects[i] = setting;
        return;
    }
    if (!(setting == fresh)) objects.append(setting);
}

int Mdx_ModuleDefinition::variableType(const Mdx_String& name) const {
    for (const Mdx_VariableType& entry : variableTypes)
        if (entry.name.equal(name, false)) return entry.type;
    return 0;
}

void Mdx_ModuleDefinition::renameObject(const Mdx_String& from, const Mdx_String& to) {
    for (Mdx_ObjectSetting& setting : objects)
        if (setting.name.equal(from, false)) setting.name = to;
    for (Mdx_Constraint& constraint : constraints) {
        if (constraint.object1.equal(from, false)) constraint.object1 = to;
        if (constraint.object2.equal(from, false)) constraint.object2 = to;
    }
}

void Mdx_ModuleDefinition::writeFields(host::FieldWriter& out) const {
    if (isEmpty()) return;
    out.writeInt("editor.constraints", constraints.length());
    for (const Mdx_Constraint& constraint : constraints) writeConstraint(out, constraint);
    out.writeInt("editor.objects", objects.length());
    for (const Mdx_ObjectSetting& setting : objects) {
        writeText(out, "object.name", setting.name);
        out.writeInt("object.flexibility", setting.flexibility);
        out.writeBool("object.constrained", setting.constrained);
    }
    out.writeInt("editor.varTypes", variableTypes.length());
    for (const Mdx_VariableType& entry : variableTypes) {
        writeText(out, "varType.name", entry.name);
        out.writeInt("varType.type", entry.type);
    }
    out.writeInt("editor.equations", equations.length());
    for (const Mdx_String& line : equations) writeText(out, "equation", line);
    // Only when there are any, so groups written before coordinate systems keep their bytes.
    if (coordSystems.isEmpty()) return;
    out.writeInt("editor.coordSystems", coordSystems.length());
    for (const Mdx_CoordSystem& system : coordSystems) {
        writeText(out, "coordSys.name", system.name);
        writePoint(out, "coordSys.origin", system.origin);
    }
}

namespace {

bool inRange(host::FieldReader& in, const char* what, int value, int low, int high) {
    if (value >= low && value <= high) return true;
    in.fail(std::string(what) + " is out of range: " + std::to_string(value));
    return false;
}

template <class F>
bool readList(host::FieldReader& in, std::string_view countName, F readOne) {
    int count = 0;
    if (!readCount(in, countName, count)) return false;
    for (int i = 0; i < count; ++i)
        if (!readOne()) return false;
    return true;
}

}  // namespace

bool Mdx_ModuleDefinition::readFields(host::FieldReader& in) {
    Mdx_ModuleDefinition read;
    if (!in.nextIs("editor.constraints")) {
        *this = read;
        return true;
    }
    const bool ok =
        readList(in, "editor.constraints",
                 [&] {
                     Mdx_Constraint constraint;
                     if (!readConstraint(in, constraint)) return false;
                     read.constraints.append(constraint);
                     return true;
                 }) &&
        readList(in, "editor.objects",
                 [&] {
                     Mdx_ObjectSetting setting;
                     if (!readText(in, "object.name", setting.name) ||
                         !in.readInt("object.flexibility", setting.flexibility) ||
                         !inRange(in, "object.flexibility", setting.flexibility, kFlexFixed,
                                  kFlexFree) ||
                         !in.readBool("object.constrained", setting.constrained))
                         return false;
                     read.objects.append(setting);
                     return true;
                 }) &&
        readList(in, "editor.varTypes",
                 [&] {
                     Mdx_VariableType entry;
                     if (!readText(in, "varType.name", entry.name) ||
                         !in.readInt("varType.type", entry.type) ||
                         !inRange(in, "varType.type", entry.type, 0, mdxVariableTypeCount - 1))
                         return false;
                     read.variableTypes.append(entry);
                     return true;
                 }) &&
        readList(in, "editor.equations", [&] {
            Mdx_String line;
            if (!readText(in, "equation", line)) return false;
            read.equations.append(line);
            return true;
        }) &&
        (!in.nextIs("editor.coordSystems") ||
         readList(in, "editor.coordSystems", [&] {
             Mdx_CoordSystem system;
             if (!readText(in, "coordSys.name", system.name) ||
                 !readPoint(in, "coordSys.origin", system.origin))
                 return false;
             read.coordSystems.append(system);
             return true;
         }));
    if (ok) *this = std::move(read);
    return ok;
}
