#include "core/sections/Mdx_SectionTableManager.h"

Mdx_SectionTableManager gSectionTables;

void Mdx_SectionTableManager::setTable(const Mdx_SectionTable& table) {
    for (Mdx_SectionTable& existing : tables_) {
        if (existing.name.equal(table.name, false)) {
            existing = table;
            return;
        }
    }
    tables_.append(table);
}

bool Mdx_SectionTableManager::find(const Mdx_String& section, const Mdx_SectionTable*& table,
                                   const Mdx_SectionRow*& row) const {
    // System names win over user names across all tables, so that a user name that happens
    // to equal another table's system name cannot shadow it.
    for (const Mdx_SectionTable& candidate : tables_) {
        for (const Mdx_SectionRow& r : candidate.rows) {
            if (r.systemName.equal(section, false)) {
                table = &candidate;
                row = &r;
                return true;
            }
        }
    }
    for (const Mdx_SectionTable& candidate : tables_) {
        for (const Mdx_SectionRow& r : candidate.rows) {
            if (r.userName.equal(section, false)) {
                table = &candidate;
                row = &r;
                return true;
            }
        }
    }
    return false;
}

Acad::ErrorStatus Mdx_SectionTableManager::getSystemName(const Mdx_String& section,
                                                         Mdx_String& systemName) const {
    const Mdx_SectionTable* table = nullptr;
    const Mdx_SectionRow* row = nullptr;
    if (!find(section, table, row)) return Acad::eInvalidInput;
    systemName = row->systemName;
    return Acad::eOk;
}

Acad::ErrorStatus Mdx_SectionTableManager::getUserName(const Mdx_String& section,
                                                       Mdx_String& userName) const {
    const Mdx_SectionTable* table = nullptr;
    const Mdx_SectionRow* row = nullptr;
    if (!find(section, table, row)) return Acad::eInvalidInput;
    userName = row->userName;
    return Acad::eOk;
}

Acad::ErrorStatus Mdx_SectionTableManager::getColumnNames(const Mdx_String& section,
                                                          Mdx_StringArray& columns) const {
    const Mdx_SectionTable* table = nullptr;
    const Mdx_SectionRow* row = nullptr;
    if (!find(section, table, row)) return Acad::eInvalidInput;
    columns = table->columnNames;
    return Acad::eOk;
}

Acad::ErrorStatus Mdx_SectionTableManager::getValue(const Mdx_String& section, int column,
                                                    Mdx_String& value) const {
    const Mdx_SectionTable* table = nullptr;
    const Mdx_SectionRow* row = nullptr;
    if (!find(section, table, row) || !table->columnNames.isValidIndex(column))
        return Acad::eInvalidInput;
    value = row->values.isValidIndex(column) ? row->values[column] : Mdx_String();
    return Acad::eOk;
}

Acad::ErrorStatus getSectionColumnNames(const Mdx_String& section, Mdx_StringArray& columns) {
    return gSectionTables.getColumnNames(section, columns);
}

Acad::ErrorStatus getSectionValue(const Mdx_String& section, int column, Mdx_String& value) {
    return gSectionTables.getValue(section, column, value);
}
