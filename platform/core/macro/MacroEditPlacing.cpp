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
