#include "core/sections/Mdx_DbSectionTable.h"

#include "core/macro/MacroFields.h"
#include "core/sections/Mdx_SectionTableManager.h"

using namespace macrofields;

void Mdx_DbSectionTable::writeFields(host::FieldWriter& out) const {
    writeText(out, "table", table.name);
    out.writeInt("columns", table.columnNames.length());
    for (const Mdx_String& column : table.columnNames) writeText(out, "column", column);
    out.writeInt("rows", table.rows.length());
    for (const Mdx_SectionRow& row : table.rows) {
        writeText(out, "system", row.systemName);
        writeText(out, "user", row.userName);
        // Every row holds one value per column; writing exactly that many keeps the reader's
        // check simple and the file regular.
        for (int column = 0; column < table.columnNames.length(); ++column)
            writeText(out, "value", row.values.isValidIndex(column) ? row.values[column] : "");
    }
}

Acad::ErrorStatus Mdx_DbSectionTable::readFields(host::FieldReader& in) {
    Mdx_SectionTable read;
    int columns = 0, rows = 0;
    if (!readText(in, "table", read.name) || !readCount(in, "columns", columns)) return in.status();
    for (int i = 0; i < columns; ++i) {
        Mdx_String column;
        if (!readText(in, "column", column)) return in.status();
        read.columnNames.append(column);
    }
    if (!readCount(in, "rows", rows)) return in.status();
    for (int i = 0; i < rows; ++i) {
        Mdx_SectionRow row;
        if (!readText(in, "system", row.systemName) || !readText(in, "user", row.userName))
            return in.status();
        for (int column = 0; column < columns; ++column) {
            Mdx_String value;
            if (!readText(in, "value", value)) return in.status();
            row.values.append(value);
        }
        read.rows.append(std::move(row));
    }
    if (!in.atEnd()) {
        in.fail("unexpected fields after the rows of table \"" + read.name.toUtf8() + "\"");
        return in.status();
    }
    table = std::move(read);
    gSectionTables.setTable(table);
    return Acad::eOk;
}
