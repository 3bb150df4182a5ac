#pragma once
// The kinds of control a designed dialog can hold. The kind decides the window class and
// style of the realised control and how the macro dialog binds it to macro data.
#include "win/WinTypes.h"

enum Mdx_ControlType : int {
    ctStaticText = 0,
    ctGroupBox = 1,
    ctVarEdit = 2,
    ctVarCombo = 3,
    ctPatternEdit = 4,
    ctPatternCountEdit = 5,
    ctPatternButton = 6,
    ctBoltAssemblyCombo = 7,
    ctBoltDiameterEdit = 8,
    ctBoltEdit3 = 9,
    ctBoltEdit4 = 10,
    ctBoltEdit5 = 11,
    ctBoltAdvancedButton = 12,
    ctProfNameCombo = 13,
    ctProfButton = 14,
    ctProfOffsetCombo = 15,
    ctProfRotationCombo = 16,
    ctProfAdvancedButton = 17,
    ctArrayEdit1 = 18,
    ctArrayEdit2 = 19,
    ctArrayEdit3 = 20,
    ctArrayEdit4 = 21,
    ctArrayEdit5 = 22,
    ctArrayEntryEdit = 23,
    ctArrayAdvancedButton = 24,
    ctDistanceButton = 25,
    ctDistanceButton2 = 26,
    ctBlockCombo = 27,
    ctCutCombo = 28,
    ctVarCheck = 29,
    ctFlexButton = 30,
};

namespace designer {

inline constexpr int kControlTypeCount = 31;

enum class ControlClass { Static, Edit, Combo, Button };

// The window class family of a type; any value outside the table is a static text.
ControlClass controlClassOf(int type);
// "STATIC", "EDIT", "COMBOBOX" or "BUTTON".
const char* windowClassOf(int type);
// The style beyond child and visible, and the extended style.
DWORD controlStyleOf(int type);
DWORD controlExStyleOf(int type);

bool isEditType(int type);
bool isComboType(int type);
bool isButtonType(int type);
// Whether the value is one of the 31 types (0 to 30).
bool isKnownControlType(int type);

}  // namespace designer

class Mdx_StringArray;
namespace designer {
// The designer's names of the types, index = type value.
Mdx_StringArray controlTypeNames();
}  // namespace designer
