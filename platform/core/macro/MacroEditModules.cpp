// The macro editor's calls on the modules of a macro and its tools.
#include "core/StringHelpers.h"
#include "core/macro/MacroEditAccess.h"
#include "core/macro/MacroEditPickers.h"
#include "core/macro/MacroEditPlacing.h"
#include "core/macro/MacroEditing.h"
#include "core/macro/Mdx_BoltModule.h"
#include "core/macro/Mdx_DbPattern.h"
#include "host/AcDbDatabase.h"

using namespace macro_edit;

namespace {

int gZoomCount = 0;

// prefix followed by the smallest number from 1 that no existing name (ignoring case) has.
Mdx_String numberedName(const Mdx_StringArray& existing, const char* prefix) {
    for (int n = 1;; ++n) {
        Mdx_String name = Mdx_String::format("%s%d", prefix, n);
        if (!existing.contains(name, false)) return name;
    }
}

bool isModuleName(const Mdx_String& name) {
    return hasOnlyLettersNumbers(name) && !startsWithNumber(name);
}

Mdx_StringArray constraintNames(const Mdx_Module& module) {
    Mdx_StringArray names;
    for (const Mdx_Constraint& constraint : module.definition().constraints)
        names.append(constraint.name);
    return names;
}

Mdx_StringArray variableNames(const Mdx_Module& module) {
    Mdx_StringArray names;
    for (const Mdx_Constraint& constraint : module.definition().constraints)
        if (!constraint.variable.isEmpty()) names.append(constraint.variable);
    for (const Mdx_DialogVariable& variable : module.dialogVariables()) names.append(variable.name);
    return names;
}

// A profile or plate of the module, or what the editor placed in it: a bolt pattern or a
// coordinate system.
bool hasObject(const Mdx_Module& module, AcTransaction& t, const Mdx_String& name) {
    for (const Mdx_NamedPrpl& prpl : module.prpls())
        if (prpl.name.equal(name, false)) return true;
    for (const Mdx_CoordSystem& system : module.definition().coordSystems)
        if (system.name.equal(name, false)) return true;
    if (const auto* bolts = dynamic_cast<const Mdx_BoltModule*>(&module))
        for (const AcDbObjectId& id : bolts->patternIds()) {
            Mdx_DbPattern* pattern = nullptr;
            if (t.getObject(pattern, id) == Acad::eOk && pattern->name().equal(name, false))
                return true;
        }
    return false;
}

// The profiles the macro connects are Prof0, Prof1, ... to its constraints.
bool isBaseProfile(const Mdx_DbMacro& macro, const Mdx_String& name) {
    for (int i = 0; i < macro.mapBaseProfIds().length(); ++i)
        if (name.equal(Mdx_String::format("Prof%d", i), false)) return true;
    return false;
}

// One object of a new constraint, picked by the user: an object of the module or a profile
// the macro connects.
bool pickObject(const Mdx_DbMacro& macro, const Mdx_Module& module, AcTransaction& t,
                Mdx_String& name) {
    return macro_edit_pickers::take(macro_edit_pickers::Pick::Object, name) &&
           (hasObject(module, t, name) || isBaseProfile(macro, name));
}

bool addConstraint(EditConstrData& ctx, int kind) {
    return changeMacro(ctx.database, ctx.macroId, [&](Mdx_Macro& macro, AcTransaction& t) {
        Mdx_Module* module = macro.findModuleWrite(ctx.currentModule);
        Mdx_DbMacro* object = nullptr;
        if (!module || t.getObject(object, ctx.macroId) != Acad::eOk) return false;
        Mdx_Constraint constraint =
            makeConstraint(kind, numberedName(constraintNames(*module), "C"));
        if (!pickObject(*object, *module, t, constraint.object1)) return false;
        if (kind != kConstrRadius && !pickObject(*object, *module, t, constraint.object2))
            return false;
        if (isMeasuringConstraint(kind)) {
            const char* prefix = kind == kConstrDistance ? "d" : kind == kConstrAngle ? "a" : "r";
            constraint.variable = numberedName(variableNames(*module), prefix);
        }
        module->definition().constraints.append(constraint);
        return true;
    });
}

bool addModule(EditConstrData& ctx) {
    Mdx_String added;
    const bool ok = changeMacro(ctx.database, ctx.macroId, [&](Mdx_Macro& macro, AcTransaction&) {
        Mdx_StringArray names;
        macro.getModuleNames(names);
        added = numberedName(names, "Module");
        std::unique_ptr<Mdx_Module> module = Mdx_Module::create(Mdx_Module::kPlateModule);
        module->setName(added);
        macro.addModule(std::move(module));
        return true;
    });
    return ok && refreshTables(ctx);
}

}  // namespace

bool MacroGetModules(EditConstrData& ctx, Mdx_StringArray& names) {
    return readMacro(ctx.database, ctx.macroId,
                     [&names](const Mdx_Macro& macro, AcTransaction&) {
                         macro.getModuleNames(names);
                     });
}

bool SetCurrentModule(EditConstrData& ctx, const Mdx_String& name) {
    bool found = false;
    readMacro(ctx.database, ctx.macroId, [&](const Mdx_Macro& macro, AcTransaction&) {
        found = macro.findModule(name) != nullptr;
    });
    if (!found) return false;
    ctx.currentModule = name;
    return refreshTables(ctx);
}

bool SelectOtherMacro(EditConstrData& ctx) {
    Mdx_String handle;
    AcDbObjectId id;
    if (!ctx.database || !macro_edit_pickers::take(macro_edit_pickers::Pick::Macro, handle) ||
        !AcDbObjectId::fromText(handle.view(), id) || id == ctx.macroId)
        return false;
    Mdx_StringArray names;
    const bool isMacro = readMacro(ctx.database, id, [&names](const Mdx_Macro& macro,
                                                             AcTransaction&) {
        macro.getModuleNames(names);
    });
    if (!isMacro) return false;
    ctx.macroId = id;
    ctx.currentModule = names.isEmpty() ? Mdx_String() : names[0];
    return refreshTables(ctx);
}

bool RenameModule(EditConstrData& ctx, const Mdx_String& newName) {
    Mdx_String name = newName;
    name.trim();
    if (!isModuleName(name)) return false;
    const bool ok = changeMacro(ctx.database, ctx.macroId, [&](Mdx_Macro& macro, AcTransaction&) {
        Mdx_Module* module = macro.findModuleWrite(ctx.currentModule);
        const Mdx_Module* other = macro.findModule(name);
        if (!module || (other && other != module)) return false;
        module->setName(name);
        return true;
    });
    if (!ok) return false;
    ctx.currentModule = name;
    return refreshTables(ctx);
}

bool RemoveModule(EditConstrData& ctx, const Mdx_String& name) {
    const bool ok = changeMacro(ctx.database, ctx.macroId, [&](Mdx_Macro& macro, AcTransaction&) {
        for (int i = 0; i < macro.moduleCount(); ++i)
            if (macro.moduleAt(i)->name().equal(name, false)) return macro.removeModule(i);
        return false;
    });
    if (!ok) return false;
    if (ctx.currentModule.equal(name, false)) ctx.currentModule.setEmpty();
    return refreshTables(ctx);
}

bool StartMacroCommand(EditConstrData& ctx, int code) {
    if (code >= 0 && code < mdxConstraintKindCount)
        return addConstraint(ctx, code) && refreshTables(ctx);
    if (code == 10) return refreshTables(ctx);
    if (code == 11) return addModule(ctx);
    if (code == 12) return AddBoltPatternAtPick(ctx);
    if (code == 13) return AddCoordSystemAtPick(ctx);
    return false;
}

bool ZoomCommand() {
    ++gZoomCount;
    return true;
}

int zoomCount() {
    return gZoomCount;
}
