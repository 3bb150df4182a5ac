#pragma once
// What one evaluation read, computed and changed, and how mdx evaluate prints it: as a table
// for people, or as one JSON document for programs. All texts are UTF-8.
#include <iosfwd>
#include <string>
#include <vector>

#include "EvaluateDrawing.h"
#include "EvaluateSession.h"

struct ReportedVariable {
    std::string name;
    std::string type;  // "Int", "Double", "String"
    std::string value;
};

struct ChangedValue {
    std::string object;
    std::string before;
    std::string after;
};

struct EvaluateReport {
    std::string standard;  // the name or path as the request carries it
    std::string standardFile;
    std::string drawing;
    std::string macroName;
    std::string macroHandle;
    std::string mapsTo;
    std::vector<ReportedVariable> inputs;
    std::vector<ReportedVariable> outputs;
    std::vector<ReportedVariable> locals;
    std::vector<ChangedValue> changed;
    std::vector<ShownMessage> messages;
    std::vector<std::string> warnings;
    std::string commandLine;
    bool written = false;
    std::string notWritten;  // why --write was refused; empty when it was not
};

// The values that differ between two readings of the same macro, in the readings' order.
std::vector<ChangedValue> changedValues(const std::vector<MacroValue>& before,
                                        const std::vector<MacroValue>& after);

// Variables holding a grid error value ("#NAME?"). The engine keeps such a text in a String
// variable without a message, and writing it into the macro would spoil the value there.
std::vector<std::string> errorValueWarnings(const EvaluateReport& report);
// The first output holding an error value, or null.
const ReportedVariable* outputWithErrorValue(const EvaluateReport& report);

void printTable(const EvaluateReport& report, std::ostream& out);
void printJson(const EvaluateReport& report, std::ostream& out);
