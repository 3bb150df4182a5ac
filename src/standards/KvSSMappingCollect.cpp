// Collecting every mappable object of a macro, for the standards page's choices.
#include "core/macro/MacroValueAccess.h"
#include "core/macro/Mdx_DbMacro.h"
#include "core/macro/Mdx_DbPattern.h"
#include "core/macro/Mdx_ProfModule.h"
#include "core/sections/Mdx_SectionTableManager.h"
#include "standards/KvSSMapping.h"

namespace {

// The standards page lists dialog variables by how the user meets them: inputs with a
// flex/fix button first, then plain inputs, then computed ones with a button, then the rest.
int variableCategory(bool flagA, bool flagB) {
    if (flagA) return flagB ? 0 : 1;
    return flagB ? 2 : 3;
}

}  // namespace

void KvSSMapping::addObject(const Mdx_String& group, const Mdx_String& object, KvObjectKind kind,
                            int category, const Mdx_String& column) {
    KvObjectMap map;
    map.groupName = group;
    map.objectName = object;
    map.kind = kind;
    map.category = category;
    map.columnName = column;
    objects_.append(map);
}

Acad::ErrorStatus KvSSMapping::initAllVarsFromMacro(Mdx_DbMacro* macro,
                                                    AcTransaction* transaction) {
    if (!macro || !macro->macro()) return Acad::eInvalidInput;
    const Mdx_Macro& model = *macro->macro();
    Mdx_StringArray moduleNames;
    model.getModuleNames(moduleNames);
    for (const Mdx_String& name : moduleNames) {
        const Mdx_Module* module = model.findModule(name);
        if (!module) continue;
        Mdx_String group = module->groupName().isEmpty() ? module->name() : module->groupName();
        addAllVariables(module, group);
        addAllCuts(module, group);
        addAllPatterns(module, group, transaction);
        addAllProfPlacements(module, group, transaction);
    }
    addAllBaseProfs(macro, transaction);
    addAllGenVars(&model);
    return Acad::eOk;
}

void KvSSMapping::addAllVariables(const Mdx_Module* module, Mdx_String& group) {
    Mdx_StringArray names;
    AcArray<bool> flagsA, flagsB;
    if (getDialogVariables(module, names, flagsA, flagsB) != Acad::eOk) return;
    for (int i = 0; i < names.length(); ++i) {
        bool a = i < flagsA.length() && flagsA[i];
        bool b = i < flagsB.length() && flagsB[i];
        addObject(group, names[i], KvObjectKind::Distance, variableCategory(a, b));
    }
}

void KvSSMapping::addAllCuts(const Mdx_Module* module, Mdx_String& group) {
    Mdx_StringArray names;
    AcArray<int> cutTypes;
    if (getCutConstraints(module, names, cutTypes) != Acad::eOk) return;
    int count = names.length() < cutTypes.length() ? names.length() : cutTypes.length();
    for (int i = 0; i < count; ++i) {
        AcArray<int> offsets;
        if (getCutOffsets(cutTypes[i], offsets) != Acad::eOk) continue;
        for (int offset : offsets) {
            auto kind =
                static_cast<KvObjectKind>(static_cast<int>(KvObjectKind::CutOffset) + offset);
            addObject(group, names[i], kind, 0);
        }
    }
}

void KvSSMapping::addAllPatterns(const Mdx_Module* module, Mdx_String& group,
                                 AcTransaction* transaction) {
    if (!module || module->typeCode() != Mdx_Module::kBoltModule) return;
    addObject(group, Mdx_String(), KvObjectKind::BoltsDiameter, 0);
    addObject(group, Mdx_String(), KvObjectKind::BoltsHoleOffset, 0);
    AcArray<AcDbObjectId> ids;
    if (getPatternIds(module, ids) != Acad::eOk) return;
    for (AcDbObjectId id : ids) {
        Mdx_DbPattern* pattern = nullptr;
        if (getPattern(id, pattern, transaction) != Acad::eOk) continue;
        addObject(group, pattern->name(), KvObjectKind::PatternNrBolts1, 0);
        addObject(group, pattern->name(), KvObjectKind::PatternReverseStart1, 0);
        if (pattern->pattern().typeCode == Mdx_Pattern::kTwoDirections) {
            addObject(group, pattern->name(), KvObjectKind::PatternNrBolts2, 0);
            addObject(group, pattern->name(), KvObjectKind::PatternReverseStart2, 0);
        }
    }
}

void KvSSMapping::addAllProfPlacements(const Mdx_Module* module, Mdx_String& group,
                                       AcTransaction*) {
    auto* profiles = dynamic_cast<const Mdx_ProfModule*>(module);
    if (!profiles || profiles->typeCode() != Mdx_Module::kProfModule) return;
    for (const Mdx_ProfPlacement& placement : profiles->profArray())
        if (!placement.name.isEmpty())
            addObject(group, placement.name, KvObjectKind::OwnedMemberName, 0);
}

void KvSSMapping::addAllBaseProfs(const Mdx_DbMacro* macro, AcTransaction* transaction) {
    const AcArray<AcDbObjectId>& ids = macro->mapBaseProfIds();
    for (int i = 0; i < ids.length(); ++i) {
        Mdx_String profile = Mdx_String("Prof") + Mdx_String::fromInt(i);
        addObject(Mdx_String(), profile, KvObjectKind::PrPlName, 0);
        addObject(Mdx_String(), profile, KvObjectKind::PrPlMaterial, 0);
        Mdx_String section;
        Mdx_StringArray columns;
        if (getSectionName(ids[i], section, transaction) != Acad::eOk ||
            getSectionColumnNames(section, columns) != Acad::eOk)
            continue;
        for (int j = 0; j < columns.length(); ++j)
            addObject(Mdx_String(), profile + ";" + Mdx_String::fromInt(j),
                      KvObjectKind::MemberSectionSize, 0, columns[j]);
    }
}

void KvSSMapping::addAllGenVars(const Mdx_Macro* macro) {
    Mdx_StringArray names;
    macro->getGeneralVariables(names);
    for (const Mdx_String& name : names) addObject(Mdx_String(), name, KvObjectKind::GenVar, 0);
}
