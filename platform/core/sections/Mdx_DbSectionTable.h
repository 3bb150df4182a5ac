#pragma once
// A section table saved in a drawing, so that a drawing carries the sections its macros use
// and evaluates the same on any machine. Reading one (from a file, or back on an aborted
// transaction) hands the table to gSectionTables, which is where every section look-up goes.
#include "core/sections/Mdx_SectionTable.h"
#include "host/AcDbObject.h"

class Mdx_DbSectionTable : public AcDbObject {
public:
    static constexpr const char* kClassName = "Mdx_DbSectionTable";

    const char* className() const override { return kClassName; }
    void writeFields(host::FieldWriter& out) const override;
    Acad::ErrorStatus readFields(host::FieldReader& in) override;

    Mdx_SectionTable table;
};
