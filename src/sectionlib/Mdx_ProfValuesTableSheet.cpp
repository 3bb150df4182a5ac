// The section table in a sheet and in the registry of section tables.
#include "core/sections/Mdx_SectionTableManager.h"
#include "sectionlib/Mdx_ProfValuesTable.h"
#include "spread/Mdx_Spread.h"

namespace {

// Sheet column of the active flag (table column 1).
const int kFlagSheetColumn = 2;

}  // namespace

bool Mdx_ProfValuesTable::setToSS(Mdx_Spread& sheet) const {
    sheet.SetBool(kOptionRedraw, FALSE);
    sheet.setMaxRows(0, false);
    sheet.setMaxCols(0, false);
    if (rows.isEmpty()) {
        sheet.SetBool(kOptionRedraw, TRUE);
        return false;
    }
    sheet.setMaxRows(rows.length(), false);
    sheet.setMaxCols(columnNames.length(), false);
    sheet.setCheckBoxColumn(kFlagSheetColumn, false, false);
    sheet.setColumnHeaders(columnNames);
    Mdx_StringArray rowHeaders;
    rowHeaders.setLength(rows.length());
    for (Mdx_String& header : rowHeaders) header = tableName;
    sheet.setRowHeaders(rowHeaders);
    for (int i = 0; i < rows.length(); ++i) sheet.setRowTexts(i + 1, rows[i], false);
    sheet.fitAllToText();
    sheet.SetBool(kOptionChanged, FALSE);
    sheet.SetBool(kOptionRedraw, TRUE);
    return true;
}

bool Mdx_ProfValuesTable::getFromSS(Mdx_Spread& sheet) {
    if (sheet.getMaxRows() <= 0 || sheet.getMaxCols() <= 0) return false;
    Mdx_StringArray headers;
    Mdx_String name;
    Mdx_Array<Mdx_StringArray> sheetRows;
    if (!sheet.getColumnHeaders(headers) || !sheet.getCellText(0, 1, name, kTextValue) ||
        !sheet.getAllRows(sheetRows))
        return false;
    columnNames = std::move(headers);
    tableName = std::move(name);
    rows = std::move(sheetRows);
    return true;
}

Acad::ErrorStatus Mdx_ProfValuesTable::setToGlobals(Mdx_SectionTableManager* manager) const {
    if (!manager) return Acad::eInvalidInput;
    const Mdx_String fileName = tableName + ".pr";
    const Mdx_String picture =
        pictureName.find(".", true) >= 0 ? "Prof\\" + pictureName : pictureName;
    // The registry keeps sizes, not their flags: every list loses its column 1.
    auto withoutFlag = [](Mdx_StringArray list) {
        if (list.length() > 1) list.removeAt(1);
        return list;
    };
    const Mdx_StringArray columns = withoutFlag(columnNames);
    Mdx_Array<Mdx_StringArray> sizes;
    sizes.reserve(rows.length());
    for (const Mdx_StringArray& row : rows) sizes.append(withoutFlag(row));
    // Adding replaces a table of the same name in one step, so a table the registry refuses
    // leaves the one registered before in place instead of removing it first.
    return manager->addSectionTable(fileName, picture, columns, sizes);
}
