#pragma once
// What one evaluation read, computed and changed, and how mdx evaluate prints it: as a table
// for people, or as one JSON document for programs. All texts are UTF-8.
#include <iosfwd>
#include <nlohmann/json.hpp>
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

// An equation that failed, in the form a script reads: where, what was written, what came.
struct ReportedFailure {
    std::string file;        // the standards sheet on disk, absolute
    std::string cell;        // "C12"
    std::string variable;    // empty when the cell names none
    std::string formula;     // as the author wrote it, with variable names
    std::string errorValue;  // "#N/A", ...; empty when the cell holds none
    std::string message;     // what went wrong
    std::string tip;
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
    std::vector<ReportedFailure> failures;
    std::string commandLine;
    bool evaluated = true;  // false when the launch point reported failure
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

// The failures the standards engine recorded since it was last cleared.
std::vector<ReportedFailure> recordedFailures();

// A file as people read it: relative below the current folder, else absolute.
std::string shownPath(const std::string& path);
// The same file as JSON carries every path: absolute, normalised.
std::string absolutePath(const std::string& path);
// Module paths inside a message ("L:\Connection Standards\x.kvs") as the files on disk.
std::string withUserPaths(const std::string& message);

void printTable(const EvaluateReport& report, std::ostream& out);
void printFailures(const std::vector<ReportedFailure>& failures, std::ostream& out);
void printJson(const EvaluateReport& report, std::ostream& out);
// The report as the JSON object printJson prints.
nlohmann::ordered_json reportJson(const EvaluateReport& report);
