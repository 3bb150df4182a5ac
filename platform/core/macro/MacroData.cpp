#include "core/macro/MacroData.h"

#include "core/macro/Mdx_BoltModule.h"
#include "core/macro/Mdx_DbMacro.h"
#include "core/macro/Mdx_DbPattern.h"
#include "core/macro/Mdx_DbProfile.h"
#include "core/macro/Mdx_ProfModule.h"
#include "host/AcTransaction.h"

namespace {

// A property two macros disagree on reads empty.
void merge(Mdx_String& into, const Mdx_String& other) {
    if (!into.equal(other, true)) into.setEmpty();
}

int tabKindOf(const Mdx_Module& module) {
    switch (module.typeCode()) {
        case Mdx_Module::kBoltModule:
            return MacroTabData::kBoltTab;
        case Mdx_Module::kProfModule:
            return MacroTabData::kSectionTab;
        default:
            return MacroTabData::kGeneralTab;
    }
}

void addVariables(MacroTabData& tab, const Mdx_Module& module) {
    for (const Mdx_DialogVariable& variable : module.dialogVariables()) {
        bool known = false;
        for (const MacroFlexFixData& data : tab.flexFix())
            known = known || data.name.equal(variable.name, false);
        if (!known) tab.flexFix().append({variable.name, variable.hasFlexFix, variable.flexible});
    }
}

void addBoltData(MacroTabData& tab, const Mdx_BoltModule& module) {
    MacroBoltData data{module.diameter(), module.holeOffset()};
    if (const MacroBoltData* present = tab.getBoltData()) {
        merge(data.diameter, present->diameter);
        merge(data.holeOffset, present->holeOffset);
    }
    tab.setBoltData(data);
}

Acad::ErrorStatus addPatterns(MacroTabData& tab, const Mdx_BoltModule& module,
                              AcTransaction& transaction) {
    for (AcDbObjectId id : module.patternIds()) {
        Mdx_DbPattern* pattern = nullptr;
        if (transaction.getObject(pattern, id) != Acad::eOk) return Acad::eInvalidInput;
        const Mdx_Pattern& layout = pattern->pattern();
        MacroPatternData data{pattern->name(), layout.hasSecondDirection(),
                              Mdx_String::fromInt(layout.nrBolts1),
                              Mdx_String::fromInt(layout.nrBolts2)};
        if (MacroPatternData* present = tab.findPattern(data.name)) {
            merge(present->nrBolts1, data.nrBolts1);
            merge(present->nrBolts2, data.nrBolts2);
            present->twoDirections = present->twoDirections && data.twoDirections;
        } else {
            tab.patterns().append(data);
        }
    }
    return Acad::eOk;
}

Acad::ErrorStatus addPlacements(MacroTabData& tab, const Mdx_ProfModule& module,
                                AcTransaction& transaction) {
    for (const Mdx_ProfPlacement& placement : module.profArray()) {
        if (placement.name.isEmpty()) continue;
        MacroProfData data{placement.name, placement.memberName, "", ""};
        Mdx_DbProfile* profile = nullptr;
        if (!placement.profileId.isNull()) {
            if (transaction.getObject(profile, placement.profileId) != Acad::eOk)
                return Acad::eInvalidInput;
            data.sectionName = profile->sectionName;
            data.material = profile->material;
        }
        MacroProfData present;
        if (tab.getMergedPropsOfGroup(placement.name, present)) {
            merge(data.memberName, present.memberName);
            merge(data.sectionName, present.sectionName);
            merge(data.material, present.material);
            tab.setMergedPropsOfGroup(placement.name, data);
        } else {
            tab.profGroups().append(data);
        }
    }
    return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus MacroData::addMacro(AcDbObjectId macroId, AcTransaction& transaction) {
    Mdx_DbMacro* dbMacro = nullptr;
    if (transaction.getObject(dbMacro, macroId) != Acad::eOk || !dbMacro->macro())
        return Acad::eInvalidInput;
    const Mdx_Macro& macro = *dbMacro->macro();
    for (int i = 0; i < macro.moduleCount(); ++i) {
        if (addModule(*macro.moduleAt(i), transaction) != Acad::eOk) return Acad::eInvalidInput;
    }
    macroIds_.append(macroId);
    return Acad::eOk;
}

Acad::ErrorStatus MacroData::addModule(const Mdx_Module& module, AcTransaction& transaction) {
    int index = -1;
    MacroTabData* tab = findTab(module.effectiveGroupName(), index)
                            ? getTab(index)
                            : &addTab(module.effectiveGroupName(), tabKindOf(module));
    // A group with a bolt module shows bolt data whatever else it holds.
    if (tabKindOf(module) == MacroTabData::kBoltTab) tab->kind = MacroTabData::kBoltTab;
    addVariables(*tab, module);
    if (auto* bolts = dynamic_cast<const Mdx_BoltModule*>(&module)) {
        addBoltData(*tab, *bolts);
        return addPatterns(*tab, *bolts, transaction);
    }
    if (auto* profiles = dynamic_cast<const Mdx_ProfModule*>(&module))
        return addPlacements(*tab, *profiles, transaction);
    return Acad::eOk;
}

bool MacroData::findTab(const Mdx_String& name, int& index) const {
    for (int i = 0; i < tabs_.length(); ++i) {
        if (tabs_[i].name.equal(name, false)) {
            index = i;
            return true;
        }
    }
    return false;
}

MacroTabData* MacroData::getTab(int index) {
    return tabs_.isValidIndex(index) ? &tabs_[index] : nullptr;
}

const MacroTabData* MacroData::getTab(int index) const {
    return tabs_.isValidIndex(index) ? &tabs_[index] : nullptr;
}

MacroTabData& MacroData::addTab(const Mdx_String& name, int kind) {
    MacroTabData tab;
    tab.name = name;
    tab.kind = kind;
    return tabs_[tabs_.append(tab)];
}

Acad::ErrorStatus MacroData::applyToMacros(AcTransaction& transaction) const {
    for (AcDbObjectId id : macroIds_) {
        Mdx_DbMacro* dbMacro = nullptr;
        if (transaction.getObject(dbMacro, id, host::OpenMode::ForWrite) != Acad::eOk ||
            !dbMacro->macro())
            return Acad::eInvalidInput;
        Mdx_Macro& macro = *dbMacro->macro();
        for (int i = 0; i < macro.moduleCount(); ++i)
            if (applyToModule(*macro.moduleAt(i), transaction) != Acad::eOk)
                return Acad::eInvalidInput;
    }
    return Acad::eOk;
}

Acad::ErrorStatus MacroData::applyToModule(Mdx_Module& module, AcTransaction& transaction) const {
    int index = -1;
    if (!findTab(module.effectiveGroupName(), index)) return Acad::eOk;
    const MacroTabData& tab = tabs_[index];
    for (Mdx_DialogVariable& variable : module.dialogVariables()) {
        bool hasButton = false, flexible = false;
        if (tab.getFlexFixBtnStatus(variable.name, hasButton, flexible) == Acad::eOk)
            variable.flexible = flexible;
    }
    if (auto* profiles = dynamic_cast<Mdx_ProfModule*>(&module)) {
        for (Mdx_ProfPlacement& placement : profiles->profArray()) {
            MacroProfData props;
            if (!placement.name.isEmpty() && tab.getMergedPropsOfGroup(placement.name, props) &&
                !props.memberName.isEmpty())
                placement.memberName = props.memberName;
        }
        return Acad::eOk;
    }
    auto* bolts = dynamic_cast<Mdx_BoltModule*>(&module);
    if (!bolts) return Acad::eOk;
    if (const MacroBoltData* data = tab.getBoltData()) {
        if (!data->diameter.isEmpty()) bolts->setDiameter(data->diameter);
        if (!data->holeOffset.isEmpty()) bolts->setHoleOffset(data->holeOffset);
    }
    for (AcDbObjectId id : bolts->patternIds()) {
        Mdx_DbPattern* pattern = nullptr;
        if (transaction.getObject(pattern, id, host::OpenMode::ForWrite) != Acad::eOk)
            return Acad::eInvalidInput;
        const MacroPatternData* data = tab.findPattern(pattern->name());
        if (!data) continue;
        if (!data->nrBolts1.isEmpty()) pattern->pattern().nrBolts1 = data->nrBolts1.toInt();
        if (data->twoDirections && !data->nrBolts2.isEmpty())
            pattern->pattern().nrBolts2 = data->nrBolts2.toInt();
    }
    return Acad::eOk;
}
