#pragma once
// The declared variables of one standards spreadsheet, in declaration order, with the
// spreadsheet's mapping to the macro, and the transfer of their values between the macro,
// the variables and the sheet.
#include "core/Mdx_Array.h"
#include "standards/KvSSMapping.h"
#include "standards/KvVarCell.h"

class Mdx_Spread;
class Mdx_Timer;

// Preparing the mapping and reading the single values, inside getFromMacro.
extern Mdx_Timer gInitMapping;
extern Mdx_Timer gInitFromMacro;

class KvVarCells {
public:
    KvVarCells() = default;
    KvVarCells(const KvVarCells&) = default;
    KvVarCells& operator=(const KvVarCells&) = default;
    virtual ~KvVarCells() = default;

    int length() const { return cells_.length(); }
    KvVarCell& operator[](int index) { return cells_[index]; }
    const KvVarCell& operator[](int index) const { return cells_[index]; }
    int append(const KvVarCell& cell) { return cells_.append(cell); }
    bool removeAt(int index) { return cells_.removeAt(index); }
    // Removes the variables; the mapping stays.
    void resetVarCells() { cells_.setEmpty(); }

    KvSSMapping& mapping() { return mapping_; }
    const KvSSMapping& mapping() const { return mapping_; }

    // The first variable of that name (ignoring case); eInvalidInput when there is none.
    Acad::ErrorStatus findVarCell(const Mdx_String& name, int& index) const;
    // Every input of this collection has a variable of the same name, value type and value
    // (ignoring case) in other; other may have more.
    bool hasSameInput(const KvVarCells& other) const;

    // Replaces the variables by the declarations of the sheet's Input, Output and Local
    // sections, in that order, each read row by row and left to right. eInvalidInput when
    // the Input or the Output keyword is missing (the variables read so far stay).
    Acad::ErrorStatus initFromSheet(Mdx_Spread& sheet);

    // Prepares the mapping for the request and reads the inputs and outputs from the macro;
    // locals become empty. A variable that cannot be read keeps its text and is reported
    // when the document allows standards messages. eInvalidInput only for a request that
    // has neither a module group nor a macro; a spreadsheet without a stored mapping
    // simply receives nothing.
    Acad::ErrorStatus getFromMacro(KvDlgStandardsData& data);
    // Writes every output into the macro; single failures are ignored.
    Acad::ErrorStatus setToMacro(KvDlgStandardsData& data);
    // The outputs' values from their cells; stops at the first cell that cannot be read.
    Acad::ErrorStatus getValuesFromSS(Mdx_Spread& sheet);
    // Every variable's value into its cell; stops at the first cell the sheet refuses.
    Acad::ErrorStatus setValuesToSS(Mdx_Spread& sheet);

private:
    void appendDeclarations(Mdx_Spread& sheet, int firstRow, int lastRow, KvCellType type);
    static void reportMacroFailure(const KvVarCell& cell, const KvDlgStandardsData& data);

    Mdx_Array<KvVarCell> cells_;
    KvSSMapping mapping_;
};
