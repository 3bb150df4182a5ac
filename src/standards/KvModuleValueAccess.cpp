#include "standards/KvModuleValueAccess.h"

#include "core/NumberText.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroValueAccess.h"
#include "core/macro/Mdx_BoltModule.h"

MacroTabData* findModuleTab(MacroData* macroData, const Mdx_Module& module) {
    int index = -1;
    if (!macroData || !macroData->findTab(module.effectiveGroupName(), index)) return nullptr;
    return macroData->getTab(index);
}

Acad::ErrorStatus accessConstrVar(MacroTabData& tab, Mdx_Module& module, const Mdx_String& name,
                                  Mdx_String& value, bool get) {
    if (!get) {
        bool hasButton = false;
        bool buttonState = true;
        if (tab.getFlexFixBtnStatus(name, hasButton, buttonState) == Acad::eOk &&
            (!hasButton || buttonState))
            tab.flexFixBtnClicked(name, false);
    }
    return getSetConstrVarValue(&module, name, value, get) == Acad::eOk ? Acad::eOk
                                                                        : Acad::eInvalidInput;
}

Acad::ErrorStatus accessCutValue(Mdx_Module& module, const Mdx_String& cutName, int offsetType,
                                 Mdx_String& value, bool get) {
    Mdx_CutConstraint* cut = nullptr;
    if (getCutConstraint(&module, cutName, cut) != Acad::eOk) return Acad::eInvalidInput;
    double number = leadingDouble(value.view());
    if (getSetCutValue(&module, cut, offsetType, number, get) != Acad::eOk)
        return Acad::eInvalidInput;
    if (get) value = Mdx_String(number, kCutValuePrecision, false);
    return Acad::eOk;
}

Acad::ErrorStatus accessBoltData(MacroTabData& tab, bool diameter, Mdx_String& value, bool get) {
    MacroBoltData* data = tab.getBoltData();
    if (!data) return Acad::eInvalidInput;
    Mdx_String& text = diameter ? data->diameter : data->holeOffset;
    if (get)
        value = text;
    else
        text = value;
    return Acad::eOk;
}

Acad::ErrorStatus accessReverseStart(Mdx_Module& module, const Mdx_String& patternName, bool first,
                                     Mdx_String& value, bool get, AcTransaction* transaction) {
    auto* bolts = dynamic_cast<Mdx_BoltModule*>(&module);
    AcDbObjectId patternId;
    if (!bolts || findPattern(bolts, patternName, patternId, transaction) != Acad::eOk)
        return Acad::eInvalidInput;
    bool flag = !get && value.equal("1", false);
    if (getSetBoltPatternReverses(bolts, patternId, first, get, flag, transaction) != Acad::eOk)
        return Acad::eInvalidInput;
    if (get) value = flag ? "0" : "1";
    return Acad::eOk;
}

Acad::ErrorStatus accessMemberName(MacroTabData& tab, const Mdx_String& group, Mdx_String& value,
                                   bool get, bool& found) {
    MacroProfData props;
    found = tab.getMergedPropsOfGroup(group, props);
    if (!found) return Acad::eOk;
    if (get) {
        value = props.memberName;
        return Acad::eOk;
    }
    props.memberName = value;
    tab.setMergedPropsOfGroup(group, props);
    return Acad::eOk;
}
