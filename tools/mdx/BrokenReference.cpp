#include "BrokenReference.h"

#include "core/macro/Mdx_BoltModule.h"
#include "core/macro/Mdx_DbMacro.h"
#include "core/macro/Mdx_DbPattern.h"
#include "core/macro/Mdx_DbProfile.h"
#include "core/macro/Mdx_ProfModule.h"
#include "host/AcTransaction.h"

namespace {

template <class Expected>
std::string problemWith(AcDbObjectId id, AcDbObjectId macroId, AcTransaction& transaction,
                        const std::string& what, const Mdx_Module& module) {
    Expected* object = nullptr;
    const Acad::ErrorStatus status = transaction.getObject(object, id);
    if (status == Acad::eOk) return {};
    const std::string reference =
        "module \"" + module.name().toUtf8() + "\" refers to " + what + " " + id.toText();
    if (id == macroId) return reference + ", which is the macro itself";
    if (status == Acad::eWrongObjectClass) return reference + ", which is no " + what;
    if (status == Acad::eObjectErased) return reference + ", which was erased";
    return reference + ", which the drawing does not hold";
}

std::string problemInModule(const Mdx_Module& module, AcDbObjectId macroId,
                            AcTransaction& transaction) {
    if (auto* bolts = dynamic_cast<const Mdx_BoltModule*>(&module))
        for (AcDbObjectId id : bolts->patternIds())
            if (auto why = problemWith<Mdx_DbPattern>(id, macroId, transaction, "pattern", module);
                !why.empty())
                return why;
    if (auto* profiles = dynamic_cast<const Mdx_ProfModule*>(&module))
        for (const Mdx_ProfPlacement& placement : profiles->profArray())
            if (!placement.name.isEmpty() && !placement.profileId.isNull())
                if (auto why = problemWith<Mdx_DbProfile>(placement.profileId, macroId,
                                                          transaction, "section", module);
                    !why.empty())
                    return why;
    return {};
}

}  // namespace

std::string describeBrokenReference(AcDbObjectId macroId, AcTransaction& transaction) {
    Mdx_DbMacro* dbMacro = nullptr;
    if (transaction.getObject(dbMacro, macroId) != Acad::eOk || !dbMacro->macro()) return {};
    const Mdx_Macro& macro = *dbMacro->macro();
    for (int i = 0; i < macro.moduleCount(); ++i)
        if (auto why = problemInModule(*macro.moduleAt(i), macroId, transaction); !why.empty())
            return why;
    return {};
}
