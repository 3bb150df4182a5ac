#include "LibraryReport.h"

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "LibraryCatalog.h"

using nlohmann::json;

namespace {

constexpr const char* kFolder = "Connection Standards/";

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return text;
}

std::string variableList(const std::vector<LibraryVariable>& variables) {
    std::vector<std::string> items;
    for (const LibraryVariable& v : variables) items.push_back(v.type + " " + v.name);
    return items.empty() ? "none" : joined(items);
}

std::string mappingText(const LibraryStandard& standard) {
    if (!standard.hasMappingFile) return "no mapping file";
    std::string text = standard.name + ".map:";
    if (standard.mappingKeys.empty()) return text + " no mappings";
    for (const LibraryMappingKey& key : standard.mappingKeys) {
        text += (&key == &standard.mappingKeys.front() ? " " : ", ") + key.key + " (" +
                counted(static_cast<size_t>(key.variables), "variable");
        if (!key.undeclared.empty()) text += "; not declared: " + joined(key.undeclared);
        if (!key.problem.empty()) text += "; unreadable, " + key.problem;
        text += ")";
    }
    return text;
}

std::string callText(const LibraryChildCall& call) {
    std::string text = call.cell + " " + call.file + " -> " +
                       (call.resolved.empty() ? "missing" : call.resolved) + " (" +
                       joined(call.passed) + ")";
    if (!call.problem.empty()) text += ": " + call.problem;
    return text;
}

void printLine(std::ostream& out, const char* label, const std::string& text) {
    out << "  " << label << std::string(10 - std::string(label).size(), ' ') << text << "\n";
}

json variablesJson(const std::vector<LibraryVariable>& variables) {
    json list = json::array();
    for (const LibraryVariable& v : variables) list.push_back({{"type", v.type}, {"name", v.name}});
    return list;
}

json textOrNull(const std::string& text) {
    return text.empty() ? json(nullptr) : json(text);
}

json standardJson(const LibraryStandard& standard) {
    json keys = json::array();
    for (const LibraryMappingKey& key : standard.mappingKeys)
        keys.push_back(
            {{"key", key.key},
             {"variables", key.variables},
             {"undeclared", key.undeclared},
             {"ties", key.ties},
             {"problem", textOrNull(key.problem)}});
    json calls = json::array();
    for (const LibraryChildCall& call : standard.childCalls)
        calls.push_back({{"cell", call.cell},
                         {"file", call.file},
                         {"resolved", textOrNull(call.resolved)},
                         {"passed", call.passed},
                         {"problem", textOrNull(call.problem)}});
    return {{"name", standard.name},
            {"file", kFolder + standard.name + ".kvs"},
            {"child", standard.isChild},
            {"problem", textOrNull(standard.problem)},
            {"inputs", variablesJson(standard.inputs)},
            {"outputs", variablesJson(standard.outputs)},
            {"locals", variablesJson(standard.locals)},
            {"mappingFile",
             standard.hasMappingFile ? json(kFolder + standard.name + ".map") : json(nullptr)},
            {"mappingKeys", keys},
            {"childCalls", calls},
            {"escapingFiles", standard.escapingFiles},
            {"sectionTables", standard.sectionTables},
            {"sectionReads", standard.sectionReads}};
}

// Each table of the library with the standards that name its sizes.
json tablesJson(const LibraryCatalog& catalog) {
    json tables = json::array();
    for (const std::string& table : catalog.sectionTables) {
        json users = json::array();
        for (const LibraryStandard& standard : catalog.standards)
            for (const std::string& used : standard.sectionTables)
                if (used == table) users.push_back(standard.name);
        tables.push_back({{"table", table}, {"usedBy", users}});
    }
    return tables;
}

std::string sectionText(const LibraryStandard& standard) {
    std::string text = standard.sectionTables.empty()
                           ? std::string("names no sizes")
                           : "names sizes of " + joined(standard.sectionTables);
    if (!standard.sectionReads.empty())
        text += "; reads sizes passed in at " + joined(standard.sectionReads);
    return text;
}

// Nothing for a library without section tables.
void printTables(const LibraryCatalog& catalog, std::ostream& out) {
    if (catalog.sectionTables.empty()) return;
    out << "\nSection tables (prof/):\n";
    for (const json& table : tablesJson(catalog)) {
        std::vector<std::string> users;
        for (const json& user : table["usedBy"]) users.push_back(user.get<std::string>());
        out << "  " << table["table"].get<std::string>() << ": "
            << (users.empty() ? "named by no standard" : "named by " + joined(users)) << "\n";
    }
    std::vector<std::string> readers;
    for (const LibraryStandard& standard : catalog.standards)
        if (!standard.sectionReads.empty()) readers.push_back(standard.name);
    if (!readers.empty())
        out << "  Sizes passed in (any table) are read by " << joined(readers) << "\n";
}

}  // namespace

void printLibraryTable(const LibraryCatalog& catalog, std::ostream& out) {
    int children = 0;
    for (const LibraryStandard& standard : catalog.standards) children += standard.isChild;
    out << "Library " << catalog.folder << ": " << counted(catalog.standards.size(), "standard")
        << " in " << kFolder << " (" << counted(static_cast<size_t>(children), "child sheet")
        << ")\n";
    for (const LibraryStandard& standard : catalog.standards) {
        out << "\n" << standard.name << (standard.isChild ? " (child sheet)" : "") << "\n";
        if (!standard.problem.empty()) printLine(out, "problem", standard.problem);
        printLine(out, "inputs", variableList(standard.inputs));
        printLine(out, "outputs", variableList(standard.outputs));
        printLine(out, "locals", variableList(standard.locals));
        printLine(out, "mapping", mappingText(standard));
        if (standard.childCalls.empty()) printLine(out, "calls", "none");
        for (const LibraryChildCall& call : standard.childCalls)
            printLine(out, &call == &standard.childCalls.front() ? "calls" : "", callText(call));
        for (const std::string& file : standard.escapingFiles)
            printLine(out, &file == &standard.escapingFiles.front() ? "outside" : "",
                      file + " (leaves the library; the calculation refuses it)");
        if (!standard.sectionTables.empty() || !standard.sectionReads.empty())
            printLine(out, "sections", sectionText(standard));
    }
    printTables(catalog, out);
}

void printLibraryJson(const LibraryCatalog& catalog, std::ostream& out) {
    json standards = json::array();
    for (const LibraryStandard& standard : catalog.standards)
        standards.push_back(standardJson(standard));
    // A folder name that is no UTF-8 must not end the listing.
    out << json{{"library", catalog.folder},
                {"standards", standards},
                {"sectionTables", tablesJson(catalog)}}
               .dump(
               2, ' ', false, json::error_handler_t::replace)
        << "\n";
}
