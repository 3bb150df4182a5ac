#include "core/sections/Mdx_SectionTableManager.h"

#include "core/PathHelpers.h"
#include "core/sections/SectionNames.h"

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
    // Exact system names win over the forms without the dash, and both over user names
    // across all tables, so that a looser match can never shadow an exact one elsewhere.
    auto search = [&](auto matches) {
        for (const Mdx_SectionTable& candidate : tables_) {
            for (const Mdx_SectionRow& r : candidate.rows) {
                if (matches(candidate, r)) {
                    table = &candidate;
                    row = &r;
                    return true;
                }
            }
        }
        return false;
    };
    return search([&](const Mdx_SectionTable&, const Mdx_SectionRow& r) {
               return r.systemName.equal(section, false);
           }) ||
           search([&](const Mdx_SectionTable& t, const Mdx_SectionRow& r) {
               return namesSection(section, t.name, r.systemName);
           }) ||
           search([&](const Mdx_SectionTable&, const Mdx_SectionRow& r) {
               return r.userName.equal(section, false);
           });
}

bool Mdx_SectionTableManager::hasTable(const Mdx_String& name) const {
    for (const Mdx_SectionTable& table : tables_)
        if (table.name.equal(name, false)) return true;
    return false;
}

Acad::ErrorStatus Mdx_SectionTableManager::removeTable(const Mdx_String& name) {
    for (int i = 0; i < tables_.length(); ++i) {
        if (tables_[i].name.equal(name, false)) {
            tables_.removeAt(i);
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus Mdx_SectionTableManager::addSectionTable(
    const Mdx_String& fileName, const Mdx_String& picturePath, const Mdx_StringArray& columnNames,
    const Mdx_Array<Mdx_StringArray>& rows) {
    Mdx_String name = fileName;
    if (getExtension(name).equal("pr", false)) removeExtension(name);
    const int languages = sectionLanguageCount(columnNames, 1);
    const int firstValue = 1 + languages;
    if (name.isEmpty() || columnNames.length() < firstValue) return Acad::eInvalidInput;
    Mdx_SectionTable table;
    table.name = name;
    table.picture = picturePath;
    for (int c = firstValue; c < columnNames.length(); ++c) table.columnNames.append(columnNames[c]);
    for (const Mdx_StringArray& cells : rows) {
        if (cells.isEmpty()) continue;
        Mdx_SectionRow row;
        row.systemName = fullSectionName(name, cells[0]);
        if (cells.length() > 1) row.userName = cells[1];
        for (int c = firstValue; c < columnNames.length(); ++c)
            row.values.append(cells.isValidIndex(c) ? cells[c] : Mdx_String());
        table.rows.append(std::move(row));
    }
    setTable(table);
    return Acad::eOk;
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
