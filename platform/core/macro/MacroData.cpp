#include "core/macro/MacroData.h"

#include "core/macro/MacroValueText.h"
#include "core/macro/MixedWord.h"
#include "core/macro/Mdx_BoltModule.h"
#include "core/macro/Mdx_DbMacro.h"
#include "core/macro/Mdx_DbPattern.h"
#include "core/macro/Mdx_DbProfile.h"
#include "core/macro/Mdx_ProfModule.h"
#include "host/AcTransaction.h"

namespace {

// A property two macros disagree on reads empty, or the mixed word where the dialog shows
// one.
void merge(Mdx_String& into, const Mdx_String& other, bool mixed = false) {
    if (into.equal(other, true)) return;
    if (mixed)
        into = mixedWord();
    else
        into.setEmpty();
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
        const Mdx_String text = variableText(variable);
        const bool readOnly = !variable.isInput || !variable.formula.isEmpty();
        if (MacroVarData* present = tab.findCellWithName(variable.name)) {
            merge(present->value, text, true);
            present->readOnly = present->readOnly || readOnly;
            continue;
        }
        tab.variables().append({variable.name, text, variable.kind, readOnly, 0});
        tab.flexFix().append({variable.name, variable.hasFlexFix, variable.flexible});
    }
}

void addCuts(MacroTabData& tab, const Mdx_Module& module) {
    for (const Mdx_CutConstraint& cut : module.cuts()) {
        if (MacroCutData* present = tab.findCutWithName(cut.name)) {
            if (present->typeIndex != cut.cutType) present->typeIndex = -1;
            continue;
        }
        tab.cuts().append({cut.name, cut.cutType, 0});
    }
}

void addArrays(MacroTabData& tab, const Mdx_Module& module) {
    for (const Mdx_ModuleArray& array : module.arrays()) {
        if (MacroArrayData* present = tab.findArrayWithName(array.name)) {
            for (std::size_t i = 0; i < array.values.size(); ++i)
                merge(present->array.values[i], array.values[i]);
            continue;
        }
        MacroArrayData data;
        data.array = array;
        tab.arrays().append(data);
    }
}

void addModuleDialog(MacroTabData& tab, const Mdx_Module& module) {
    if (tab.designPath.isEmpty()) tab.designPath = module.designPath();
    if (module.block().folder.isEmpty()) return;
    MacroBlockData& block = tab.block();
    if (!block.present) {
        block.present = true;
        block.block = module.block();
    } else {
        merge(block.block.name, module.block().name, true);
    }
}

void addBoltData(MacroTabData& tab, const Mdx_BoltModule& module) {
    if (MacroBoltData* present = tab.getBoltData()) {
        present->merge(module.settings());
        return;
    }
    MacroBoltData data;
    static_cast<Mdx_BoltSettings&>(data) = module.settings();
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
                              Mdx_String::fromInt(layout.nrBolts2),
                              exactNumberText(layout.spacing1)};
        if (MacroPatternData* present = tab.findPattern(data.name)) {
            merge(present->nrBolts1, data.nrBolts1);
            merge(present->nrBolts2, data.nrBolts2);
            merge(present->value, data.value);
            present->twoDirections = present->twoDirections && data.twoDirections;
        } else {
            tab.patterns().append(data);
        }
    }
    return Acad::eOk;
}

Acad::ErrorStatus addPlacements(MacroTabData& tab, const Mdx_ProfModule& module,
                                AcTransaction& transaction) {
    // The first segmented module of the group gives the tab its segments; another one with a
    // list of its own makes them mixed.
    if (module.segments().segmented && !tab.hasSegmentedProfs())
        tab.segments() = module.segments();
    else if (module.segments().segmented && !(module.segments().list == tab.segments().list))
        tab.segments().mixed = true;
    for (const Mdx_ProfPlacement& placement : module.profArray()) {
        if (placement.name.isEmpty()) continue;
        MacroProfData data;
        data.groupName = placement.name;
        data.memberName = placement.memberName;
        data.offsetType = placement.offsetType;
        data.rotation = placement.rotation;
        data.basePlane = placement.basePlane;
        data.hasCoordSys = placement.hasCoordSys;
        if (!placement.profileId.isNull()) {
            Mdx_DbProfile* profile = nullptr;
            if (transaction.getObject(profile, placement.profileId) != Acad::eOk)
                return Acad::eInvalidInput;
            data.sectionName = profile->sectionName;
            data.material = profile->material;
        }
        if (!tab.findProfDataWithGroup(placement.name)) tab.profGroups().append(data);
        if (tab.getProfDataIndx(placement.name, placement.profileId) < 0)
            tab.profMembers().append({placement.profileId, data});
        tab.mergeGroup(placement.name);
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
    macroNames_.append(macro.name());
    database_ = transaction.database();
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
    addCuts(*tab, module);
    addArrays(*tab, module);
    addModuleDialog(*tab, module);
    if (auto* bolts = dynamic_cast<const Mdx_BoltModule*>(&module)) {
        addBoltData(*tab, *bolts);
        return addPatterns(*tab, *bolts, transaction);
    }
    if (auto* profiles = dynamic_cast<const Mdx_ProfModule*>(&module))
        return addPlacements(*tab, *profiles, transaction);
    return Acad::eOk;
}

namespace {

// Control ids of the items of before that tab still has.
void keepControlIds(MacroTabData& tab, const MacroTabData& before) {
    for (const MacroVarData& variable : before.variables())
        if (MacroVarData* now = tab.findCellWithName(variable.name)) now->ctrlId = variable.ctrlId;
    for (const MacroCutData& cut : before.cuts())
        if (MacroCutData* now = tab.findCutWithName(cut.name)) now->ctrlId = cut.ctrlId;
    for (const MacroArrayData& array : before.arrays()) {
        if (MacroArrayData* now = tab.findArrayWithName(array.array.name)) {
            now->valueIds = array.valueIds;
            now->entryId = array.entryId;
            now->buttonId = array.buttonId;
        }
    }
    for (const MacroPatternData& pattern : before.patterns()) {
        if (MacroPatternData* now = tab.findPattern(pattern.name)) {
            now->valueId = pattern.valueId;
            now->countId = pattern.countId;
            now->buttonId = pattern.buttonId;
        }
    }
    const MacroBoltData* bolts = before.getBoltData();
    if (bolts && tab.getBoltData()) {
        tab.getBoltData()->valueIds = bolts->valueIds;
        tab.getBoltData()->buttonId = bolts->buttonId;
    }
    tab.block().ctrlId = before.block().ctrlId;
    for (const MacroProfData& group : before.profGroups()) {
        if (MacroProfData* now = tab.findProfDataWithGroup(group.groupName)) {
            now->nameId = group.nameId;
            now->buttonId = group.buttonId;
            now->offsetId = group.offsetId;
            now->rotationId = group.rotationId;
            now->settingsId = group.settingsId;
        }
    }
}

}  // namespace

Acad::ErrorStatus MacroData::reload(AcTransaction& transaction) {
    MacroData fresh;
    for (AcDbObjectId id : macroIds_)
        if (fresh.addMacro(id, transaction) != Acad::eOk) return Acad::eInvalidInput;
    for (MacroTabData& tab : fresh.tabs_) {
        int index = -1;
        if (findTab(tab.name, index)) keepControlIds(tab, tabs_[index]);
    }
    fresh.state_ = state_;
    fresh.busy_ = busy_;
    fresh.preview_ = preview_;
    *this = std::move(fresh);
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
