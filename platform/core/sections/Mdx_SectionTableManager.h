#pragma once
// The section tables the program knows, looked up by section name. A section is found by its
// system name first and by its user name second, in the order the tables were added.
#include "core/sections/Mdx_SectionTable.h"
#include "host/AcadErrorStatus.h"

class Mdx_SectionTableManager {
public:
    // Adds the table, replacing one of the same name (ignoring case).
    void setTable(const Mdx_SectionTable& table);
    void removeAll() { tables_.setEmpty(); }
    const Mdx_Array<Mdx_SectionTable>& tables() const { return tables_; }

    // eInvalidInput when no table has the section.
    Acad::ErrorStatus getSystemName(const Mdx_String& section, Mdx_String& systemName) const;
    Acad::ErrorStatus getUserName(const Mdx_String& section, Mdx_String& userName) const;
    Acad::ErrorStatus getColumnNames(const Mdx_String& section, Mdx_StringArray& columns) const;
    // The value in column (from 0) of the section's row; eInvalidInput for an unknown section
    // or a column the table does not have. A row shorter than the columns reads empty there.
    Acad::ErrorStatus getValue(const Mdx_String& section, int column, Mdx_String& value) const;

private:
    bool find(const Mdx_String& section, const Mdx_SectionTable*& table,
              const Mdx_SectionRow*& row) const;
    Mdx_Array<Mdx_SectionTable> tables_;
};

extern Mdx_SectionTableManager gSectionTables;

// The calls of the mapping and the standards functions, on gSectionTables.
Acad::ErrorStatus getSectionColumnNames(const Mdx_String& section, Mdx_StringArray& columns);
Acad::ErrorStatus getSectionValue(const Mdx_String& section, int column, Mdx_String& value);
