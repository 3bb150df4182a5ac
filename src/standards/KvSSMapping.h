#pragma once
// The mapping of one standards spreadsheet to one macro: either by module group (variables
// name macro values themselves) or through a line of the mapping file beside the
// spreadsheet, which ties each variable to one macro object.
#include "core/Mdx_Array.h"
#include "core/Mdx_String.h"
#include "host/AcArray.h"
#include "host/AcadErrorStatus.h"
#include "standards/KvObjectMap.h"

class KvDlgStandardsData;
class Mdx_Module;

class KvSSMapping {
public:
    static constexpr int kNone = 0;
    static constexpr int kModuleGroup = 1;
    static constexpr int kMappingFile = 2;

    KvSSMapping() = default;
    KvSSMapping(const KvSSMapping&) = default;
    KvSSMapping& operator=(const KvSSMapping&) = default;
    virtual ~KvSSMapping() = default;

    int mappingMode = kNone;
    const Mdx_Array<KvObjectMap>& mappedObjects() const { return objects_; }
    Mdx_Array<KvObjectMap>& mappedObjectsWrite() { return objects_; }

    Acad::ErrorStatus initFromModuleGroup(Mdx_String group);
    Acad::ErrorStatus initFromMacro(KvDlgStandardsData& data);

    // The mapping file of the spreadsheet name (relative to the library's "Connection
    // Standards" folder, without ".kvs").
    Acad::ErrorStatus getMappingFromFile(Mdx_String name, const Mdx_String& key);
    Acad::ErrorStatus initMappingFromLine(const Mdx_String& line);
    // Stores this mapping under key, replacing the key's line unless it already holds this
    // mapping; the file is written whole and atomically.
    Acad::ErrorStatus setMappingToFile(Mdx_String name, Mdx_String& key);
    bool hasSameMapping(const Mdx_String& name, Mdx_String& key) const;

    // One-sided: every object of this mapping has a compatible one for its variable in other.
    bool isEqual(const KvSSMapping& other) const;
    Acad::ErrorStatus findSSVar(const Mdx_String& ssVar, const KvValueType& type, int& index) const;
    Acad::ErrorStatus isCompatible(const KvSSMapping& other, int& missing) const;
    Acad::ErrorStatus findCompatible(const KvObjectMap& object, int& index) const;
    Acad::ErrorStatus getValidVars(const bool& unused, const KvValueType& type,
                                   AcArray<int>& indices) const;
    Acad::ErrorStatus sortValidVars(AcArray<int>& indices, const AcArray<int>& order) const;
    Acad::ErrorStatus initAllVarsFromMacro(Mdx_DbMacro* macro, AcTransaction* transaction);

    Acad::ErrorStatus getMacroVarValue(const Mdx_String& ssVar, const KvValueType& type,
                                       Mdx_String& value, KvDlgStandardsData& data) const;
    Acad::ErrorStatus setMacroVarValue(const Mdx_String& ssVar, const KvValueType& type,
                                       Mdx_String& value, KvDlgStandardsData& data) const;

private:
    Acad::ErrorStatus getSetMacroVarValue(const Mdx_String& ssVar, const KvValueType& type,
                                          Mdx_String& value, KvDlgStandardsData& data,
                                          bool get) const;
    static Acad::ErrorStatus getSetModuleVarByName(const Mdx_String& name, const KvValueType& type,
                                                   Mdx_Macro* macro, Mdx_Module* module,
                                                   MacroData* macroData, Mdx_String& value,
                                                   bool get, AcTransaction* transaction);
    void addAllVariables(const Mdx_Module* module, Mdx_String& group);
    void addAllCuts(const Mdx_Module* module, Mdx_String& group);
    void addAllPatterns(const Mdx_Module* module, Mdx_String& group, AcTransaction* transaction);
    void addAllProfPlacements(const Mdx_Module* module, Mdx_String& group,
                              AcTransaction* transaction);
    void addAllBaseProfs(const Mdx_DbMacro* macro, AcTransaction* transaction);
    void addAllGenVars(const Mdx_Macro* macro);
    void addObject(const Mdx_String& group, const Mdx_String& object, KvObjectKind kind,
                   int category, const Mdx_String& column = Mdx_String());

    Mdx_Array<KvObjectMap> objects_;
};
