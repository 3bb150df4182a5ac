#pragma once
// Giving a library table a new name: the table is written under the new name first and the
// old file is removed only when that write succeeded, so a failure never loses the table.
#include "sectionlib/Mdx_ProfValuesTable.h"

enum class TableRename {
    Done,
    BadName,       // the new name cannot be a table's file name
    NameTaken,     // another table already has the new name (letters ignoring case)
    WriteFailed,   // nothing changed: the old file is as it was
    OldKept,       // the new file is written, but the old one could not be removed
};

// Writes table (its contents as they are now) under newName and removes oldName's file;
// table.tableName becomes newName when the write succeeded.
TableRename renameSectionTable(Mdx_ProfValuesTable& table, const Mdx_String& oldName,
                               const Mdx_String& newName);
