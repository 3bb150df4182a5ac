// The macro editor's calls on the objects and the variables of a module.
#include "core/StringHelpers.h"
#include "core/macro/StringChecks.h"
#include "core/macro/MacroEditAccess.h"
#include "core/macro/MacroEditing.h"

using namespace macro_edit;

namespace {

Mdx_NamedPrpl* prplWithId(Mdx_Module& module, AcDbObjectId id) {
    for (Mdx_NamedPrpl& prpl : module.prpls())
        if (prpl.id == id) return &prpl;
    return nullptr;
}

// Runs change on the setting of the object of the current module, then rebuilds the tables.
template <class F>
bool changeObject(EditConstrData& ctx, AcDbObjectId id, F&& change) {
    const bool ok = changeMacro(ctx.database, ctx.macroId, [&](Mdx_Macro& macro, AcTransaction&) {
        Mdx_Module* module = macro.findModuleWrite(ctx.currentModule);
        Mdx_NamedPrpl* prpl = module ? prplWithId(*module, id) : nullptr;
        if (!prpl) return false;
        Mdx_ObjectSetting setting = module->definition().objectSetting(prpl->name);
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
    const bool ok = changeMacro(ctx.database, ctx.macroId, [&](Mdx_Macro& macro, AcTransaction&) {
        Mdx_Module* module = macro.findModuleWrite(ctx.currentModule);
        if (!module) return false;
        for (int i = 0; i < ids.length(); ++i) {
            Mdx_NamedPrpl* prpl = prplWithId(*module, ids[i]);
            Mdx_String name = names[i];
            name.trim();
            if (!prpl || name.isEmpty()) return false;
            if (prpl->name == name) continue;
            module->definition().renameObject(prpl->name, name);
            prpl->name = name;
        }
        Mdx_StringArray all;
        for (const Mdx_NamedPrpl& prpl : module->prpls()) all.append(prpl.name);
        return namesAreUnique(all);
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
