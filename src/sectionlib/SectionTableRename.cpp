#include "sectionlib/SectionTableRename.h"

#include "sectionlib/SectionTableFiles.h"

TableRename renameSectionTable(Mdx_ProfValuesTable& table, const Mdx_String& oldName,
                               const Mdx_String& newNameGiven) {
    const Mdx_String newName = tableNameOf(newNameGiven);
    if (!isValidTableName(newName)) return TableRename::BadName;
    // Files are found ignoring letter case, so a new name that differs only in case, or
    // names another table, would write over a file that is still needed.
    if (newName.equal(tableNameOf(oldName), false) || sectionTableExists(newName)) return TableRename::NameTaken;
    Mdx_ProfValuesTable renamed = table;
    renamed.tableName = newName;
    if (!renamed.writeToFile(newName)) return TableRename::WriteFailed;
    table.tableName = newName;
    if (sectionTableExists(oldName) && !deleteSectionTableFile(oldName)) return TableRename::OldKept;
    return TableRename::Done;
}
