#pragma once
// What the macro editor defines for a module beyond its dialog variables: the constraints
// between its objects, how flexible each object is, the type of each variable and the
// module's equations. Stored with the module; a module without any writes nothing.
#include "core/Mdx_Array.h"
#include "core/Mdx_StringArray.h"
#include "core/macro/Mdx_Constraint.h"
#include "core/macro/Mdx_CoordSystem.h"

// Flexibility of an object: how the solver may move it.
enum Mdx_Flexibility : int { kFlexFixed = 1, kFlexRigid = 2, kFlexFree = 3 };
inline constexpr int mdxVariableTypeCount = 8;  // variable types 0 to 7

struct Mdx_ObjectSetting {
    Mdx_String name;  // the object's name in its module
    int flexibility = kFlexFixed;
    bool constrained = false;
    friend bool operator==(const Mdx_ObjectSetting&, const Mdx_ObjectSetting&) = default;
};

struct Mdx_VariableType {
    Mdx_String name;
    int type = 0;
    friend bool operator==(const Mdx_VariableType&, const Mdx_VariableType&) = default;
};

class Mdx_ModuleDefinition {
public:
    Mdx_Array<Mdx_Constraint> constraints;
    // Only objects whose setting differs from a fresh one's.
    Mdx_Array<Mdx_ObjectSetting> objects;
    // Only variables whose type is not 0.
    Mdx_Array<Mdx_VariableType> variableTypes;
    Mdx_StringArray equations;
    // Placed with the editor's coordinate-system tool.
    Mdx_Array<Mdx_CoordSystem> coordSystems;

    bool isEmpty() const;
    Mdx_Constraint* findConstraint(const Mdx_String& name);
    Mdx_ObjectSetting objectSetting(const Mdx_String& name) const;
    void setObjectSetting(const Mdx_ObjectSetting& setting);
    int variableType(const Mdx_String& name) const;
    // Follows a rename of an object through the settings and the constraints.
    void renameObject(const Mdx_String& from, const Mdx_String& to);

    // Nothing when empty, so modules the editor never touched keep their bytes.
    void writeFields(host::FieldWriter& out) const;
    // Reads the group when it comes next; refuses values out of range.
    bool readFields(host::FieldReader& in);

    friend bool operator==(const Mdx_ModuleDefinition&, const Mdx_ModuleDefinition&) = default;
};
