#include "EvaluateReport.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>

#include "core/Mdx_Settings.h"
#include "grid/CellValue.h"
#include "grid/TextRules.h"
#include "standards/KvEquationFailures.h"
#include "win/FilePaths.h"

namespace {

// In the order a reader expects, not sorted by key.
using json = nlohmann::ordered_json;

std::size_t widestName(const std::vector<ReportedVariable>& variables) {
    std::size_t width = 0;
    for (const ReportedVariable& variable : variables)
        width = std::max(width, variable.name.size());
    return width;
}

// The engine keeps numbers with 7 decimals ("180.0000000"); people read "180".
std::string shownValue(const ReportedVariable& variable) {
    const std::string& value = variable.value;
    if (variable.type == "String" || value.find('.') == std::string::npos ||
        value.find_first_not_of("-0123456789.") != std::string::npos)
        return value;
    const std::size_t last = value.find_last_not_of('0');
    return value.substr(0, value[last] == '.' ? last : last + 1);
}

void printVariables(const char* title, const std::vector<ReportedVariable>& variables,
                    std::ostream& out) {
    out << "\n" << title << "\n";
    if (variables.empty()) out << "  (none)\n";
    const std::size_t width = widestName(variables);
    for (const ReportedVariable& variable : variables)
        out << "  " << variable.type
            << std::string(variable.type.size() < 7 ? 7 - variable.type.size() : 1, ' ')
            << variable.name << std::string(width - variable.name.size() + 2, ' ')
            << shownValue(variable) << "\n";
}

void printChanges(const std::vector<ChangedValue>& changed, std::ostream& out) {
    out << "\nChanged in the macro\n";
    if (changed.empty()) out << "  (nothing)\n";
    std::size_t width = 0;
    for (const ChangedValue& change : changed) width = std::max(width, change.object.size());
    for (const ChangedValue& change : changed)
        out << "  " << change.object << std::string(width - change.object.size() + 2, ' ')
            << change.before << " -> " << change.after << "\n";
}

// Message texts span lines; each line is indented under its caption.
void printMessages(const std::vector<ShownMessage>& messages, std::ostream& out) {
    if (messages.empty()) return;
    out << "\nMessages\n";
    for (const ShownMessage& message : messages) {
        out << "  Message box" << (message.caption.empty() ? "" : " \"" + message.caption + "\"")
            << ":\n";
        std::size_t start = 0;
        while (start <= message.text.size()) {
            const std::size_t end = std::min(message.text.find('\n', start), message.text.size());
            if (end > start) out << "    " << message.text.substr(start, end - start) << "\n";
            start = end + 1;
        }
    }
}

// A number text ("20.0000000", "-3", "1e5") as a JSON number; anything else as text.
json numberOrText(const std::string& text) {
    if (text.empty() || text.size() > 64) return text;
    std::size_t used = 0;
    try {
        const double number = std::stod(text, &used);
        if (used == text.size() && std::isfinite(number)) return number;
    } catch (const std::exception&) {
    }
    return text;
}

json variablesJson(const std::vector<ReportedVariable>& variables) {
    json list = json::array();
    for (const ReportedVariable& variable : variables)
        list.push_back({{"name", variable.name},
                        {"type", variable.type},
                        {"value", variable.type == "String" ? json(variable.value)
                                                            : numberOrText(variable.value)}});
    return list;
}

json failuresJson(const std::vector<ReportedFailure>& failures) {
    json list = json::array();
    for (const ReportedFailure& failure : failures)
        list.push_back({{"file", failure.file},
                        {"cell", failure.cell},
                        {"variable", failure.variable},
                        {"formula", failure.formula},
                        {"errorValue", failure.errorValue},
                        {"message", failure.message},
                        {"tip", failure.tip}});
    return list;
}

std::string moduleText(const Mdx_String& text) {
    return text.toUtf8();
}

}  // namespace

bool isErrorValue(const ReportedVariable& variable) {
    return grid::errorFromText(variable.value) != grid::ErrorCode::None;
}

std::vector<std::string> errorValueWarnings(const EvaluateReport& report) {
    std::vector<std::string> warnings;
    for (const auto* list : {&report.inputs, &report.outputs, &report.locals})
        for (const ReportedVariable& variable : *list)
            if (isErrorValue(variable))
                warnings.push_back(
                    variable.name + " is " + variable.value + ": its equation could not be " +
                    "calculated" +
                    (variable.value == "#NAME?"
                         ? " (it names something unknown; general variables are given with "
                           "--gen NAME=VALUE)"
                         : ""));
    return warnings;
}

const ReportedVariable* outputWithErrorValue(const EvaluateReport& report) {
    for (const ReportedVariable& variable : report.outputs)
        if (isErrorValue(variable)) return &variable;
    return nullptr;
}

std::vector<ChangedValue> changedValues(const std::vector<MacroValue>& before,
                                        const std::vector<MacroValue>& after) {
    std::vector<ChangedValue> changed;
    const std::size_t count = std::min(before.size(), after.size());
    for (std::size_t i = 0; i < count; ++i)
        if (before[i].value != after[i].value)
            changed.push_back({after[i].object, before[i].value, after[i].value});
    return changed;
}

// Below the current folder a path reads shorter, and the same in every clone.
std::string shownPath(const std::string& path) {
    std::error_code ignored;
    const std::filesystem::path relative =
        std::filesystem::path(path).lexically_relative(std::filesystem::current_path(ignored));
    if (relative.empty() || *relative.begin() == "..") return path;
    return relative.string();
}

std::string absolutePath(const std::string& path) {
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
    return absolute.empty() ? path : absolute.lexically_normal().string();
}

std::string withUserPaths(const std::string& message) {
    const std::string library = gSettings.libDir().toUtf8();
    std::string text = message;
    for (std::size_t at = text.find(library); at != std::string::npos;
         at = text.find(library, at + 1)) {
        // The path runs to the end of its line, or to " (" or a full stop before the end.
        std::size_t end = std::min(text.find('\n', at), text.size());
        const std::size_t paren = text.find(" (", at);
        if (paren < end) end = paren;
        if (end > at && text[end - 1] == '.') --end;
        const std::string file =
            shownPath(win::mapPath(text.substr(at, end - at)).lexically_normal().string());
        text.replace(at, end - at, file);
    }
    return text;
}

std::vector<ReportedFailure> recordedFailures() {
    std::vector<ReportedFailure> failures;
    for (const KvEquationFailure& failure : equation_failures::all())
        failures.push_back({absolutePath(win::mapPath(failure.file.toUtf8()).string()),
                            grid::columnLetters(failure.col) + std::to_string(failure.row),
                            moduleText(failure.name), moduleText(failure.formula),
                            moduleText(failure.errorValue), withUserPaths(moduleText(failure.reason)),
                            moduleText(failure.tip)});
    return failures;
}

void printFailures(const std::vector<ReportedFailure>& failures, std::ostream& out) {
    if (failures.empty()) return;
    out << "\nFailed equations\n";
    for (const ReportedFailure& failure : failures) {
        out << "  " << shownPath(failure.file) << " " << failure.cell << ": "
            << (failure.variable.empty() ? "" : failure.variable + " = ") << failure.formula
            << "\n    " << failure.message << "\n    tip: " << failure.tip << "\n";
    }
}

void printTable(const EvaluateReport& report, std::ostream& out) {
    out << "Standard  " << report.standard << "  (" << shownPath(report.standardFile) << ")\n"
        << "Macro     " << report.macroName << "  (handle " << report.macroHandle << ") in "
        << report.drawing << "\n"
        << "Maps to   " << report.mapsTo << "\n";
    printVariables("Inputs (read from the macro)", report.inputs, out);
    printVariables("Outputs (computed)", report.outputs, out);
    printVariables("Locals (computed)", report.locals, out);
    printChanges(report.changed, out);
    printMessages(report.messages, out);
    printFailures(report.failures, out);
    if (!report.warnings.empty()) out << "\nWarnings\n";
    for (const std::string& warning : report.warnings) out << "  " << warning << "\n";
    if (!report.commandLine.empty()) out << "\nCommand line\n" << report.commandLine << "\n";
    if (!report.notWritten.empty()) {
        out << "\nNot written: " << report.notWritten << "\n";
        return;
    }
    out << "\n"
        << (report.written
                ? "Written to " + shownPath(report.drawing)
                : std::string(report.changed.empty()
                                  ? "The drawing was not touched."
                                  : "The drawing was not touched; --write saves the changes."))
        << "\n";
}

json reportJson(const EvaluateReport& report) {
    json changed = json::array();
    for (const ChangedValue& change : report.changed)
        changed.push_back({{"object", change.object},
                           {"before", numberOrText(change.before)},
                           {"after", numberOrText(change.after)}});
    json messages = json::array();
    for (const ShownMessage& message : report.messages)
        messages.push_back({{"caption", message.caption}, {"text", message.text}});
    json document = {{"standard", {{"name", report.standard}, {"file", absolutePath(report.standardFile)}}},
                     {"drawing", absolutePath(report.drawing)},
                     {"macro", {{"name", report.macroName}, {"handle", report.macroHandle}}},
                     {"mapsTo", report.mapsTo},
                     {"evaluated", report.evaluated},
                     {"inputs", variablesJson(report.inputs)},
                     {"outputs", variablesJson(report.outputs)},
                     {"locals", variablesJson(report.locals)},
                     {"changed", changed},
                     {"failures", failuresJson(report.failures)},
                     {"messages", messages},
                     {"warnings", report.warnings},
                     {"commandLine", report.commandLine},
                     {"written", report.written}};
    if (!report.notWritten.empty()) document["notWritten"] = report.notWritten;
    return document;
}

void printJson(const EvaluateReport& report, std::ostream& out) {
    out << reportJson(report).dump(2, ' ', false, json::error_handler_t::replace) << "\n";
}
