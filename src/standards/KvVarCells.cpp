#include "standards/KvVarCells.h"

#include <algorithm>

#include "core/Mdx_Settings.h"
#include "core/Mdx_Timer.h"
#include "spread/Mdx_Spread.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvSheetSections.h"
#include "win/MessageBox.h"

Mdx_Timer gInitMapping("gInitMapping");
Mdx_Timer gInitFromMacro("gInitFromMacro");

Acad::ErrorStatus KvVarCells::findVarCell(const Mdx_String& name, int& index) const {
    for (int i = 0; i < cells_.length(); ++i) {
        if (cells_[i].name.equal(name, false)) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

bool KvVarCells::hasSameInput(const KvVarCells& other) const {
    for (const KvVarCell& cell : cells_) {
        if (!cell.isInput()) continue;
        int index = -1;
        if (other.findVarCell(cell.name, index) != Acad::eOk) return false;
        const KvVarCell& match = other[index];
        if (match.valueType != cell.valueType || !match.value.equal(cell.value, false))
            return false;
    }
    return true;
}

Acad::ErrorStatus KvVarCells::initFromSheet(Mdx_Spread& sheet) {
    resetVarCells();
    const KvSheetSections sections(sheet);
    if (!sections.input().isPresent()) return Acad::eInvalidInput;
    appendDeclarations(sheet, sections.input().startRow, sections.input().endRow,
                       KvCellType::Input);
    if (!sections.output().isPresent()) return Acad::eInvalidInput;
    appendDeclarations(sheet, sections.output().startRow, sections.output().endRow,
                       KvCellType::Output);
    if (sections.local().isPresent())
        appendDeclarations(sheet, sections.local().startRow, sections.local().endRow,
                           KvCellType::Local);
    return Acad::eOk;
}

void KvVarCells::appendDeclarations(Mdx_Spread& sheet, int firstRow, int lastRow, KvCellType type) {
    const int rows = std::min(lastRow, sheet.getMaxRows());
    const int cols = sheet.getMaxCols();
    for (int row = firstRow; row <= rows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            KvVarCell cell;
            if (cell.initialize(sheet, col, row, type) == Acad::eOk) cells_.append(cell);
        }
    }
}

Acad::ErrorStatus KvVarCells::getFromMacro(KvDlgStandardsData& data) {
    gInitMapping.start();
    Acad::ErrorStatus prepared = Acad::eInvalidInput;
    if (!data.moduleGroup.isEmpty()) {
        prepared = mapping_.initFromModuleGroup(data.moduleGroup);
    } else if (!data.dbMacro) {
        gInitMapping.end();
        return Acad::eInvalidInput;
    } else {
        prepared = mapping_.initFromMacro(data);
    }
    gInitMapping.end();
    if (prepared != Acad::eOk) return Acad::eOk;

    Mdx_FunctionTimer timing(gInitFromMacro);
    for (KvVarCell& cell : cells_) {
        if (cell.isLocal()) {
            cell.value.setEmpty();
            continue;
        }
        if (cell.setValueFromMacro(mapping_, data) != Acad::eOk) reportMacroFailure(cell, data);
    }
    return Acad::eOk;
}

void KvVarCells::reportMacroFailure(const KvVarCell& cell, const KvDlgStandardsData& data) {
    if (!gSettings.current().standardsMessages()) return;
    const bool input = cell.isInput();
    const Mdx_String text = Mdx_String("The following ") + (input ? "Input" : "Output") +
                            " variable couldn't be " + (input ? "retrieved" : "set") + " : \n" +
                            cell.name +
                            "\nMake sure the variable exists in the macro or module.\n" +
                            "Spreadsheet : " + data.fileName;
    AfxMessageBox(text.c_str(), MB_ICONEXCLAMATION);
}

Acad::ErrorStatus KvVarCells::setToMacro(KvDlgStandardsData& data) {
    for (KvVarCell& cell : cells_)
        if (cell.isOutput()) cell.setValueToMacro(mapping_, data);
    return Acad::eOk;
}

Acad::ErrorStatus KvVarCells::getValuesFromSS(Mdx_Spread& sheet) {
    for (KvVarCell& cell : cells_) {
        if (!cell.isOutput()) continue;
        Mdx_String text;
        if (cell.getCurrentValue(sheet, text) != Acad::eOk) return Acad::eInvalidInput;
        cell.setNewValue(text);
    }
    return Acad::eOk;
}

Acad::ErrorStatus KvVarCells::setValuesToSS(Mdx_Spread& sheet) {
    for (KvVarCell& cell : cells_)
        if (cell.setValueToSS(sheet) != Acad::eOk) return Acad::eInvalidInput;
    return Acad::eOk;
}
