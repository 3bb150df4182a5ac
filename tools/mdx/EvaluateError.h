#pragma once
// Why mdx evaluate refused to go on. Every bad input has its own exit code, so that a script
// can tell a missing drawing from an unknown macro without reading the message.
#include <stdexcept>
#include <string>

enum class EvaluateExit : int {
    Evaluated = 0,
    ModuleMissing = 1,  // the module's own resources cannot be found
    BadGeneralVariable = 2,
    DrawingUnreadable = 3,
    DrawingMalformed = 4,
    UnknownMacro = 5,
    StandardMissing = 6,  // not found, or not a standards spreadsheet
    BadMapping = 7,       // none given, unknown module group or key, no mapping file
    EvaluationFailed = 8,
    WriteFailed = 9,
    EquationsFailed = 10,  // evaluated, but an equation failed; nothing was written
    ProfileUnusable = 11,  // no fresh profile folder could be made
};

class EvaluateError : public std::runtime_error {
public:
    EvaluateError(EvaluateExit exit, const std::string& message)
        : std::runtime_error(message), exit_(exit) {}
    EvaluateExit exit() const { return exit_; }

private:
    EvaluateExit exit_;
};
