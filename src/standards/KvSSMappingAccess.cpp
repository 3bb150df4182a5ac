// Reading and writing one spreadsheet variable's value in the macro, by mapped object or, in
// module-group mode, by the variable's own name.
#include <array>

#include "core/NumberText.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroValueAccess.h"
#include "core/macro/Mdx_DbMacro.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvModuleValueAccess.h"
#include "standards/KvSSMapping.h"

namespace {

// Decimals of a "gen." variable read by name.
constexpr int kGenByNamePrecision = 4;

// The cut suffixes of a by-name variable, in offset-type order.
constexpr std::array<const char*, 9> kCutSuffixes{
    ".Cut",        ".CutPoly",  ".CutLength", ".CutCenter", ".CutInside",
    ".CutOutside", ".Chamfer1", ".Chamfer2",  ".CutRadius",
};

bool endsWith(const Mdx_String& name, const char* suffix) {
    return name.endsWith(suffix, false);
}

// The object a by-name variable addresses: the part before its last point. Object names
// may hold points themselves ("Plate.1.Name" names "Plate.1"); suffixes never do.
Mdx_String objectPart(const Mdx_String& name) {
    int dot = name.findLast(".", true);
    return dot < 0 ? name : name.left(dot);
}

Acad::ErrorStatus accessGenByName(Mdx_Macro& macro, const Mdx_String& name, Mdx_String& value,
                                  bool get) {
    Mdx_String genVar = Mdx_String("gen_") + name.mid(4);
    Mdx_StringArray names;
    macro.getGeneralVariables(names);
    if (names.find(genVar, false) < 0) return Acad::eInvalidInput;
    if (get)
        value = Mdx_String(macro.generalVariableValue(genVar), kGenByNamePrecision, false);
    else
        macro.setGeneralVariable(genVar, leadingDouble(value.view()));
    return Acad::eOk;
}

}  // namespace

Acad::ErrorStatus KvSSMapping::getMacroVarValue(const Mdx_String& ssVar, const KvValueType& type,
                                                Mdx_String& value, KvDlgStandardsData& data) const {
    return getSetMacroVarValue(ssVar, type, value, data, true);
}

Acad::ErrorStatus KvSSMapping::setMacroVarValue(const Mdx_String& ssVar, const KvValueType& type,
                                                Mdx_String& value, KvDlgStandardsData& data) const {
    return getSetMacroVarValue(ssVar, type, value, data, false);
}

Acad::ErrorStatus KvSSMapping::getSetMacroVarValue(const Mdx_String& ssVar, const KvValueType& type,
                                                   Mdx_String& value, KvDlgStandardsData& data,
                                                   bool get) const {
    if (!data.dbMacro) return Acad::eInvalidInput;
    if (mappingMode != kModuleGroup) {
        int index = -1;
        if (findSSVar(ssVar, type, index) != Acad::eOk) return Acad::eInvalidInput;
        const KvObjectMap& object = objects_[index];
        return get ? object.getMacroVarValue(data.dbMacro, data.macroData, value, data.transaction)
                   : object.setMacroVarValue(data.dbMacro, data.macroData, value, data.transaction);
    }
    Mdx_Macro* macro = data.dbMacro->macro();
    Mdx_StringArray moduleNames;
    if (getModNamesOfGroup(macro, data.moduleGroup, moduleNames) != Acad::eOk)
        return Acad::eInvalidInput;
    // Reading takes the first module that knows the name; writing goes to every module of
    // the group and succeeds when at least one took the value.
    bool written = false;
    for (const Mdx_String& name : moduleNames) {
        Mdx_Module* module = macro->findModuleWrite(name);
        if (!module) continue;
        Acad::ErrorStatus status = getSetModuleVarByName(ssVar, type, macro, module, data.macroData,
                                                         value, get, data.transaction);
        if (status == Acad::eOk && get) return Acad::eOk;
        written = written || status == Acad::eOk;
    }
    return written ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus KvSSMapping::getSetModuleVarByName(const Mdx_String& name,
                                                     const KvValueType& type, Mdx_Macro* macro,
                                                     Mdx_Module* module, MacroData* macroData,
                                                     Mdx_String& value, bool get,
                                                     AcTransaction* transaction) {
    if (!macro || !module || !macroData) return Acad::eInvalidInput;
    MacroTabData* tab = findModuleTab(macroData, *module);
    if (!tab) return Acad::eInvalidInput;
    bool numeric = isNumeric(type);
    Mdx_String object = objectPart(name);

    if (numeric && name.startsWith("gen.", false)) return accessGenByName(*macro, name, value, get);
    if (!numeric && get && (endsWith(name, ".Name") || endsWith(name, ".Material"))) {
        AcDbObjectId id;
        if (getNamedPrpl(module, object, id) == Acad::eOk) {
            Acad::ErrorStatus status = endsWith(name, ".Name")
                                           ? getSectionName(id, value, transaction)
                                           : getMaterial(id, value, transaction);
            return status == Acad::eOk ? Acad::eOk : Acad::eInvalidInput;
        }
    }
    if (numeric) {
        for (std::size_t offset = 0; offset < kCutSuffixes.size(); ++offset)
            if (endsWith(name, kCutSuffixes[offset]))
                return accessCutValue(*module, object, static_cast<int>(offset), value, get);
        if (endsWith(name, ".Diameter") || endsWith(name, ".HoleOffset"))
            return accessBoltData(*tab, endsWith(name, ".Diameter"), value, get);
    }
    if (endsWith(name, ".NrBolts1") || endsWith(name, ".NrBolts2"))
        return getSetNrBolts(tab, object, value, get, endsWith(name, ".NrBolts1")) == Acad::eOk
                   ? Acad::eOk
                   : Acad::eInvalidInput;
    if (numeric && (endsWith(name, ".ReverseStart1") || endsWith(name, ".ReverseStart2")))
        return accessReverseStart(*module, object, endsWith(name, ".ReverseStart1"), value, get,
                                  transaction);
    if (!numeric && endsWith(name, ".MemberName")) {
        bool found = false;
        Acad::ErrorStatus status = accessMemberName(*tab, object, value, get, found);
        return found ? status : Acad::eInvalidInput;
    }
    if (!numeric) return Acad::eInvalidInput;
    return accessConstrVar(*tab, *module, name, value, get);
}
