#pragma once
// The items of a macro tab that the macro dialog binds to its controls. Each records the id
// of the control that shows it: a positive id is a designed control of the page, a negative
// id -r is row r of the page's variables grid, and a value below 1 before the page is built
// means "not shown" (MacroTabData::removeAllDlgReferences clears them all).
#include <array>

#include "core/Mdx_Array.h"
#include "core/Mdx_String.h"
#include "core/macro/Mdx_BoltSettings.h"
#include "core/macro/Mdx_ModuleArray.h"
#include "host/AcDbObjectId.h"

// A dialog variable of the tab. value is its text as the dialog shows it: numbers in their
// shortest exact form, the mixed word when the macros of the data disagree.
struct MacroVarData {
    Mdx_String name;
    Mdx_String value;
    int kind = 1;  // Mdx_VariableKind
    bool readOnly = false;
    int ctrlId = 0;
};

struct MacroCutData {
    Mdx_String name;
    int typeIndex = 0;  // Mdx_CutType; -1 when the macros disagree
    int ctrlId = 0;
};

struct MacroArrayData {
    Mdx_ModuleArray array;
    std::array<int, Mdx_ModuleArray::kValueCount> valueIds{};
    int entryId = 0;   // the control showing one entry (chosen by the design)
    int buttonId = 0;  // the array settings button
};

struct MacroBlockData {
    bool present = false;
    Mdx_BlockChoice block;
    int ctrlId = 0;
};

// Bolt data of a bolt tab, as texts the way the dialog shows them, with the controls of the
// five bolt values (assembly, diameter, penetration length, added length, hole tolerance)
// and of the bolt settings button.
struct MacroBoltData : Mdx_BoltSettings {
    std::array<int, 5> valueIds{};
    int buttonId = 0;

    // Bolt value 1 to 5 by number; null outside.
    Mdx_String* boltValue(int number);
};

// Bolt counts of one pattern of a bolt tab, as texts.
struct MacroPatternData {
    Mdx_String name;
    bool twoDirections = false;
    Mdx_String nrBolts1;
    Mdx_String nrBolts2;
    Mdx_String value;  // the spacing of the first direction
    int valueId = 0;
    int countId = 0;
    int buttonId = 0;
};

// The properties of a profile group (the placements of one name across the macros of the
// data), merged: a text on which the members disagree reads empty (the member name, the
// material) or the mixed word (section, rotation, plane); an offset type reads -1.
struct MacroProfData {
    Mdx_String groupName;
    Mdx_String memberName;
    Mdx_String sectionName;
    Mdx_String material;
    int offsetType = 0;
    Mdx_String rotation = "0";
    Mdx_String basePlane;
    bool hasCoordSys = false;
    // Designed controls of the group: name, chooser button, offset, rotation, settings.
    int nameId = 0;
    int buttonId = 0;
    int offsetId = 0;
    int rotationId = 0;
    int settingsId = 0;
};

// One placed member of a profile group: its profile object and its own properties.
struct MacroProfMember {
    AcDbObjectId profileId;
    MacroProfData props;
};

// The flex/fix state of one dialog variable of the tab.
struct MacroFlexFixData {
    Mdx_String name;
    bool hasButton = false;
    bool flexible = false;
};
