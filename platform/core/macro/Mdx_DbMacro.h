#pragma once
// The database object of a macro: the macro itself and the base profiles it connects (for
// an end plate, the column and the beam), which are Mdx_DbProfile objects of the drawing.
#include <memory>

#include "core/macro/Mdx_Macro.h"
#include "host/AcDbObject.h"

struct MacroSettings;

class Mdx_DbMacro : public AcDbObject {
public:
    static constexpr const char* kClassName = "Mdx_DbMacro";

    Mdx_DbMacro();
    explicit Mdx_DbMacro(std::unique_ptr<Mdx_Macro> macro);
    ~Mdx_DbMacro() override;

    const char* className() const override { return kClassName; }
    void writeFields(host::FieldWriter& out) const override;
    Acad::ErrorStatus readFields(host::FieldReader& in) override;

    // Null for a macro object whose macro has not been built (or was dropped).
    Mdx_Macro* macro() { return macro_.get(); }
    const Mdx_Macro* macro() const { return macro_.get(); }
    void setMacro(std::unique_ptr<Mdx_Macro> macro) { macro_ = std::move(macro); }

    AcArray<AcDbObjectId>& mapBaseProfIds() { return baseProfIds_; }
    const AcArray<AcDbObjectId>& mapBaseProfIds() const { return baseProfIds_; }

    // The general settings kept with the macro (its filters, description, standards); null
    // while none were ever set.
    const MacroSettings* settings() const { return settings_.get(); }
    // Keeps a copy of settings, without the pointers a dialog borrows.
    void setSettings(const MacroSettings& settings);

private:
    std::unique_ptr<Mdx_Macro> macro_;
    AcArray<AcDbObjectId> baseProfIds_;
    std::unique_ptr<MacroSettings> settings_;
};
