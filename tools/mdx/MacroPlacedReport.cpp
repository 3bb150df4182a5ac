#include "MacroPlacedReport.h"

#include <sstream>

#include "core/macro/MacroValueText.h"
#include "core/macro/Mdx_BoltModule.h"
#include "core/macro/Mdx_DbMacro.h"
#include "core/macro/Mdx_DbPattern.h"
#include "host/AcTransaction.h"

namespace {

std::string pointText(const Mdx_Point3& point) {
    return "(" + exactNumberText(point[0]).toUtf8() + ", " + exactNumberText(point[1]).toUtf8() +
           ", " + exactNumberText(point[2]).toUtf8() + ")";
}

}  // namespace

std::string placedReport(const EditConstrData& ctx) {
    if (!ctx.database) return {};
    AcTransaction t(*ctx.database);
    Mdx_DbMacro* macro = nullptr;
    if (t.getObject(macro, ctx.macroId) != Acad::eOk || !macro->macro()) return {};
    const Mdx_Module* module = macro->macro()->findModule(ctx.currentModule);
    if (!module) return {};
    std::ostringstream out;
    if (const auto* bolts = dynamic_cast<const Mdx_BoltModule*>(module))
        for (const AcDbObjectId& id : bolts->patternIds()) {
            Mdx_DbPattern* pattern = nullptr;
            if (t.getObject(pattern, id) != Acad::eOk) continue;
            out << "pattern " << pattern->name().toUtf8();
            if (pattern->hasOrigin()) out << " at " << pointText(pattern->origin());
            out << "\n";
        }
    for (const Mdx_CoordSystem& system : module->definition().coordSystems)
        out << "coordinate system " << system.name.toUtf8() << " at " << pointText(system.origin)
            << "\n";
    return out.str();
}
