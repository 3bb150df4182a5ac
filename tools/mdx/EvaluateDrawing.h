#pragma once
// The drawing that mdx evaluate works on: loaded from its file, one macro chosen and opened
// for write in a transaction, with the macro dialog's data gathered as a macro dialog would.
// Nothing reaches the file unless save() is called; otherwise the transaction is undone when
// the object goes.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/macro/MacroData.h"
#include "host/AcDbDatabase.h"
#include "host/AcTransaction.h"
#include "standards/KvSSMapping.h"

class Mdx_DbMacro;

// One changeable value of the macro, labelled as the standards page labels macro objects
// ("Plate.Width", "Bolts.BoltsDiameter", "gen_gap.GenVar").
struct MacroValue {
    std::string object;  // UTF-8
    std::string value;   // UTF-8
};

class EvaluateDrawing {
public:
    // Throws EvaluateError: DrawingUnreadable, DrawingMalformed, UnknownMacro.
    EvaluateDrawing(const std::filesystem::path& file, const std::string& macroNameOrHandle);
    ~EvaluateDrawing();

    Mdx_DbMacro* macro() { return macro_; }
    MacroData& macroData() { return macroData_; }
    AcTransaction& transaction() { return *transaction_; }
    std::string macroName() const;
    std::string macroHandle() const { return macroId_.toText(); }
    // The module groups of the macro, in module order, each once.
    std::vector<Mdx_String> moduleGroups() const;

    // Every value of the macro that an evaluation can change, in a fixed order.
    std::vector<MacroValue> readValues();

    // Puts the dialog data back into the macro, commits and writes the file atomically.
    // Throws EvaluateError WriteFailed; the file is then as it was.
    void save();

private:
    void selectMacro(const std::string& nameOrHandle);

    std::filesystem::path file_;
    AcDbDatabase database_;
    std::unique_ptr<AcTransaction> transaction_;
    AcDbObjectId macroId_;
    Mdx_DbMacro* macro_ = nullptr;
    MacroData macroData_;
    KvSSMapping allObjects_;
};
