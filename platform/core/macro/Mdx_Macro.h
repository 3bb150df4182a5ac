#pragma once
// The parametric connection itself: its modules in order and its general variables. A macro
// lives inside its database object (Mdx_DbMacro) and is reached through a transaction.
#include <memory>
#include <vector>

#include "core/Mdx_StringArray.h"
#include "core/macro/Mdx_Module.h"

class Mdx_Macro {
public:
    Mdx_Macro() = default;
    Mdx_Macro(const Mdx_Macro& other);
    Mdx_Macro& operator=(const Mdx_Macro& other);
    Mdx_Macro(Mdx_Macro&&) = default;
    Mdx_Macro& operator=(Mdx_Macro&&) = default;
    ~Mdx_Macro() = default;

    const Mdx_String& name() const { return name_; }
    void setName(const Mdx_String& name) { name_ = name; }

    // Modules, in the order the macro builds them. Module names compare ignoring case.
    int moduleCount() const { return static_cast<int>(modules_.size()); }
    Mdx_Module* moduleAt(int index);
    const Mdx_Module* moduleAt(int index) const;
    Mdx_Module& addModule(std::unique_ptr<Mdx_Module> module);
    // False for an index out of range.
    bool removeModule(int index);
    void getModuleNames(Mdx_StringArray& names) const;
    const Mdx_Module* findModule(const Mdx_String& name) const;
    Mdx_Module* findModuleWrite(const Mdx_String& name);

    // General variables: named numbers every module and standard of the macro can use.
    void getGeneralVariables(Mdx_StringArray& names) const;
    bool hasGeneralVariable(const Mdx_String& name) const;
    // 0 for a name the macro does not have.
    double generalVariableValue(const Mdx_String& name) const;
    // Sets the value, adding the variable when the macro does not have it yet.
    void setGeneralVariable(const Mdx_String& name, double value);

    void writeFields(host::FieldWriter& out) const;
    bool readFields(host::FieldReader& in);

private:
    int findGeneralVariable(const Mdx_String& name) const;

    Mdx_String name_;
    std::vector<std::unique_ptr<Mdx_Module>> modules_;
    Mdx_StringArray genVarNames_;
    std::vector<double> genVarValues_;
};
