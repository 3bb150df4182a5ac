#include "designer/Mdx_ControlType.h"

#include "win/WinStyles.h"

namespace designer {

ControlClass controlClassOf(int type) {
    switch (type) {
        case ctVarEdit:
        case ctPatternEdit:
        case ctPatternCountEdit:
        case ctBoltDiameterEdit:
        case ctBoltEdit3:
        case ctBoltEdit4:
        case ctBoltEdit5:
        case ctArrayEdit1:
        case ctArrayEdit2:
        case ctArrayEdit3:
        case ctArrayEdit4:
        case ctArrayEdit5:
        case ctArrayEntryEdit:
            return ControlClass::Edit;
        case ctVarCombo:
        case ctBoltAssemblyCombo:
        case ctProfNameCombo:
        case ctProfOffsetCombo:
        case ctProfRotationCombo:
        case ctBlockCombo:
        case ctCutCombo:
            return ControlClass::Combo;
        case ctGroupBox:
        case ctPatternButton:
        case ctBoltAdvancedButton:
        case ctProfButton:
        case ctProfAdvancedButton:
        case ctArrayAdvancedButton:
        case ctDistanceButton:
        case ctDistanceButton2:
        case ctVarCheck:
        case ctFlexButton:
            return ControlClass::Button;
        default:
            return ControlClass::Static;
    }
}

const char* windowClassOf(int type) {
    switch (controlClassOf(type)) {
        case ControlClass::Edit:
            return "EDIT";
        case ControlClass::Combo:
            return "COMBOBOX";
        case ControlClass::Button:
            return "BUTTON";
        case ControlClass::Static:
            break;
    }
    return "STATIC";
}

namespace {

DWORD buttonStyleOf(int type) {
    switch (type) {
        case ctGroupBox:
            return BS_GROUPBOX;
        case ctVarCheck:
            return BS_AUTOCHECKBOX;  // three-state only while it shows the mixed word
        case ctFlexButton:
            return BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_ICON | BS_VCENTER;
        default:
            return BS_PUSHBUTTON;
    }
}

}  // namespace

DWORD controlStyleOf(int type) {
    switch (controlClassOf(type)) {
        case ControlClass::Edit:
            return (type == ctPatternEdit || type == ctPatternCountEdit) ? ES_MULTILINE
                                                                         : ES_AUTOHSCROLL;
        case ControlClass::Combo:
            return WS_VSCROLL | ((type == ctVarCombo || type == ctProfRotationCombo)
                                     ? CBS_DROPDOWN | CBS_AUTOHSCROLL
                                     : CBS_DROPDOWNLIST);
        case ControlClass::Button:
            return buttonStyleOf(type);
        case ControlClass::Static:
            break;
    }
    return 0;
}

DWORD controlExStyleOf(int type) {
    return controlClassOf(type) == ControlClass::Edit ? WS_EX_CLIENTEDGE : 0;
}

bool isEditType(int type) { return controlClassOf(type) == ControlClass::Edit; }
bool isComboType(int type) { return controlClassOf(type) == ControlClass::Combo; }
bool isButtonType(int type) { return controlClassOf(type) == ControlClass::Button; }
bool isKnownControlType(int type) { return type >= 0 && type < kControlTypeCount; }

}  // namespace designer

#include "core/Mdx_StringArray.h"
#include "core/Texts.h"

namespace designer {

Mdx_StringArray controlTypeNames() {
    Mdx_StringArray names;
    for (int id = 799; id <= 802; ++id) names.append(dialString(id));
    for (int n = 1; n <= 2; ++n) {
        Mdx_String name = dialString(803) + " ";
        name.append(n);
        names.append(name + ": " + dialString(2220));
    }
    for (int id = 804; id <= 823; ++id) names.append(dialString(id));
    for (int id : {1315, 1341, 1404, 1405, 1428}) names.append(dialString(id));
    return names;
}

}  // namespace designer
