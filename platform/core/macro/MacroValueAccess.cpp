#include "core/macro/MacroValueAccess.h"

#include "core/NumberText.h"
#include "core/macro/Mdx_BoltModule.h"
#include "core/macro/Mdx_DbMacro.h"
#include "core/macro/Mdx_DbPattern.h"
#include "core/macro/Mdx_DbProfile.h"
#include "host/AcTransaction.h"

Acad::ErrorStatus getModNamesOfGroup(const Mdx_Macro* macro, const Mdx_String& group,
                                     Mdx_StringArray& names) {
    if (!macro) return Acad::eInvalidInput;
    names.setEmpty();
    if (group.isEmpty()) return Acad::eOk;
    for (int i = 0; i < macro->moduleCount(); ++i) {
        const Mdx_Module* module = macro->moduleAt(i);
        if (module->effectiveGroupName().equal(group, false)) names.append(module->name());
    }
    return Acad::eOk;
}

Acad::ErrorStatus getModNamesOfGroup(const Mdx_DbMacro* macro, const Mdx_String& group,
                                     Mdx_StringArray& names) {
    return getModNamesOfGroup(macro ? macro->macro() : nullptr, group, names);
}

Acad::ErrorStatus openModule(Mdx_Macro* macro, const Mdx_String& name, Mdx_Module*& module,
                             int index) {
    if (!macro || index < 0) return Acad::eInvalidInput;
    module = macro->findModuleWrite(name);
    return module ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus getDialogVariables(const Mdx_Module* module, Mdx_StringArray& names,
                                     AcArray<bool>& flagsA, AcArray<bool>& flagsB) {
    if (!module) return Acad::eInvalidInput;
    names.setEmpty();
    flagsA.removeAll();
    flagsB.removeAll();
    for (const Mdx_DialogVariable& variable : module->dialogVariables()) {
        names.append(variable.name);
        flagsA.append(variable.isInput);
        flagsB.append(variable.hasFlexFix);
    }
    return Acad::eOk;
}

Acad::ErrorStatus getSetConstrVarValue(Mdx_Module* module, const Mdx_String& name,
                                       Mdx_String& value, bool get) {
    Mdx_DialogVariable* variable = module ? module->findDialogVariable(name) : nullptr;
    if (!variable) return Acad::eInvalidInput;
    if (get) {
        value = Mdx_String(variable->value, kConstrVarPrecision, false);
        return Acad::eOk;
    }
    // A dimension must stay a number: "abc" would otherwise silently become 0.
    if (!isNumberText(value.view())) return Acad::eInvalidInput;
    variable->value = leadingDouble(value.view());
    return Acad::eOk;
}

Acad::ErrorStatus getCutConstraints(const Mdx_Module* module, Mdx_StringArray& names,
                                    AcArray<int>& cutTypes) {
    if (!module) return Acad::eInvalidInput;
    names.setEmpty();
    cutTypes.removeAll();
    for (const Mdx_CutConstraint& cut : module->cuts()) {
        names.append(cut.name);
        cutTypes.append(cut.cutType);
    }
    return Acad::eOk;
}

Acad::ErrorStatus getCutConstraint(Mdx_Module* module, const Mdx_String& name,
                                   Mdx_CutConstraint*& cut) {
    cut = module ? module->findCut(name) : nullptr;
    return cut ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus getSetCutValue(Mdx_Module* module, Mdx_CutConstraint* cut, int offsetType,
                                 double& number, bool get) {
    if (!module || !cut || !isCutOffsetType(offsetType)) return Acad::eInvalidInput;
    bool ownCut = false;
    for (const Mdx_CutConstraint& candidate : module->cuts()) ownCut = ownCut || &candidate == cut;
    if (!ownCut || !cut->hasOffset(static_cast<KvCutOffsetType>(offsetType)))
        return Acad::eInvalidInput;
    double& stored = cut->offsets[static_cast<std::size_t>(offsetType)];
    if (get)
        number = stored;
    else
        stored = number;
    return Acad::eOk;
}

Acad::ErrorStatus getPatternIds(const Mdx_Module* module, AcArray<AcDbObjectId>& ids) {
    auto* bolts = dynamic_cast<const Mdx_BoltModule*>(module);
    if (!bolts) return Acad::eInvalidInput;
    ids = bolts->patternIds();
    return Acad::eOk;
}

Acad::ErrorStatus getPattern(AcDbObjectId id, Mdx_DbPattern*& pattern, AcTransaction* transaction) {
    pattern = nullptr;
    if (!transaction || transaction->getObject(pattern, id) != Acad::eOk)
        return Acad::eInvalidInput;
    return Acad::eOk;
}

Acad::ErrorStatus findPattern(Mdx_BoltModule* module, const Mdx_String& name,
                              AcDbObjectId& patternId, AcTransaction* transaction) {
    if (!module || !transaction) return Acad::eInvalidInput;
    for (AcDbObjectId id : module->patternIds()) {
        Mdx_DbPattern* pattern = nullptr;
        if (getPattern(id, pattern, transaction) == Acad::eOk &&
            pattern->name().equal(name, false)) {
            patternId = id;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus getSetBoltPatternReverses(Mdx_BoltModule* module, AcDbObjectId patternId,
                                            bool first, bool get, bool& flag,
                                            AcTransaction* transaction) {
    if (!module || !transaction || !module->patternIds().contains(patternId))
        return Acad::eInvalidInput;
    Mdx_DbPattern* pattern = nullptr;
    host::OpenMode mode = get ? host::OpenMode::ForRead : host::OpenMode::ForWrite;
    if (transaction->getObject(pattern, patternId, mode) != Acad::eOk) return Acad::eInvalidInput;
    Mdx_Pattern& layout = pattern->pattern();
    if (!first && !layout.hasSecondDirection()) return Acad::eInvalidInput;
    bool& stored = first ? layout.reverseStart1 : layout.reverseStart2;
    if (get)
        flag = stored;
    else
        stored = flag;
    return Acad::eOk;
}

Acad::ErrorStatus getNamedPrpl(const Mdx_Module* module, const Mdx_String& name, AcDbObjectId& id) {
    if (!module) return Acad::eInvalidInput;
    for (const Mdx_NamedPrpl& prpl : module->prpls()) {
        if (prpl.name.equal(name, false)) {
            id = prpl.id;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus getBaseProf(const Mdx_DbMacro* macro, int index, AcDbObjectId& profileId) {
    if (!macro || index < 0 || index >= macro->mapBaseProfIds().length())
        return Acad::eInvalidInput;
    profileId = macro->mapBaseProfIds()[index];
    return Acad::eOk;
}

namespace {

Acad::ErrorStatus openProfile(AcDbObjectId id, Mdx_DbProfile*& profile,
                              AcTransaction* transaction) {
    profile = nullptr;
    if (!transaction || transaction->getObject(profile, id) != Acad::eOk)
        return Acad::eInvalidInput;
    return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus getSectionName(AcDbObjectId profileId, Mdx_String& section,
                                 AcTransaction* transaction) {
    Mdx_DbProfile* profile = nullptr;
    if (openProfile(profileId, profile, transaction) != Acad::eOk) return Acad::eInvalidInput;
    section = profile->sectionName;
    return Acad::eOk;
}

Acad::ErrorStatus getMaterial(AcDbObjectId profileId, Mdx_String& material,
                              AcTransaction* transaction) {
    Mdx_DbProfile* profile = nullptr;
    if (openProfile(profileId, profile, transaction) != Acad::eOk) return Acad::eInvalidInput;
    material = profile->material;
    return Acad::eOk;
}
