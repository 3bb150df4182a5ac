#include "core/macro/MacroClasses.h"

#include "core/macro/Mdx_DbMacro.h"
#include "core/macro/Mdx_DbPattern.h"
#include "core/macro/Mdx_DbProfile.h"
#include "core/sections/Mdx_DbSectionTable.h"
#include "host/ObjectClassRegistry.h"

namespace {

template <class T>
std::unique_ptr<AcDbObject> make() {
    return std::make_unique<T>();
}

}  // namespace

Acad::ErrorStatus registerMacroClasses() {
    using host::ObjectClassRegistry;
    for (Acad::ErrorStatus status :
         {ObjectClassRegistry::add(Mdx_DbMacro::kClassName, &make<Mdx_DbMacro>),
          ObjectClassRegistry::add(Mdx_DbPattern::kClassName, &make<Mdx_DbPattern>),
          ObjectClassRegistry::add(Mdx_DbProfile::kClassName, &make<Mdx_DbProfile>),
          ObjectClassRegistry::add(Mdx_DbSectionTable::kClassName, &make<Mdx_DbSectionTable>)}) {
        if (status != Acad::eOk) return status;
    }
    return Acad::eOk;
}
