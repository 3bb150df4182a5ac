#pragma once
// A module of a macro: one building block of a parametric connection (a plate, a bolt group,
// a set of profiles, ...). Modules of one group are edited together on one tab of the macro
// dialog; a module without a group forms a group of its own under its name.
#include <memory>

#include "core/Mdx_Array.h"
#include "core/Mdx_String.h"
#include "core/macro/Mdx_CutConstraint.h"
#include "core/macro/Mdx_DialogVariable.h"
#include "core/macro/Mdx_ModuleArray.h"
#include "core/macro/Mdx_ModuleDefinition.h"
#include "host/AcArray.h"
#include "host/AcDbObjectId.h"
#include "host/AcadErrorStatus.h"

namespace host {
class FieldReader;
class FieldWriter;
}  // namespace host

// A plate or profile the module places, by its name inside the module.
struct Mdx_NamedPrpl {
    Mdx_String name;
    AcDbObjectId id;  // the Mdx_DbProfile
};

class Mdx_Module {
public:
    // Type codes as drawings store them.
    static constexpr int kGeneralModule = 230;
    static constexpr int kPlateModule = 231;
    static constexpr int kBoltModule = 232;
    static constexpr int kProfModule = 233;

    // A module of the given type code (a bolt or profile module for those codes); null for a
    // code the model does not know.
    static std::unique_ptr<Mdx_Module> create(int typeCode);

    virtual ~Mdx_Module() = default;
    virtual std::unique_ptr<Mdx_Module> clone() const;
    int typeCode() const { return typeCode_; }

    const Mdx_String& name() const { return name_; }
    void setName(const Mdx_String& name) { name_ = name; }
    const Mdx_String& groupName() const { return groupName_; }
    void setGroupName(const Mdx_String& group) { groupName_ = group; }
    // The group name, or the module's own name when it has no group.
    Mdx_String effectiveGroupName() const;

    Mdx_Array<Mdx_DialogVariable>& dialogVariables() { return variables_; }
    const Mdx_Array<Mdx_DialogVariable>& dialogVariables() const { return variables_; }
    Mdx_DialogVariable* findDialogVariable(const Mdx_String& name);
    Mdx_Array<Mdx_CutConstraint>& cuts() { return cuts_; }
    const Mdx_Array<Mdx_CutConstraint>& cuts() const { return cuts_; }
    Mdx_CutConstraint* findCut(const Mdx_String& name);
    // The plates and profiles the module places.
    Mdx_Array<Mdx_NamedPrpl>& prpls() { return prpls_; }
    const Mdx_Array<Mdx_NamedPrpl>& prpls() const { return prpls_; }
    Mdx_Array<Mdx_ModuleArray>& arrays() { return arrays_; }
    const Mdx_Array<Mdx_ModuleArray>& arrays() const { return arrays_; }
    Mdx_ModuleArray* findArray(const Mdx_String& name);
    Mdx_BlockChoice& block() { return block_; }
    const Mdx_BlockChoice& block() const { return block_; }
    // The designed dialog of the module's tab: a file name under the library's
    // "Dialog Templates\\Dialog Design\\" folder, without extension; empty for none.
    const Mdx_String& designPath() const { return designPath_; }
    void setDesignPath(const Mdx_String& path) { designPath_ = path; }
    // What the macro editor defines: constraints, object flexibility, variable types,
    // equations.
    Mdx_ModuleDefinition& definition() { return definition_; }
    const Mdx_ModuleDefinition& definition() const { return definition_; }

    // The module's state as fields, after the type code the macro writes for it.
    void writeFields(host::FieldWriter& out) const;
    bool readFields(host::FieldReader& in);

protected:
    explicit Mdx_Module(int typeCode) : typeCode_(typeCode) {}
    Mdx_Module(const Mdx_Module&) = default;
    // The fields of a derived module, after the common ones.
    virtual void writeOwnFields(host::FieldWriter&) const {}
    virtual bool readOwnFields(host::FieldReader&) { return true; }

private:
    // Fields the macro dialog added: design, arrays, block; each only when used.
    void writeDialogFields(host::FieldWriter& out) const;
    bool readDialogFields(host::FieldReader& in);

    int typeCode_;
    Mdx_String name_;
    Mdx_String groupName_;
    Mdx_Array<Mdx_DialogVariable> variables_;
    Mdx_Array<Mdx_CutConstraint> cuts_;
    Mdx_Array<Mdx_NamedPrpl> prpls_;
    Mdx_Array<Mdx_ModuleArray> arrays_;
    Mdx_BlockChoice block_;
    Mdx_String designPath_;
    Mdx_ModuleDefinition definition_;
};
