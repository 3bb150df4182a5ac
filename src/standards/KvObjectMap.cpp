#include "standards/KvObjectMap.h"

#include "core/Mdx_StringArray.h"
#include "core/NumberText.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroValueAccess.h"
#include "core/macro/Mdx_DbMacro.h"
#include "core/sections/Mdx_SectionTableManager.h"
#include "standards/KvModuleValueAccess.h"
#include "standards/KvVarCell.h"

namespace {

// Decimals of a general variable read through a mapped object.
constexpr int kGenVarPrecision = 8;

bool kindNeedsModule(KvObjectKind kind) {
    return kind != KvObjectKind::None && kind != KvObjectKind::GenVar &&
           kind != KvObjectKind::PrPlName && kind != KvObjectKind::PrPlMaterial &&
           kind != KvObjectKind::MemberSectionSize;
}

bool kindNeedsBoltModule(KvObjectKind kind) {
    return kind >= KvObjectKind::PatternNrBolts1 && kind <= KvObjectKind::PatternReverseStart2;
}

// "Prof" followed by a whole number, the index of a base profile.
bool readBaseProfIndex(const Mdx_String& text, int& index) {
    if (!text.startsWith("Prof", false)) return false;
    Mdx_String rest = text.mid(4);
    if (!rest.isNumber()) return false;
    double number = rest.toDouble();
    if (number < 0 || number > 1e6 || number != static_cast<int>(number)) return false;
    index = static_cast<int>(number);
    return true;
}

}  // namespace

Acad::ErrorStatus KvObjectMap::getMappingFromStrs(const Mdx_String& ssVar,
                                                  const Mdx_String& mappingText) {
    Mdx_String group, rest;
    if (!mappingText.splitAtFirst(Mdx_String(kMappingGroupSeparator), group, rest, true))
        return Acad::eInvalidInput;
    rest.trimLeft();
    KvObjectKind parsedKind = KvObjectKind::None;
    std::size_t keywordLength = 0;
    if (!matchKindKeyword(rest.view(), parsedKind, keywordLength)) return Acad::eInvalidInput;
    int blank = rest.findChar(' ');
    groupName = group;
    objectName = blank < 0 ? Mdx_String() : rest.mid(blank + 1);
    kind = parsedKind;
    ssVarName = ssVar;
    return Acad::eOk;
}

Acad::ErrorStatus KvObjectMap::setMappingToStrs(Mdx_String& mappingText, Mdx_String& ssVar) const {
    std::string_view keyword = kindKeyword(kind);
    if (keyword.empty()) return Acad::eInvalidInput;
    mappingText = groupName + kMappingGroupSeparator + Mdx_String(keyword) + " " + objectName;
    ssVar = ssVarName;
    return Acad::eOk;
}

Acad::ErrorStatus KvObjectMap::mapFromArrays(const Mdx_StringArray& ssVars,
                                             const Mdx_StringArray& mappingTexts,
                                             const KvVarCell& cell) {
    int index = ssVars.find(cell.name, false);
    if (index < 0 || !mappingTexts.isValidIndex(index)) return Acad::eInvalidInput;
    return getMappingFromStrs(ssVars[index], mappingTexts[index]);
}

Acad::ErrorStatus KvObjectMap::isCompatible(const KvObjectMap& other) const {
    return groupName.equal(other.groupName, false) && objectName.equal(other.objectName, false) &&
                   kind == other.kind
               ? Acad::eOk
               : Acad::eInvalidInput;
}

Acad::ErrorStatus KvObjectMap::getMacroVarValue(Mdx_DbMacro* macro, MacroData* macroData,
                                                Mdx_String& value,
                                                AcTransaction* transaction) const {
    return getSetMacroVarValue(macro, macroData, value, true, transaction);
}

Acad::ErrorStatus KvObjectMap::setMacroVarValue(Mdx_DbMacro* macro, MacroData* macroData,
                                                Mdx_String& value,
                                                AcTransaction* transaction) const {
    return getSetMacroVarValue(macro, macroData, value, false, transaction);
}

Acad::ErrorStatus KvObjectMap::getSetMacroVarValue(Mdx_DbMacro* macro, MacroData* macroData,
                                                   Mdx_String& value, bool get,
                                                   AcTransaction* transaction) const {
    if (!macro) return Acad::eInvalidInput;
    Mdx_StringArray moduleNames;
    if (getModNamesOfGroup(macro, groupName, moduleNames) != Acad::eOk) return Acad::eInvalidInput;
    // Every module of the group gets the write. A value no module could take (or give) is a
    // failure, so that a tie to an object that has left the macro is reported, not taken
    // for a value.
    bool anyModule = false;
    for (int i = 0; i < moduleNames.length(); ++i) {
        if (getSetModuleVarValue(macro->macro(), macroData, moduleNames[i], i, value, get,
                                 transaction) == Acad::eOk)
            anyModule = true;
    }
    Mdx_Macro* model = macro->macro();
    switch (kind) {
        case KvObjectKind::GenVar:
            if (!model->hasGeneralVariable(objectName)) return Acad::eInvalidInput;
            if (get)
                value =
                    Mdx_String(model->generalVariableValue(objectName), kGenVarPrecision, false);
            else
                model->setGeneralVariable(objectName, leadingDouble(value.view()));
            return Acad::eOk;
        case KvObjectKind::PrPlName:
        case KvObjectKind::PrPlMaterial:
        case KvObjectKind::MemberSectionSize:
            return getSetBaseProfValue(macro, value, get, transaction);
        default:
            return kindNeedsModule(kind) && anyModule ? Acad::eOk : Acad::eInvalidInput;
    }
}

Acad::ErrorStatus KvObjectMap::getSetBaseProfValue(Mdx_DbMacro* macro, Mdx_String& value, bool get,
                                                   AcTransaction* transaction) const {
    if (!get) return Acad::eInvalidInput;
    Mdx_String profilePart = objectName, columnPart;
    bool sectionSize = kind == KvObjectKind::MemberSectionSize;
    if (sectionSize && !objectName.splitAtFirst(";", profilePart, columnPart, true))
        return Acad::eInvalidInput;
    int index = 0;
    AcDbObjectId profileId;
    if (!readBaseProfIndex(profilePart, index) || getBaseProf(macro, index, profileId) != Acad::eOk)
        return Acad::eInvalidInput;
    if (kind == KvObjectKind::PrPlMaterial)
        return getMaterial(profileId, value, transaction) == Acad::eOk ? Acad::eOk
                                                                       : Acad::eInvalidInput;
    if (!sectionSize)
        return getSectionName(profileId, value, transaction) == Acad::eOk ? Acad::eOk
                                                                          : Acad::eInvalidInput;
    Mdx_String section;
    if (!columnPart.isNumber() || getSectionName(profileId, section, transaction) != Acad::eOk)
        return Acad::eInvalidInput;
    return getSectionValue(section, columnPart.toInt(), value);
}

Acad::ErrorStatus KvObjectMap::getSetModuleVarValue(Mdx_Macro* macro, MacroData* macroData,
                                                    Mdx_String& moduleName, int moduleIndex,
                                                    Mdx_String& value, bool get,
                                                    AcTransaction* transaction) const {
    if (!macro || !macroData || !kindNeedsModule(kind)) return Acad::eInvalidInput;
    Mdx_Module* module = nullptr;
    if (openModule(macro, moduleName, module, moduleIndex) != Acad::eOk) return Acad::eInvalidInput;
    if (kindNeedsBoltModule(kind) && module->typeCode() != Mdx_Module::kBoltModule)
        return Acad::eInvalidInput;
    MacroTabData* tab = findModuleTab(macroData, *module);
    if (!tab) return Acad::eInvalidInput;
    if (kindIsCutOffset(kind)) {
        int offsetType = static_cast<int>(kind) - static_cast<int>(KvObjectKind::CutOffset);
        return accessCutValue(*module, objectName, offsetType, value, get);
    }
    switch (kind) {
        case KvObjectKind::Distance:
            return accessConstrVar(*tab, *module, objectName, value, get);
        case KvObjectKind::BoltsDiameter:
        case KvObjectKind::BoltsHoleOffset:
            return accessBoltData(*tab, kind == KvObjectKind::BoltsDiameter, value, get);
        case KvObjectKind::PatternNrBolts1:
        case KvObjectKind::PatternNrBolts2:
            return getSetNrBolts(tab, objectName, value, get,
                                 kind == KvObjectKind::PatternNrBolts1) == Acad::eOk
                       ? Acad::eOk
                       : Acad::eInvalidInput;
        case KvObjectKind::PatternReverseStart1:
        case KvObjectKind::PatternReverseStart2:
            return accessReverseStart(*module, objectName,
                                      kind == KvObjectKind::PatternReverseStart1, value, get,
                                      transaction);
        case KvObjectKind::OwnedMemberName: {
            // A group that is not on the tab is not an error here: the tie stays valid for
            // macros whose placements carry the name.
            bool found = false;
            return accessMemberName(*tab, objectName, value, get, found);
        }
        default:
            return Acad::eInvalidInput;
    }
}
