#pragma once
// One section table of the library: per section size its system name, active flag, names in
// every language and dimension values, all as texts. Column 0 of a row is the size's system
// name, column 1 its active flag ("1"/"0"), then one user name per language, then the
// values. Stored as libDir + "prof\\" + name + ".pr".
#include "core/Mdx_StringArray.h"
#include "host/AcArray.h"
#include "host/AcadErrorStatus.h"

class Mdx_Spread;
class Mdx_SectionTableManager;

class Mdx_ProfValuesTable {
public:
    virtual ~Mdx_ProfValuesTable() = default;

    // Files. A name is the table's name with or without ".pr"; one that would leave the
    // library's table folder is refused. Reading fails, and changes nothing, for a file
    // that is missing, malformed, too big or lacks its picture and header records.
    bool readFromFile(const Mdx_String& name);
    bool writeToFile(const Mdx_String& name) const;

    // Columns and rows; indices from 0. A failure changes nothing.
    bool getColumn(Mdx_StringArray& out, const int& col) const;
    bool getColumn(Mdx_StringArray& out, const Mdx_String& name) const;
    int getColumnIdx(const Mdx_String& name) const;
    bool getRow(Mdx_StringArray& out, const int& row) const;
    bool deleteRow(const int& row);
    // Inserts after row a copy of it under a new system name (row -1: an empty row at the
    // top); the copy may follow the last row.
    bool insertRow(const int& row);
    // As above, and the copy takes the given system name and, in every language, user name.
    Acad::ErrorStatus insertRow(const int& row, const Mdx_String& sysName,
                                const Mdx_String& userName);

    // Names. The full system name of a size is the table name, "-" and its system name.
    void getSysNames(Mdx_StringArray& out) const;
    void getFilteredSysNames(Mdx_StringArray& out) const;
    Mdx_String findUnusedSysName(const Mdx_String& base) const;
    bool findSysName(const Mdx_String& name, int& row) const;
    // The row's position among the active rows (flag "1"), -1 when out of range.
    int getfilteredIdx(const int& row) const;
    int getNrLanguages() const;

    Acad::ErrorStatus setSysName(const int& row, const Mdx_String& sysName);
    Acad::ErrorStatus setUserNames(const int& row, const Mdx_String& userName);
    Acad::ErrorStatus setValues(const int& row, const AcArray<double>& values);
    void removeInactiveEntries();

    // The table in a sheet and back.
    bool setToSS(Mdx_Spread& sheet) const;
    bool getFromSS(Mdx_Spread& sheet);
    // Registers the table with the registry of section tables.
    Acad::ErrorStatus setToGlobals(Mdx_SectionTableManager* manager) const;

    Mdx_String tableName;
    Mdx_String pictureName;
    Mdx_StringArray columnNames;
    Mdx_Array<Mdx_StringArray> rows;

private:
    void makeCopy(int row, Mdx_StringArray& copy) const;
};
