#pragma once
// The drawing that mdx macro modules|constraints|variables|cuts edit: loaded once, one macro
// chosen by name or handle, and written back atomically only when asked, provided the file
// still holds what was read. The editing itself goes through the core's editing calls, each
// in a transaction of its own.
#include <filesystem>
#include <string>

#include "core/macro/EditConstrData.h"
#include "host/AcDbDatabase.h"

class MacroEditDrawing {
public:
    // Throws EvaluateError: DrawingUnreadable, DrawingMalformed, UnknownMacro.
    MacroEditDrawing(const std::filesystem::path& file, const std::string& macroNameOrHandle);

    // A context for the module (empty for none), its tables built. Throws EvaluateError
    // (exit 2) when the macro has no such module.
    EditConstrData context(const std::string& module);
    AcDbDatabase& database() { return database_; }
    AcDbObjectId macroId() const { return macroId_; }
    // Throws EvaluateError WriteFailed; the file is then as it was.
    void save();

private:
    std::filesystem::path file_;
    AcDbDatabase database_;  // before readBytes_: loading the file fills it
    std::string readBytes_;
    AcDbObjectId macroId_;
};
