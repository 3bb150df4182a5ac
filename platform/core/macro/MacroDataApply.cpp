// MacroData::applyToMacros: the tabs written back into the macros of the drawing.
#include "core/macro/MacroData.h"
#include "core/macro/MacroValueText.h"
#include "core/macro/MixedWord.h"
#include "core/macro/Mdx_BoltModule.h"
#include "core/macro/Mdx_DbMacro.h"
#include "core/macro/Mdx_DbPattern.h"
#include "core/macro/Mdx_DbProfile.h"
#include "core/macro/Mdx_ProfModule.h"
#include "core/NumberText.h"
#include "host/AcTransaction.h"

namespace {

// Empty texts and the mixed word stand for "each macro keeps its own".
bool isSet(const Mdx_String& text) {
    return !text.isEmpty() && !isMixedWord(text);
}

// Only the listed variables (indexes into the tab's) are written: a standards evaluation
// writes the modules' variables itself and must not see them overwritten by the tab's older
// copies.
bool applyVariables(const MacroTabData& tab, const AcArray<int>* listed, Mdx_Module& module) {
    for (Mdx_DialogVariable& variable : module.dialogVariables()) {
        bool hasButton = false, flexible = false;
        if (tab.getFlexFixBtnStatus(variable.name, hasButton, flexible) == Acad::eOk)
            variable.flexible = flexible;
        const MacroVarData* data = tab.findCellWithName(variable.name);
        if (!listed || !data || !listed->contains(static_cast<int>(data - &tab.variables()[0])))
            continue;
        // Read-only variables are the module's to compute.
        if (!data || data->readOnly || !variable.formula.isEmpty() || !variable.isInput) continue;
        if (!isNumericVariableKind(variable.kind)) {
            if (!isMixedWord(data->value)) variable.text = data->value;
            continue;
        }
        if (!isSet(data->value)) continue;
        double number = 0;
        if (!readVariableText(variable.kind, data->value, number)) return false;
        variable.value = number;
    }
    return true;
}

void applyCutsArraysBlock(const MacroTabData& tab, Mdx_Module& module) {
    for (Mdx_CutConstraint& cut : module.cuts()) {
        const MacroCutData* data = const_cast<MacroTabData&>(tab).findCutWithName(cut.name);
        if (data && data->typeIndex >= 0) cut.cutType = data->typeIndex;
    }
    for (Mdx_ModuleArray& array : module.arrays()) {
        const MacroArrayData* data = const_cast<MacroTabData&>(tab).findArrayWithName(array.name);
        if (!data) continue;
        for (std::size_t i = 0; i < array.values.size(); ++i)
            if (isSet(data->array.values[i])) array.values[i] = data->array.values[i];
        for (int i = 0; i < array.entries.length() && i < data->array.entries.length(); ++i)
            if (isSet(data->array.entries[i].value))
                array.entries[i].value = data->array.entries[i].value;
    }
    if (!module.block().folder.isEmpty() && tab.block().present && isSet(tab.block().block.name))
        module.block().name = tab.block().block.name;
    if (!tab.designPath.isEmpty()) module.setDesignPath(tab.designPath);
}

// Placements of several groups may share one profile object: the first placement whose
// section differs from the profile's writes it, and later ones in the same apply leave it.
Acad::ErrorStatus applyPlacements(const MacroTabData& tab, Mdx_ProfModule& module,
                                  AcTransaction& transaction,
                                  std::set<std::uint64_t>& writtenProfiles) {
    if (tab.hasSegmentedProfs() && !tab.segments().mixed && module.segments().segmented)
        module.segments().list = tab.segments().list;
    for (Mdx_ProfPlacement& placement : module.profArray()) {
        if (placement.name.isEmpty()) continue;
        const int member = tab.getProfDataIndx(placement.name, placement.profileId);
        MacroProfData props;
        if (member >= 0)
            props = tab.profMembers()[member].props;
        else if (!tab.getMergedPropsOfGroup(placement.name, props))
            continue;
        if (!props.memberName.isEmpty()) placement.memberName = props.memberName;
        if (props.offsetType >= 0) placement.offsetType = props.offsetType;
        if (isSet(props.rotation)) placement.rotation = props.rotation;
        if (!isMixedWord(props.basePlane)) {
            placement.basePlane = props.basePlane;
            placement.hasCoordSys = props.hasCoordSys;
        }
        if (placement.profileId.isNull() || !isSet(props.sectionName)) continue;
        if (writtenProfiles.count(placement.profileId.handle())) continue;
        Mdx_DbProfile* profile = nullptr;
        if (transaction.getObject(profile, placement.profileId) != Acad::eOk)
            return Acad::eInvalidInput;
        if (profile->sectionName == props.sectionName &&
            (props.material.isEmpty() || profile->material == props.material))
            continue;
        if (transaction.getObject(profile, placement.profileId, host::OpenMode::ForWrite) !=
            Acad::eOk)
            return Acad::eInvalidInput;
        writtenProfiles.insert(placement.profileId.handle());
        profile->sectionName = props.sectionName;
        if (!props.material.isEmpty()) profile->material = props.material;
    }
    return Acad::eOk;
}

Acad::ErrorStatus applyBolts(const MacroTabData& tab, Mdx_BoltModule& bolts,
                             AcTransaction& transaction) {
    if (const MacroBoltData* data = tab.getBoltData()) data->applyTo(bolts.settings());
    for (AcDbObjectId id : bolts.patternIds()) {
        Mdx_DbPattern* pattern = nullptr;
        if (transaction.getObject(pattern, id, host::OpenMode::ForWrite) != Acad::eOk)
            return Acad::eInvalidInput;
        const MacroPatternData* data = tab.findPattern(pattern->name());
        if (!data) continue;
        Mdx_Pattern& layout = pattern->pattern();
        if (!data->nrBolts1.isEmpty()) layout.nrBolts1 = data->nrBolts1.toInt();
        if (data->twoDirections && !data->nrBolts2.isEmpty())
            layout.nrBolts2 = data->nrBolts2.toInt();
        if (isSet(data->value)) {
            if (!isNumberText(data->value.view())) return Acad::eInvalidInput;
            layout.spacing1 = leadingDouble(data->value.view());
        }
    }
    return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus MacroData::applyToMacros(AcTransaction& transaction) const {
    return applyToMacros(transaction, Mdx_String(), AcArray<int>());
}

Acad::ErrorStatus MacroData::applyToMacros(AcTransaction& transaction, const Mdx_String& tabName,
                                           const AcArray<int>& variables) const {
    std::set<std::uint64_t> writtenProfiles;
    for (AcDbObjectId id : macroIds_) {
        Mdx_DbMacro* dbMacro = nullptr;
        if (transaction.getObject(dbMacro, id, host::OpenMode::ForWrite) != Acad::eOk ||
            !dbMacro->macro())
            return Acad::eInvalidInput;
        Mdx_Macro& macro = *dbMacro->macro();
        for (int i = 0; i < macro.moduleCount(); ++i)
            if (applyToModule(*macro.moduleAt(i), transaction, tabName, variables,
                              writtenProfiles) != Acad::eOk)
                return Acad::eInvalidInput;
    }
    return Acad::eOk;
}

Acad::ErrorStatus MacroData::applyToModule(Mdx_Module& module, AcTransaction& transaction,
                                           const Mdx_String& tabName,
                                           const AcArray<int>& variables,
                                           std::set<std::uint64_t>& writtenProfiles) const {
    int index = -1;
    if (!findTab(module.effectiveGroupName(), index)) return Acad::eOk;
    const MacroTabData& tab = tabs_[index];
    const bool listed = !tabName.isEmpty() && tab.name.equal(tabName, false);
    if (!applyVariables(tab, listed ? &variables : nullptr, module)) return Acad::eInvalidInput;
    applyCutsArraysBlock(tab, module);
    if (auto* profiles = dynamic_cast<Mdx_ProfModule*>(&module))
        return applyPlacements(tab, *profiles, transaction, writtenProfiles);
    if (auto* bolts = dynamic_cast<Mdx_BoltModule*>(&module))
        return applyBolts(tab, *bolts, transaction);
    return Acad::eOk;
}
