#pragma once
// One macro object tied to one spreadsheet variable, and its text form in mapping files:
// groupName, the byte 0x95, the kind's keyword, a blank, objectName.
#include "core/Mdx_String.h"
#include "host/AcadErrorStatus.h"
#include "standards/KvObjectKind.h"

class AcTransaction;
class KvVarCell;
class MacroData;
class Mdx_DbMacro;
class Mdx_Macro;
class Mdx_StringArray;

// The byte between group name and keyword in a mapping text (a bullet in Windows-1252).
inline constexpr char kMappingGroupSeparator = '\x95';

class KvObjectMap {
public:
    KvObjectMap() = default;
    KvObjectMap(const KvObjectMap&) = default;
    KvObjectMap& operator=(const KvObjectMap&) = default;
    virtual ~KvObjectMap() = default;

    // Parses a mapping text; eInvalidInput without 0x95 or with no known keyword. category
    // and columnName are left as they are.
    Acad::ErrorStatus getMappingFromStrs(const Mdx_String& ssVar, const Mdx_String& mappingText);
    // Note the order: the text first, then the variable name. eInvalidInput for kind None.
    Acad::ErrorStatus setMappingToStrs(Mdx_String& mappingText, Mdx_String& ssVar) const;
    Acad::ErrorStatus mapFromArrays(const Mdx_StringArray& ssVars,
                                    const Mdx_StringArray& mappingTexts, const KvVarCell& cell);
    // Same group, object and kind (names ignoring case); the variable does not count.
    Acad::ErrorStatus isCompatible(const KvObjectMap& other) const;

    // The object's value in the macro as text.
    Acad::ErrorStatus getMacroVarValue(Mdx_DbMacro* macro, MacroData* macroData, Mdx_String& value,
                                       AcTransaction* transaction) const;
    Acad::ErrorStatus setMacroVarValue(Mdx_DbMacro* macro, MacroData* macroData, Mdx_String& value,
                                       AcTransaction* transaction) const;

    // False for kind None.
    bool valueType(KvValueType& type) const { return kindValueType(kind, type); }

    Mdx_String groupName;
    Mdx_String objectName;
    Mdx_String ssVarName;
    KvObjectKind kind = KvObjectKind::None;
    int category = 3;
    Mdx_String columnName;

private:
    Acad::ErrorStatus getSetMacroVarValue(Mdx_DbMacro* macro, MacroData* macroData,
                                          Mdx_String& value, bool get,
                                          AcTransaction* transaction) const;
    Acad::ErrorStatus getSetModuleVarValue(Mdx_Macro* macro, MacroData* macroData,
                                           Mdx_String& moduleName, int moduleIndex,
                                           Mdx_String& value, bool get,
                                           AcTransaction* transaction) const;
    Acad::ErrorStatus getSetBaseProfValue(Mdx_DbMacro* macro, Mdx_String& value, bool get,
                                          AcTransaction* transaction) const;
};
