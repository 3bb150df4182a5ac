#pragma once
// One declared variable of a standards spreadsheet, tied to the cell of its declaration.
// The declaration cell is also the variable's value cell: once values are put into the
// sheet, formulas reach the variable through that cell's address.
#include "core/Mdx_String.h"
#include "host/AcadErrorStatus.h"
#include "standards/KvCellType.h"
#include "standards/KvValueType.h"

class KvDlgStandardsData;
class KvSSMapping;
class Mdx_Spread;

class KvVarCell {
public:
    // Longest text a String variable's cell takes.
    static constexpr int kMaxTextLength = 9999;

    KvVarCell() = default;
    KvVarCell(const KvVarCell&) = default;
    KvVarCell& operator=(const KvVarCell&) = default;
    virtual ~KvVarCell() = default;

    bool isInput() const { return cellType == KvCellType::Input; }
    bool isOutput() const { return cellType == KvCellType::Output; }
    bool isLocal() const { return cellType == KvCellType::Local; }

    // Reads the declaration in the cell: a text starting (after leading blanks) with "Int",
    // "Double" or "String", the name after the first blank. eInvalidInput, and nothing
    // changed, when the cell cannot be read or declares nothing. value is not touched.
    Acad::ErrorStatus initialize(Mdx_Spread& sheet, const int& col, const int& row,
                                 const KvCellType& type);
    // The macro's value through the mapping; on failure the value keeps its old text.
    Acad::ErrorStatus setValueFromMacro(KvSSMapping& mapping, KvDlgStandardsData& data);
    Acad::ErrorStatus setValueToMacro(KvSSMapping& mapping, KvDlgStandardsData& data);
    // Takes other's value and writes it into this variable's cell.
    Acad::ErrorStatus setValueFromOther(Mdx_Spread& sheet, const KvVarCell& other);

    // The declaration a text makes: false when it starts with no type keyword.
    static bool parseDeclaration(const Mdx_String& text, KvValueType& type, Mdx_String& name);

    Mdx_String name;
    KvCellType cellType = KvCellType::Input;
    Mdx_String value;
    KvValueType valueType = KvValueType::String;
    int col = 0;
    int row = 0;

private:
    // The collection and the spreadsheet that calculates move values between the variable
    // and its cell; nobody else writes a declaration cell.
    friend class KvVarCells;
    friend class KvStandardsSpread;

    Acad::ErrorStatus setNewValue(const Mdx_String& text);
    Acad::ErrorStatus setNewValue(Mdx_Spread& sheet, const Mdx_String& text);
    // Formats the cell by the value type, then sets its value from the text.
    Acad::ErrorStatus setValueToSS(Mdx_Spread& sheet);
    Acad::ErrorStatus getCurrentValue(Mdx_Spread& sheet, Mdx_String& text);
};
