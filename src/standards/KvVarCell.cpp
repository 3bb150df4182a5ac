#include "standards/KvVarCell.h"

#include "spread/Mdx_Spread.h"
#include "standards/KvSSMapping.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

bool KvVarCell::parseDeclaration(const Mdx_String& text, KvValueType& type, Mdx_String& name) {
    int start = 0;
    while (isBlank(text.at(start))) ++start;
    const Mdx_String declaration = text.mid(start);
    // Prefixes, so that "Integer" and "Int" both declare whole numbers. Letter case counts:
    // a remark such as "internal values" in a section is no declaration.
    if (declaration.startsWith("Int", true))
        type = KvValueType::Int;
    else if (declaration.startsWith("Double", true))
        type = KvValueType::Double;
    else if (declaration.startsWith("String", true))
        type = KvValueType::String;
    else
        return false;
    int blank = 0;
    while (blank < declaration.length() && !isBlank(declaration.at(blank))) ++blank;
    name = blank < declaration.length() ? declaration.mid(blank + 1) : Mdx_String();
    return true;
}

Acad::ErrorStatus KvVarCell::initialize(Mdx_Spread& sheet, const int& cellCol, const int& cellRow,
                                        const KvCellType& type) {
    Mdx_String text;
    if (!sheet.getCellText(cellCol, cellRow, text, kTextValue)) return Acad::eInvalidInput;
    KvValueType declaredType = KvValueType::String;
    Mdx_String declaredName;
    if (!parseDeclaration(text, declaredType, declaredName)) return Acad::eInvalidInput;
    valueType = declaredType;
    name = declaredName;
    col = cellCol;
    row = cellRow;
    cellType = type;
    return Acad::eOk;
}

Acad::ErrorStatus KvVarCell::setValueFromMacro(KvSSMapping& mapping, KvDlgStandardsData& data) {
    Mdx_String text = value;
    const Acad::ErrorStatus status = mapping.getMacroVarValue(name, valueType, text, data);
    if (status == Acad::eOk) value = text;
    return status;
}

Acad::ErrorStatus KvVarCell::setValueToMacro(KvSSMapping& mapping, KvDlgStandardsData& data) {
    Mdx_String text = value;
    return mapping.setMacroVarValue(name, valueType, text, data);
}

Acad::ErrorStatus KvVarCell::setValueFromOther(Mdx_Spread& sheet, const KvVarCell& other) {
    return setNewValue(sheet, other.value);
}

Acad::ErrorStatus KvVarCell::setNewValue(const Mdx_String& text) {
    value = text;
    return Acad::eOk;
}

Acad::ErrorStatus KvVarCell::setNewValue(Mdx_Spread& sheet, const Mdx_String& text) {
    value = text;
    return setValueToSS(sheet);
}

Acad::ErrorStatus KvVarCell::setValueToSS(Mdx_Spread& sheet) {
    bool formatted = false;
    switch (valueType) {
        case KvValueType::Int:
            formatted = sheet.setNumberCell(col, row, 0, false);
            break;
        case KvValueType::Double:
            formatted = sheet.setNumberCell(col, row, 7, false);
            break;
        case KvValueType::String:
            formatted = sheet.setEditCells(col, row, col, row, 0, kMaxTextLength);
            break;
    }
    if (!formatted || !sheet.setCellValue(col, row, value)) return Acad::eInvalidInput;
    return Acad::eOk;
}

Acad::ErrorStatus KvVarCell::getCurrentValue(Mdx_Spread& sheet, Mdx_String& text) {
    return sheet.getCellText(col, row, text, kTextValue) ? Acad::eOk : Acad::eInvalidInput;
}
