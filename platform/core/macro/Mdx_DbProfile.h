#pragma once
// A profile or plate of a drawing: its section (the system name of a section-table row,
// "IPE300"; for plates a plate designation, "PL20*200") and its material. Modules and macros
// refer to it by id.
#include "core/Mdx_String.h"
#include "host/AcDbObject.h"

class Mdx_DbProfile : public AcDbObject {
public:
    static constexpr const char* kClassName = "Mdx_DbProfile";

    const char* className() const override { return kClassName; }
    void writeFields(host::FieldWriter& out) const override;
    Acad::ErrorStatus readFields(host::FieldReader& in) override;

    Mdx_String sectionName;
    Mdx_String material;
};
