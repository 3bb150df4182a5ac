#pragma once
// One cut rule of a macro as the cut dialog edits it: the kind of cut, its options, the named
// offsets that drive it and where the other part comes from.
#include "core/Mdx_StringArray.h"
#include "host/AcArray.h"
#include "host/AcDbObjectId.h"

// The cut kinds of the picture combo, 1 to 6.
enum class Mdx_ConstraintCutType : int {
    ProfileVsPlate = 1,
    ProfileVsProfile = 2,
    ProfileInProfile = 3,
    ProfileVsProfile3Segments = 4,
    Chamfer = 5,
    Fillet = 6,
};

// The macro that provides the other part of a cut.
struct MacrosInDlgData {
    AcDbObjectId macroId;
};

class DlgMacroCutsData {
public:
    virtual ~DlgMacroCutsData() = default;

    Mdx_ConstraintCutType cutType = Mdx_ConstraintCutType::ProfileVsPlate;
    bool editing = false;  // an existing cut: name, type and other part stay fixed
    Mdx_String name;
    Mdx_String variablePrefix;
    bool secondOption = false;         // type 1
    bool check1325 = false;            // type 1
    bool check1326 = false;            // type 1
    bool threeSegments = true;         // type 4
    bool threeSegmentsSecond = false;  // type 4
    bool check1323 = false;            // types 1 and 3
    int choice = 0;                    // type 1: one of four texts
    Mdx_StringArray valueNames;
    AcArray<bool> valueFlags;
    Mdx_StringArray values;
    int otherPartSource = 1;  // 1 this macro, 2 another macro
    Mdx_String moduleName;
    MacrosInDlgData macroChoice;
};
