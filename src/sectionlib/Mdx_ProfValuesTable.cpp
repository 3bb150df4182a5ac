#include "sectionlib/Mdx_ProfValuesTable.h"

#include <filesystem>
#include <system_error>

#include "core/FileHelpers.h"
#include "core/PathHelpers.h"
#include "core/RecordFile.h"
#include "core/StringHelpers.h"
#include "core/sections/SectionNames.h"
#include "sectionlib/SectionLanguages.h"
#include "sectionlib/SectionTableFiles.h"
#include "win/FilePaths.h"

namespace {

const int kFirstLanguageColumn = 2;

bool fileTooBig(const Mdx_String& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(win::mapPath(path.toUtf8()), error);
    return !error && size > static_cast<std::uintmax_t>(kMaxSectionTableBytes);
}

Mdx_String cell(const Mdx_StringArray& row, int col) {
    return row.isValidIndex(col) ? row[col] : Mdx_String();
}

}  // namespace

// ---- Files ----------------------------------------------------------------------------------

bool Mdx_ProfValuesTable::readFromFile(const Mdx_String& name) {
    Mdx_String path, readName;
    Mdx_Array<Mdx_StringArray> records;
    if (!sectionTablePath(name, path) || fileTooBig(path) || !readFile(path, readName, records))
        return false;
    // A table file always starts with its picture and its header; anything shorter is not
    // a table, and taking it would leave a table without columns that saves over the file.
    if (records.length() < 2) return false;
    tableName = readName;
    if (!records[0].isEmpty()) pictureName = records[0][0];
    columnNames = records[1];
    records.removeAt(0);
    records.removeAt(0);
    rows = std::move(records);
    return true;
}

bool Mdx_ProfValuesTable::writeToFile(const Mdx_String& name) const {
    Mdx_String path;
    if (!sectionTablePath(name, path) || !ensureFolder(getPath(path))) return false;
    Mdx_Array<Mdx_StringArray> records;
    records.reserve(rows.length() + 2);
    records.append(Mdx_StringArray{pictureName});
    records.append(columnNames);
    records.appendAll(rows);
    return writeFile(path, records);
}

// ---- Columns and rows -----------------------------------------------------------------------

bool Mdx_ProfValuesTable::getColumn(Mdx_StringArray& out, const int& col) const {
    if (rows.isEmpty() || col < 0 || col >= rows[0].length()) return false;
    Mdx_StringArray column;
    column.reserve(rows.length());
    for (const Mdx_StringArray& row : rows) column.append(cell(row, col));
    out = std::move(column);
    return true;
}

bool Mdx_ProfValuesTable::getColumn(Mdx_StringArray& out, const Mdx_String& name) const {
    const int col = getColumnIdx(name);
    return col >= 0 && getColumn(out, col);
}

int Mdx_ProfValuesTable::getColumnIdx(const Mdx_String& name) const {
    return columnNames.find(name, true);
}

bool Mdx_ProfValuesTable::getRow(Mdx_StringArray& out, const int& row) const {
    if (!rows.isValidIndex(row)) return false;
    out = rows[row];
    return true;
}

bool Mdx_ProfValuesTable::deleteRow(const int& row) {
    return rows.removeAt(row);
}

void Mdx_ProfValuesTable::makeCopy(int row, Mdx_StringArray& copy) const {
    const int langCol = getColumnIdx(currentSectionLanguage());
    if (rows.isValidIndex(row))
        copy = rows[row];
    else
        copy.setLength(columnNames.length());
    Mdx_String prefix;
    if (langCol >= 0) {
        const Mdx_String userName = cell(copy, langCol);
        const int digit = findFirstNumbers(userName);
        prefix = digit < 0 ? userName : userName.left(digit);
    }
    if (prefix.isEmpty()) prefix = tableName;
    const Mdx_String base = cell(copy, 0).isEmpty() ? Mdx_String("1") : copy[0];
    const Mdx_String sysName = findUnusedSysName(base);
    if (copy.isEmpty()) copy.setLength(1);
    copy[0] = sysName;
    if (langCol >= 0) {
        if (copy.length() <= langCol) copy.setLength(langCol + 1);
        copy[langCol] = prefix + sysName;
    }
}

bool Mdx_ProfValuesTable::insertRow(const int& row) {
    // Position row + 1 may be the end: copying the last size is as common as any other.
    const int position = row + 1;
    if (position < 0 || position > rows.length()) return false;
    Mdx_StringArray copy;
    makeCopy(row, copy);
    return rows.insertAt(position, copy);
}

Acad::ErrorStatus Mdx_ProfValuesTable::insertRow(const int& row, const Mdx_String& sysName,
                                                 const Mdx_String& userName) {
    // The names are the new size's: they go to the copy, and the source row keeps its own.
    // All or nothing, so a failed naming does not leave an unnamed copy behind.
    const Mdx_Array<Mdx_StringArray> before = rows;
    if (insertRow(row) && setSysName(row + 1, sysName) == Acad::eOk &&
        setUserNames(row + 1, userName) == Acad::eOk)
        return Acad::eOk;
    rows = before;
    return Acad::eInvalidInput;
}

// ---- Names ----------------------------------------------------------------------------------

void Mdx_ProfValuesTable::getSysNames(Mdx_StringArray& out) const {
    out.setEmpty();
    Mdx_StringArray names, flags;
    if (!getColumn(names, 0) || !getColumn(flags, 1) || names.length() != flags.length()) return;
    for (const Mdx_String& name : names) out.append(fullSectionName(tableName, name));
}

void Mdx_ProfValuesTable::getFilteredSysNames(Mdx_StringArray& out) const {
    out.setEmpty();
    Mdx_StringArray names, flags;
    if (!getColumn(names, 0) || !getColumn(flags, 1) || names.length() != flags.length()) return;
    for (int i = 0; i < names.length(); ++i)
        if (flags[i] != Mdx_String("0")) out.append(fullSectionName(tableName, names[i]));
}

Mdx_String Mdx_ProfValuesTable::findUnusedSysName(const Mdx_String& base) const {
    Mdx_StringArray names;
    getColumn(names, 0);
    return findNonExistingString(names, base);
}

bool Mdx_ProfValuesTable::findSysName(const Mdx_String& name, int& row) const {
    Mdx_StringArray names;
    if (!getColumn(names, 0)) return false;
    const int found = names.find(name, false);
    if (found < 0) return false;
    row = found;
    return true;
}

int Mdx_ProfValuesTable::getfilteredIdx(const int& row) const {
    Mdx_StringArray flags;
    if (!getColumn(flags, 1) || !flags.isValidIndex(row)) return -1;
    int inactive = 0;
    for (int i = 0; i < row; ++i)
        if (flags[i] != Mdx_String("1")) ++inactive;
    return row - inactive;
}

int Mdx_ProfValuesTable::getNrLanguages() const {
    return sectionLanguageCount(columnNames, kFirstLanguageColumn);
}

Acad::ErrorStatus Mdx_ProfValuesTable::setSysName(const int& row, const Mdx_String& sysName) {
    if (!rows.isValidIndex(row) || rows[row].isEmpty()) return Acad::eInvalidInput;
    rows[row][0] = sysName;
    return Acad::eOk;
}

Acad::ErrorStatus Mdx_ProfValuesTable::setUserNames(const int& row, const Mdx_String& userName) {
    const int languages = getNrLanguages();
    if (!rows.isValidIndex(row) || rows[row].length() < languages + kFirstLanguageColumn)
        return Acad::eInvalidInput;
    for (int i = 0; i < languages; ++i) rows[row][kFirstLanguageColumn + i] = userName;
    return Acad::eOk;
}

Acad::ErrorStatus Mdx_ProfValuesTable::setValues(const int& row, const AcArray<double>& values) {
    const int languages = getNrLanguages();
    if (!rows.isValidIndex(row) || rows[row].length() - languages != values.length() + 2)
        return Acad::eInvalidInput;
    const int first = kFirstLanguageColumn + languages;
    for (int k = 0; k < values.length(); ++k) rows[row][first + k] = Mdx_String(values[k], 1, false);
    return Acad::eOk;
}

void Mdx_ProfValuesTable::removeInactiveEntries() {
    Mdx_Array<Mdx_StringArray> kept;
    for (const Mdx_StringArray& row : rows)
        if (row.length() < 2 || row[1] != Mdx_String("0")) kept.append(row);
    rows = std::move(kept);
}
