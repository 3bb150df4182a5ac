#pragma once
// The core library's calls through which the module reads and writes single values of a
// macro: modules by group, dialog variables, cuts, bolt patterns, plates and profiles, base
// profiles. Each returns eOk, or eInvalidInput when it did nothing (bad arguments, a missing
// object, an object of the wrong kind); none shows a message. Database objects are opened
// through the caller's transaction.
#include "core/Mdx_StringArray.h"
#include "host/AcArray.h"
#include "host/AcDbObjectId.h"
#include "host/AcadErrorStatus.h"

class AcTransaction;
class Mdx_BoltModule;
class Mdx_DbMacro;
class Mdx_DbPattern;
class Mdx_Macro;
class Mdx_Module;
struct Mdx_CutConstraint;

// Decimals with which a dialog variable's value reads as text.
inline constexpr int kConstrVarPrecision = 7;

// The names of the modules whose group (or, without a group, whose name) is group, in
// module order. An empty group, or one no module belongs to, gives an empty list; only a
// missing macro fails.
Acad::ErrorStatus getModNamesOfGroup(const Mdx_Macro* macro, const Mdx_String& group,
                                     Mdx_StringArray& names);
Acad::ErrorStatus getModNamesOfGroup(const Mdx_DbMacro* macro, const Mdx_String& group,
                                     Mdx_StringArray& names);
// The module named name. index is the caller's position of the name in its list of module
// names; modules are found by name alone, so it only has to be a position (from 0).
Acad::ErrorStatus openModule(Mdx_Macro* macro, const Mdx_String& name, Mdx_Module*& module,
                             int index);

// Dialog variables with their two flags: A, the user enters the value; B, the variable has
// a flex/fix button.
Acad::ErrorStatus getDialogVariables(const Mdx_Module* module, Mdx_StringArray& names,
                                     AcArray<bool>& flagsA, AcArray<bool>& flagsB);
// Reads the value as text or writes it from text (the leading number of the text; a text
// that is no number is refused).
Acad::ErrorStatus getSetConstrVarValue(Mdx_Module* module, const Mdx_String& name,
                                       Mdx_String& value, bool get);

Acad::ErrorStatus getCutConstraints(const Mdx_Module* module, Mdx_StringArray& names,
                                    AcArray<int>& cutTypes);
Acad::ErrorStatus getCutConstraint(Mdx_Module* module, const Mdx_String& name,
                                   Mdx_CutConstraint*& cut);
// Fails for an offset the cut's type does not have, and for a cut not of the module.
Acad::ErrorStatus getSetCutValue(Mdx_Module* module, Mdx_CutConstraint* cut, int offsetType,
                                 double& number, bool get);

// Patterns of a bolt module (eInvalidInput for other modules).
Acad::ErrorStatus getPatternIds(const Mdx_Module* module, AcArray<AcDbObjectId>& ids);
Acad::ErrorStatus getPattern(AcDbObjectId id, Mdx_DbPattern*& pattern, AcTransaction* transaction);
Acad::ErrorStatus findPattern(Mdx_BoltModule* module, const Mdx_String& name,
                              AcDbObjectId& patternId, AcTransaction* transaction);
// Reads (get) or writes the reversed-start flag of one direction (first, or the second one
// of a two-direction pattern) of a pattern of the bolt module.
Acad::ErrorStatus getSetBoltPatternReverses(Mdx_BoltModule* module, AcDbObjectId patternId,
                                            bool first, bool get, bool& flag,
                                            AcTransaction* transaction);

// The plate or profile named name that the module places.
Acad::ErrorStatus getNamedPrpl(const Mdx_Module* module, const Mdx_String& name, AcDbObjectId& id);
// Base profile index (from 0) of the macro.
Acad::ErrorStatus getBaseProf(const Mdx_DbMacro* macro, int index, AcDbObjectId& profileId);
Acad::ErrorStatus getSectionName(AcDbObjectId profileId, Mdx_String& section,
                                 AcTransaction* transaction);
Acad::ErrorStatus getMaterial(AcDbObjectId profileId, Mdx_String& material,
                              AcTransaction* transaction);
