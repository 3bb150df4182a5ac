#pragma once
// The request to evaluate a standards spreadsheet for a macro: which spreadsheet, which
// macro and how the spreadsheet maps to it, the transaction and dialog data to work in, the
// general variables, and the variables passed in or handed back.
#include "core/Mdx_StringArray.h"
#include "host/AcadErrorStatus.h"
#include "standards/KvVarCells.h"

class AcTransaction;
class MacroData;
class Mdx_DbMacro;

class KvDlgStandardsData {
public:
    static constexpr int kMainEvaluation = 0;
    static constexpr int kChildEvaluation = 1;

    KvDlgStandardsData() = default;
    KvDlgStandardsData(const KvDlgStandardsData&) = default;
    KvDlgStandardsData& operator=(const KvDlgStandardsData&) = default;
    virtual ~KvDlgStandardsData() = default;

    // A main evaluation of fileName for the macro. mapsTo "Module.<group>" maps by module
    // group; anything else is a key of the mapping file. eInvalidInput, and nothing
    // changed, without a macro or macroData. transaction and general variables stay.
    Acad::ErrorStatus initialize(Mdx_DbMacro* macro, Mdx_String fileName, Mdx_String mapsTo,
                                 MacroData* macroData);

    int mode = kMainEvaluation;
    Mdx_String fileName;
    Mdx_DbMacro* dbMacro = nullptr;
    Mdx_String mapsTo;
    Mdx_String moduleGroup;
    AcTransaction* transaction = nullptr;
    MacroData* macroData = nullptr;
    Mdx_StringArray genVarNames;
    Mdx_StringArray genVarValues;
    KvVarCells varCells;
};
