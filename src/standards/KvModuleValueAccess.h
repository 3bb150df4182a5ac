#pragma once
// The module-level reads and writes that a mapped object and a variable named after a macro
// value share: dialog variables (with the flex/fix step before a write), cut offsets, bolt
// data, bolt counts, reversed starts and member names. Values travel as text; every function
// returns eOk or eInvalidInput.
#include "core/Mdx_String.h"
#include "host/AcadErrorStatus.h"

class AcTransaction;
class MacroData;
class MacroTabData;
class Mdx_Module;

// Decimals of numbers read from cuts.
inline constexpr int kCutValuePrecision = 7;

// The tab of the module's group (or of its name, without a group); null when there is none.
MacroTabData* findModuleTab(MacroData* macroData, const Mdx_Module& module);

// Before a write, a variable that is flexible, or that has no flex/fix button, is fixed on
// the tab so the written value is kept; reading leaves the tab alone.
Acad::ErrorStatus accessConstrVar(MacroTabData& tab, Mdx_Module& module, const Mdx_String& name,
                                  Mdx_String& value, bool get);
Acad::ErrorStatus accessCutValue(Mdx_Module& module, const Mdx_String& cutName, int offsetType,
                                 Mdx_String& value, bool get);
Acad::ErrorStatus accessBoltData(MacroTabData& tab, bool diameter, Mdx_String& value, bool get);
// On writing, "1" (ignoring case) sets the flag and any other text clears it; on reading
// the flag set gives "0" and clear gives "1", the sense the standards sheets were built on.
Acad::ErrorStatus accessReverseStart(Mdx_Module& module, const Mdx_String& patternName, bool first,
                                     Mdx_String& value, bool get, AcTransaction* transaction);
// found tells whether the tab has the profile group.
Acad::ErrorStatus accessMemberName(MacroTabData& tab, const Mdx_String& group, Mdx_String& value,
                                   bool get, bool& found);
