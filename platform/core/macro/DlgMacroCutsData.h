#pragma once
// One cut rule of a macro as the cut dialog edits it: the kind of cut, its options, the named
// offsets that drive it and where the other part comes from. The core answers the dialog's
// questions about it (defaults of a type, a name already used, valid value names).
#include "core/Mdx_StringArray.h"
#include "host/AcArray.h"
#include "host/AcDbObjectId.h"

class AcDbDatabase;

// The cut kinds of the picture combo, 1 to 6.
enum class Mdx_ConstraintCutType : int {
    ProfileVsPlate = 1,
    ProfileVsProfile = 2,
    ProfileInProfile = 3,
    ProfileVsProfile3Segments = 4,
    Chamfer = 5,
    Fillet = 6,
};
inline constexpr int mdxConstraintCutTypeCount = 6;

// The macro that provides the other part of a cut.
struct MacrosInDlgData {
    AcDbDatabase* database = nullptr;
    AcDbObjectId macroId;

    // The module names of the macro; false when it names no macro of the database.
    bool GetAllMods(AcDbObjectId macroId, Mdx_StringArray& names) const;
    // Lets the user pick a macro in the drawing (a queued handle, MacroEditPickers.h); true
    // when one was picked: macroId is then that macro.
    bool UserSelectMacro();
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

    // The offsets of a cut type by internal name, their default values (there may be fewer
    // values than names: the missing ones are 0) and flags. False for an unknown type.
    static bool GetDefaultValues(Mdx_ConstraintCutType type, Mdx_StringArray& names,
                                 Mdx_StringArray& values, AcArray<bool>& flags);
    // Whether the module of the macro already has a cut of that name (ignoring case). False
    // when the macro or the module is unknown.
    bool CutNameInUse(AcDbObjectId macroId, const Mdx_String& name, const Mdx_String& module,
                      bool& inUse) const;
    // Every value is a number or a variable name of letters, digits and underscores that
    // starts with a letter and not with "gen_" (the general variables' own).
    bool AreVarNamesValid() const;
};
