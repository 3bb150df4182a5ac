// The look-up function "FROMTABLE" as a host in look-up mode evaluates it. Argument 1 is
// always the path of another sheet file; the other arguments name a cell, or a key column,
// a result column and a key, optionally followed by a target cell of the calling sheet.

#include "core/GlobalStrings.h"
#include "core/LetterCase.h"
#include "frame/SheetHost.h"
#include "grid/CellType.h"
#include "grid/UsedRange.h"
#include "host/CommandLine.h"
#include "win/GlobalMemory.h"

namespace {

// Reads a text block of the grid without taking it over.
Mdx_String blockText(HGLOBAL block) {
    Mdx_String text;
    getGlobalStr(block, text);
    return text;
}

bool sameText(const Mdx_String& a, const Mdx_String& b) {
    return a.length() == b.length() && a.equal(b, false);
}

// A looked-up file may declare the largest grid while holding a few cells: keys and headers
// are searched within its used range only.
void usedExtent(Mdx_Spread& sheet, int& cols, int& rows) {
    cols = rows = 0;
    if (const grid::SpreadModel* model = SSGetModel(sheet.GetSafeHwnd()))
        grid::usedExtent(*model, cols, rows);
}

int findColumnByHeader(Mdx_Spread& sheet, const Mdx_String& name) {
    int cols = 0, rows = 0;
    usedExtent(sheet, cols, rows);
    Mdx_String header;
    for (int col = 1; col <= cols; ++col) {
        sheet.getCellText(col, 0, header, kTextData);
        if (sameText(header, name)) return col;
    }
    return 0;
}

int findRowByKey(Mdx_Spread& sheet, int keyColumn, const Mdx_String& key) {
    int cols = 0, rows = 0;
    usedExtent(sheet, cols, rows);
    Mdx_String cell;
    for (int row = 1; row <= rows; ++row) {
        sheet.getCellText(keyColumn, row, cell, kTextData);
        if (sameText(cell, key)) return row;
    }
    return 0;
}

void printResult(const SSCALCVALUE& result) {
    if (result.status != SS_VALUE_OK) return;
    switch (result.kind) {
        case SS_KIND_LONG:
            acutPrintf("Result is long: %i\n", int(result.value.lValue));
            break;
        case SS_KIND_DOUBLE:
            acutPrintf("Result is double: %f\n", result.value.dfValue);
            break;
        case SS_KIND_TEXT:
            acutPrintf("Result is string: %s\n", blockText(result.value.hText).c_str());
            break;
        case SS_KIND_CELL:
            acutPrintf("Result is cell\n");
            break;
        case SS_KIND_RANGE:
            acutPrintf("Result is range\n");
            break;
        default:
            break;
    }
}

bool isCell(const SSCALCVALUE& value) {
    return value.kind == SS_KIND_CELL;
}

}  // namespace

BOOL SheetHost::lookUpCallback(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    SheetHost host(nullptr);
    host.mode = kModeLookUp;
    host.resultValue = result;
    host.arguments = args;
    host.argumentCount = count;
    host.callerSheet = currentFormulaSheet;
    host.DoModal();
    return 1;
}

// An integer as decimal digits, a text as it is, a cell as the caller's data text of it. A
// real is written as the shortest text that keeps it; a range has no text and so matches
// nothing.
Mdx_String SheetHost::argumentText(const SSCALCVALUE& arg) const {
    switch (arg.kind) {
        case SS_KIND_LONG:
            return Mdx_String::fromInt(int(arg.value.lValue));
        case SS_KIND_DOUBLE:
            return Mdx_String(arg.value.dfValue, 15, false);
        case SS_KIND_TEXT:
            return blockText(arg.value.hText);
        case SS_KIND_CELL: {
            Mdx_String text;
            callerSheet->getCellText(int(arg.value.cell.col), int(arg.value.cell.row), text,
                                     kTextData);
            return text;
        }
        default:
            return {};
    }
}

bool SheetHost::findLookUpTarget(int& col, int& row) {
    if (argumentCount <= 3) {
        if (argumentCount < 2 || !isCell(arguments[1])) return false;
        col = int(arguments[1].value.cell.col);
        row = int(arguments[1].value.cell.row);
        return true;
    }
    if (arguments[1].kind == SS_KIND_RANGE || arguments[2].kind == SS_KIND_RANGE ||
        arguments[3].kind == SS_KIND_RANGE)
        return false;
    const int keyColumn = findColumnByHeader(sheet, argumentText(arguments[1]));
    const int resultColumn = findColumnByHeader(sheet, argumentText(arguments[2]));
    const int keyRow = keyColumn ? findRowByKey(sheet, keyColumn, argumentText(arguments[3])) : 0;
    if (!keyColumn || !resultColumn || !keyRow) return false;
    col = resultColumn;
    row = keyRow;
    return true;
}

void SheetHost::fillResult(int col, int row) {
    SSCALCVALUE& result = *resultValue;
    const int code = sheet.getCellTypeCode(col, row);
    Mdx_String data;
    const bool readable = sheet.getCellText(col, row, data, kTextData);
    if (code == 10 || code == 12) {
        result.kind = SS_KIND_LONG;
        result.value.lValue = data.toInt();
        result.status = readable ? SS_VALUE_OK : SS_VALUE_FAILED;
    } else if (code == 14 || code == 15 || code == 16) {
        double value = 0;
        const bool read = sheet.GetFloat(col, row, &value);
        result.kind = SS_KIND_DOUBLE;
        result.value.dfValue = value;
        result.status = read ? SS_VALUE_OK : SS_VALUE_FAILED;
    } else {
        HGLOBAL block = readable ? setGlobalStr(data) : nullptr;
        if (readable && !block) acutPrintf("Reallocate failed\n");
        result.kind = SS_KIND_TEXT;
        result.value.hText = block;
        result.status = block ? SS_VALUE_OK : SS_VALUE_FAILED;
    }
}

void SheetHost::evaluateLookUp() {
    if (!resultValue || !arguments || !callerSheet) return;
    resultValue->status = SS_VALUE_NONE;
    if (argumentCount < 1) return;
    for (int i = 0; i < argumentCount; ++i)
        if (arguments[i].status != SS_VALUE_OK) return;
    if (arguments[0].kind != SS_KIND_TEXT) return;
    const Mdx_String path = blockText(arguments[0].value.hText);
    if (sheet.loadFromFile(path.c_str()) != 1) return;
    registerLookUp(sheet);
    int col = 0, row = 0;
    if (!findLookUpTarget(col, row)) return;
    sheet.recalcCell(col, row);
    if (argumentCount == 3 || argumentCount == 5) {
        const SSCALCVALUE& target = arguments[argumentCount - 1];
        if (isCell(target)) {
            Mdx_String data;
            sheet.getCellText(col, row, data, kTextData);
            callerSheet->setCellData(int(target.value.cell.col), int(target.value.cell.row), data);
        }
        return;
    }
    fillResult(col, row);
    printResult(*resultValue);
}
