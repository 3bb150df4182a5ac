#pragma once
// The drawing that mdx evaluate works on: loaded from its file once; one macro at a time is
// opened for write in a transaction, with the macro dialog's data gathered as a macro dialog
// would. keep() commits the macro's changes into the loaded drawing, drop() undoes them;
// nothing reaches the file unless save() is called.
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

// A macro of the drawing, by name and handle (UTF-8).
// A standards spreadsheet the macro's own settings name, with the key of its mapping file.
struct MacroStandard {
    std::string name;
    std::string key;
};

struct DrawingMacro {
    std::string name;
    std::string handle;
    // From the macro's general settings: the standards tied to the whole macro by a key of
    // their mapping file (entries tied to a module group are left out).
    std::vector<MacroStandard> standards;
};

class EvaluateDrawing {
public:
    // Loads the file. Throws EvaluateError: DrawingUnreadable, DrawingMalformed.
    explicit EvaluateDrawing(const std::filesystem::path& file);
    // Loads the file and opens the macro. Throws as open() does as well.
    EvaluateDrawing(const std::filesystem::path& file, const std::string& macroNameOrHandle);
    ~EvaluateDrawing();

    // Every macro of the drawing, in handle order.
    std::vector<DrawingMacro> macros();
    // Opens the macro (by name or handle) in a transaction of its own; the macro opened
    // before is dropped unless it was kept. Throws EvaluateError UnknownMacro.
    void open(const std::string& macroNameOrHandle);
    // Puts the dialog data back into the macro and commits. Throws EvaluateError WriteFailed.
    void keep();
    // Undoes every change to the open macro.
    void drop();

    Mdx_DbMacro* macro() { return macro_; }
    MacroData& macroData() { return *macroData_; }
    AcTransaction& transaction() { return *transaction_; }
    std::string macroName() const;
    std::string macroHandle() const { return macroId_.toText(); }
    // The module groups of the macro, in module order, each once.
    std::vector<Mdx_String> moduleGroups() const;

    // Every value of the macro that an evaluation can change, in a fixed order.
    std::vector<MacroValue> readValues();

    // Keeps the open macro (if any) and writes the file atomically, provided it still holds
    // what was read: of two runs on one drawing the second is refused instead of undoing
    // the first. Throws EvaluateError WriteFailed; the file is then as it was.
    void save();

private:
    std::string macroByHandle(const std::string& nameOrHandle);
    // Throws EvaluateError UnknownMacro when no macro, or several, have the name.
    std::string macroByName(const std::string& nameOrHandle);

    std::filesystem::path file_;
    std::string readBytes_;  // the file as it was loaded
    AcDbDatabase database_;
    std::unique_ptr<AcTransaction> transaction_;
    AcDbObjectId macroId_;
    Mdx_DbMacro* macro_ = nullptr;
    std::unique_ptr<MacroData> macroData_;
    KvSSMapping allObjects_;
};
