// The macro editor's calls on the objects and the variables of a module.
#include "core/StringHelpers.h"
#include "core/macro/StringChecks.h"
#include "core/macro/MacroEditAccess.h"
#include "core/macro/MacroEditing.h"
#include "core/macro/Mdx_BoltModule.h"
#include "core/macro/Mdx_DbPattern.h"

using namespace macro_edit;

namespace {

Mdx_NamedPrpl* prplWithId(Mdx_Module& module, AcDbObjectId id) {
    for (Mdx_NamedPrpl& prpl : module.prpls())
        if (prpl.id == id) return &prpl;
    return nullptr;
}

// A bolt pattern of the module, opened for write; null when the id is none of its patterns.
Mdx_DbPattern* patternWithId(Mdx_Module& module, AcTransaction& t, AcDbObjectId id) {
    auto* bolts = dynamic_cast<Mdx_BoltModule*>(&module);
    Mdx_DbPattern* pattern = nullptr;
    if (!bolts || id.isNull() || !bolts->patternIds().contains(id) ||
        t.getObject(pattern, id, host::OpenMode::ForWrite) != Acad::eOk)
        return nullptr;
    return pattern;
}

// The name of the module's object (profile, plate or bolt pattern) with that id.
bool objectName(Mdx_Module& module, AcTransaction& t, AcDbObjectId id, Mdx_String& name) {
    if (const Mdx_NamedPrpl* prpl = prplWithId(module, id)) {
        name = prpl->name;
        return true;
    }
    const Mdx_DbPattern* pattern = patternWithId(module, t, id);
    if (pattern) name = pattern->name();
    return pattern != nullptr;
}

Mdx_StringArray objectNames(Mdx_Module& module, AcTransaction& t) {
    Mdx_StringArray names;
    for (const Mdx_NamedPrpl& prpl : module.prpls()) names.append(prpl.name);
    if (auto* bolts = dynamic_cast<Mdx_BoltModule*>(&module))
        for (const AcDbObjectId& id : bolts->patternIds())
            if (const Mdx_DbPattern* pattern = patternWithId(module, t, id))
                names.append(pattern->name());
    for (const Mdx_CoordSystem& system : module.definition().coordSystems)
        names.append(system.name);
    return names;
}

// Gives the object with that id its new name; false when the id is no object of the module.
bool renameObject(Mdx_Module& module, AcTransaction& t, AcDbObjectId id, const Mdx_String& name) {
    Mdx_String old;
    if (!objectName(module, t, id, old)) return false;
    if (old == name) return true;
    module.definition().renameObject(old, name);
    if (Mdx_NamedPrpl* prpl = prplWithId(module, id))
        prpl->name = name;
    else
        patternWithId(module, t, id)->setName(name);
    return true;
}

// Runs change on the setting of the object of the current module, then rebuilds the tables.
template <class F>
bool changeObject(EditConstrData& ctx, AcDbObjectId id, F&& change) {
    const bool ok = changeMacro(ctx.database, ctx.macroId, [&](Mdx_Macro& macro, AcTransaction& t) {
        Mdx_Module* module = macro.findModuleWrite(ctx.currentModule);
        Mdx_String name;
        if (!module || !objectName(*module, t, id, name)) return false;
        Mdx_ObjectSetting setting = module->definition().objectSetting(name);
        if (!change(setting)) return false;
        module->definition().setObjectSetting(setting);
        return true;
    });
    return ok && refreshTables(ctx);
}

bool namesAreUnique(const Mdx_StringArray& names) {
    Mdx_StringArray twice;
    return !hasDuplicates(names, twice, false);
}

// The variables as the module will hold them: a kept name keeps what the editor does not
// show (kind, text, formula, flags), a new one is an input distance.
bool rebuildVariables(Mdx_Module& module, const MacroVarsData& vars) {
    Mdx_Array<Mdx_DialogVariable> variables;
    Mdx_Array<Mdx_VariableType> types;
    for (int i = 0; i < vars.names.length(); ++i) {
        Mdx_String name = vars.names[i];
        name.trim();
        if (name.isEmpty()) continue;
        if (!hasOnlyLettersNumbers(name) || startsWithNumber(name)) return false;
        if (vars.types[i] < 0 || vars.types[i] >= mdxVariableTypeCount) return false;
        const Mdx_DialogVariable* kept = module.findDialogVariable(name);
        Mdx_DialogVariable variable = kept ? *kept : Mdx_DialogVariable(name, 0, true, false, false);
        variable.name = name;
        variable.value = vars.values[i];
        variables.append(variable);
        if (vars.types[i] != 0) types.append({name, vars.types[i]});
    }
    Mdx_StringArray names;
    for (const Mdx_DialogVariable& variable : variables) names.append(variable.name);
    if (!namesAreUnique(names)) return false;
    module.dialogVariables() = variables;
    module.definition().variableTypes = types;
    return true;
}

}  // namespace

bool UpdateGeomFlexibility(EditConstrData& ctx, AcDbObjectId id, long, int flexibility) {
    if (flexibility < kFlexFixed || flexibility > kFlexFree) return false;
    return changeObject(ctx, id, [flexibility](Mdx_ObjectSetting& setting) {
        setting.flexibility = flexibility;
        return true;
    });
}

bool UpdateConstrGeom(EditConstrData& ctx, AcDbObjectId id, bool constrained) {
    return changeObject(ctx, id, [constrained](Mdx_ObjectSetting& setting) {
        setting.constrained = constrained;
        return true;
    });
}

bool SetNameTags(EditConstrData& ctx, const AcArray<AcDbObjectId>& ids,
                 const Mdx_StringArray& names) {
    if (ids.length() != names.length()) return false;
    const bool ok = changeMacro(ctx.database, ctx.macroId, [&](Mdx_Macro& macro, AcTransaction& t) {
        Mdx_Module* module = macro.findModuleWrite(ctx.currentModule);
        if (!module) return false;
        for (int i = 0; i < ids.length(); ++i) {
            Mdx_String name = names[i];
            name.trim();
            if (name.isEmpty() || !renameObject(*module, t, ids[i], name)) return false;
        }
        return namesAreUnique(objectNames(*module, t));
    });
    return ok && refreshTables(ctx);
}

bool UpdateVarsEqs(EditConstrData& ctx) {
    const MacroVarsData vars = *ctx.variables;
    if (vars.values.length() != vars.names.length() || vars.types.length() != vars.names.length())
        return false;
    const bool ok = changeMacro(ctx.database, ctx.macroId, [&](Mdx_Macro& macro, AcTransaction&) {
        Mdx_Module* module = macro.findModuleWrite(ctx.currentModule);
        if (!module || !rebuildVariables(*module, vars)) return false;
        module->definition().equations.setEmpty();
        for (Mdx_String line : vars.equations)
            if (!line.trim().isEmpty()) module->definition().equations.append(line);
        return true;
    });
    return ok && refreshTables(ctx);
}
