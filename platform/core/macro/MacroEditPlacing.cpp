#include "core/macro/MacroEditPlacing.h"

#include <memory>

#include "core/macro/MacroEditAccess.h"
#include "core/macro/MacroEditPickers.h"
#include "core/macro/Mdx_BoltModule.h"
#include "core/macro/Mdx_DbPattern.h"

using namespace macro_edit;

namespace {

// prefix followed by the smallest number from 1 that none of the names has (ignoring case).
Mdx_String numbered(const Mdx_StringArray& names, const char* prefix) {
    for (int n = 1;; ++n) {
        Mdx_String name = Mdx_String::format("%s%d", prefix, n);
        if (!names.contains(name, false)) return name;
    }
}

Mdx_StringArray patternNames(const Mdx_BoltModule& module, AcTransaction& t) {
    Mdx_StringArray names;
    for (const AcDbObjectId& id : module.patternIds()) {
        Mdx_DbPattern* pattern = nullptr;
        if (t.getObject(pattern, id) == Acad::eOk) names.append(pattern->name());
    }
    return names;
}

}  // namespace

bool AddBoltPatternAtPick(EditConstrData& ctx) {
    const bool ok = changeMacro(ctx.database, ctx.macroId, [&](Mdx_Macro& macro, AcTransaction& t) {
        auto* module = dynamic_cast<Mdx_BoltModule*>(macro.findModuleWrite(ctx.currentModule));
        Mdx_Point3 at{};
        if (!module || !macro_edit_pickers::takePosition(at)) return false;
        auto pattern = std::make_unique<Mdx_DbPattern>();
        pattern->setName(numbered(patternNames(*module, t), "Pattern"));
        pattern->setOrigin(at);
        AcDbObjectId id;
        if (t.addNewObject(std::move(pattern), id) != Acad::eOk) return false;
        module->patternIds().append(id);
        return true;
    });
    return ok && refreshTables(ctx);
}

bool AddCoordSystemAtPick(EditConstrData& ctx) {
    const bool ok = changeMacro(ctx.database, ctx.macroId, [&](Mdx_Macro& macro, AcTransaction&) {
        Mdx_Module* module = macro.findModuleWrite(ctx.currentModule);
        Mdx_Point3 at{};
        if (!module || !macro_edit_pickers::takePosition(at)) return false;
        Mdx_ModuleDefinition& definition = module->definition();
        Mdx_StringArray names;
        for (const Mdx_CoordSystem& system : definition.coordSystems) names.append(system.name);
        definition.coordSystems.append({numbered(names, "CS"), at});
        return true;
    });
    return ok && refreshTables(ctx);
}

namespace {

bool removeCoordSystem(Mdx_ModuleDefinition& definition, const Mdx_String& name) {
    for (int i = 0; i < definition.coordSystems.length(); ++i)
        if (definition.coordSystems[i].name.equal(name, false))
            return definition.coordSystems.removeAt(i);
    return false;
}

// A placed pattern (it has the picked origin), opened for write; the module's own patterns
// are part of what it is built from and stay. Index: its place in the module's list.
Mdx_DbPattern* placedPattern(Mdx_Module& module, AcTransaction& t, const Mdx_String& name, int& index) {
    auto* bolts = dynamic_cast<Mdx_BoltModule*>(&module);
    if (!bolts) return nullptr;
    for (index = 0; index < bolts->patternIds().length(); ++index) {
        Mdx_DbPattern* pattern = nullptr;
        if (t.getObject(pattern, bolts->patternIds()[index], host::OpenMode::ForWrite) == Acad::eOk &&
            pattern->hasOrigin() && pattern->name().equal(name, false))
            return pattern;
    }
    return nullptr;
}

// The pattern is erased from the drawing as well: nothing else refers to it.
bool removePattern(Mdx_Module& module, AcTransaction& t, const Mdx_String& name) {
    int index = -1;
    Mdx_DbPattern* pattern = placedPattern(module, t, name, index);
    if (!pattern || pattern->erase() != Acad::eOk) return false;
    static_cast<Mdx_BoltModule&>(module).patternIds().removeAt(index);
    return true;
}

bool isPlaced(Mdx_Module& module, AcTransaction& t, const Mdx_String& name) {
    for (const Mdx_CoordSystem& system : module.definition().coordSystems)
        if (system.name.equal(name, false)) return true;
    int index = -1;
    return placedPattern(module, t, name, index) != nullptr;
}

}  // namespace

bool RemovePlacedObject(EditConstrData& ctx, const Mdx_String& name, Mdx_String& usedBy) {
    usedBy = Mdx_String();
    const bool ok = changeMacro(ctx.database, ctx.macroId, [&](Mdx_Macro& macro, AcTransaction& t) {
        Mdx_Module* module = macro.findModuleWrite(ctx.currentModule);
        if (!module || name.isEmpty() || !isPlaced(*module, t, name)) return false;
        Mdx_ModuleDefinition& definition = module->definition();
        for (const Mdx_Constraint& constraint : definition.constraints)
            if (constraint.object1.equal(name, false) || constraint.object2.equal(name, false)) {
                usedBy = constraint.name;
                return false;
            }
        if (!removeCoordSystem(definition, name) && !removePattern(*module, t, name)) return false;
        Mdx_ObjectSetting fresh;
        fresh.name = name;
        definition.setObjectSetting(fresh);  // a fresh setting is not kept
        return true;
    });
    return ok && refreshTables(ctx);
}
