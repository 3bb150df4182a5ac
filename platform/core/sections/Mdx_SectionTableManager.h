#pragma once
// The section tables the program knows, looked up by section name. A section is found by its
// system name first (exactly, then with or without the dash after its table's name: "IPE300"
// finds the library's "IPE-300") and by its user name last, in the order the tables were
// added.
#include "core/sections/Mdx_SectionTable.h"
#include "host/AcadErrorStatus.h"

class Mdx_SectionTableManager {
public:
    // Adds the table, replacing one of the same name (ignoring case).
    void setTable(const Mdx_SectionTable& table);
    void removeAll() { tables_.setEmpty(); }
    bool hasTable(const Mdx_String& name) const;
    // eInvalidInput when there is no table of that name (ignoring case).
    Acad::ErrorStatus removeTable(const Mdx_String& name);
    // A table of the library: fileName is the table's file name ("HEA.pr"; the table is named
    // without the extension), columnNames are the system-name column, the language columns
    // and the value columns, and each row holds its size name, its user names and its values.
    // The sizes are registered under their full names ("HEA-100"); the user name is that of
    // the first language. eInvalidInput for an empty name or a header too short for
    // its language columns; nothing is changed then. A table of the same
    // name is replaced.
    Acad::ErrorStatus addSectionTable(const Mdx_String& fileName, const Mdx_String& picturePath,
                                      const Mdx_StringArray& columnNames,
                                      const Mdx_Array<Mdx_StringArray>& rows);
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
