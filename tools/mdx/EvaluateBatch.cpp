#include "EvaluateBatch.h"

#include <unistd.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "EvaluateDrawing.h"
#include "EvaluateError.h"
#include "EvaluateInputs.h"
#include "EvaluateMapping.h"
#include "EvaluateMacro.h"
#include "EvaluateOptions.h"
#include "EvaluateReport.h"
#include "EvaluateSession.h"
#include "LibraryCatalog.h"

namespace {

using json = nlohmann::ordered_json;

struct Tie {
    DrawingMacro macro;
    std::string standard;  // library name
    std::string key;
};

bool sameName(const std::string& a, const std::string& b) {
    return Mdx_String::fromUtf8(a).equal(Mdx_String::fromUtf8(b), false);
}

// The standards of the library that may be used, with their mapping keys.
std::vector<LibraryStandard> batchStandards(const EvaluateOptions& options) {
    LibraryCatalog catalog;
    if (scanLibrary(catalog) == LibraryScan::NoFolder)
        throw EvaluateError(EvaluateExit::StandardMissing,
                            "the library folder " + catalog.folder + " does not exist");
    std::vector<LibraryStandard> chosen;
    for (const std::string& wanted : options.batchStandards) {
        bool found = false;
        for (const LibraryStandard& standard : catalog.standards)
            found = found || (!standard.isChild && sameName(standard.name, wanted));
        if (!found)
            throw EvaluateError(EvaluateExit::StandardMissing,
                                "--standard " + wanted + ": no such standard in " +
                                    catalog.folder + " (mdx library list shows them)");
    }
    for (LibraryStandard& standard : catalog.standards) {
        if (standard.isChild || !standard.problem.empty()) continue;
        bool named = options.batchStandards.empty();
        for (const std::string& wanted : options.batchStandards)
            named = named || sameName(standard.name, wanted);
        if (named) chosen.push_back(std::move(standard));
    }
    return chosen;
}

// A macro's name as ties compare it: ignoring case, as the module compares names.
std::string tieName(const std::string& name) {
    return Mdx_String::fromUtf8(name).makeLower().toUtf8();
}

// The library standard a macro's settings name ('\\' or '/' between folders); null when it is
// not among those chosen.
const LibraryStandard* chosenStandard(const std::vector<LibraryStandard>& standards,
                                      std::string name) {
    for (char& c : name)
        if (c == '\\') c = '/';
    for (const LibraryStandard& standard : standards)
        if (sameName(standard.name, name)) return &standard;
    return nullptr;
}

// A macro whose settings name standards is tied to those; any other macro to every mapping
// line keyed by its name.
std::vector<Tie> findTies(EvaluateDrawing& drawing, const std::vector<LibraryStandard>& standards,
                          const std::string& drawingFile) {
    std::multimap<std::string, std::pair<const LibraryStandard*, const LibraryMappingKey*>> keys;
    for (const LibraryStandard& standard : standards)
        for (const LibraryMappingKey& key : standard.mappingKeys)
            keys.emplace(tieName(key.key), std::make_pair(&standard, &key));
    std::vector<Tie> ties;
    for (const DrawingMacro& macro : drawing.macros()) {
        for (const MacroStandard& own : macro.standards)
            if (const LibraryStandard* standard = chosenStandard(standards, own.name))
                ties.push_back({macro, standard->name, own.key});
        if (!macro.standards.empty()) continue;
        // Equal keys stay in the order they were put in: library order.
        auto [first, last] = keys.equal_range(tieName(macro.name));
        for (auto it = first; it != last; ++it)
            ties.push_back({macro, it->second.first->name, it->second.second->key});
    }
    if (ties.empty())
        throw EvaluateError(EvaluateExit::BadMapping,
                            "no macro of " + drawingFile +
                                " is tied to a standard: the macro's settings name none, and no "
                                "line of a standard's mapping file is keyed by its name");
    return ties;
}

// Why the tie's mapping cannot be used (a key the mapping file lacks, a line of it that does
// not read as the format, a module group the macro lacks); empty when it can. Mapping-file
// problems are the same for every macro with the same key, so each key is checked once.
std::string mappingProblem(std::map<std::pair<std::string, std::string>, std::string>& known,
                           const Tie& tie, const StandardRef& standard,
                           const EvaluateDrawing& drawing) {
    const bool byModule = Mdx_String::fromUtf8(tie.key).startsWith("Module.", false);
    const auto id = std::make_pair(tie.standard, tie.key);
    if (!byModule)
        if (auto found = known.find(id); found != known.end()) return found->second;
    std::string problem;
    try {
        checkMapping(tie.key, standard, drawing);
    } catch (const EvaluateError& error) {
        problem = error.what();
    }
    if (!byModule) known.emplace(id, problem);
    return problem;
}

EvaluateReport refusedReport(const Tie& tie, const StandardRef& standard,
                             const std::string& problem, const std::string& drawingFile) {
    EvaluateReport report;
    report.standard = standard.fileName.toUtf8();
    report.standardFile = standard.file.string();
    report.drawing = drawingFile;
    report.macroName = tie.macro.name;
    report.macroHandle = tie.macro.handle;
    report.mapsTo = tie.key;
    report.evaluated = false;
    report.warnings.push_back(problem);
    return report;
}

// A progress line on a terminal, so a long run shows it is alive; nothing in a pipe.
class Progress {
public:
    Progress(std::ostream& err, std::size_t total)
        : err_(err), total_(total), shown_(total >= 20 && ::isatty(STDERR_FILENO)) {}
    ~Progress() {
        if (shown_) err_ << "\r" << std::string(40, ' ') << "\r" << std::flush;
    }
    void step(std::size_t done) {
        if (shown_ && (done % 10 == 0 || done == total_))
            err_ << "\revaluated " << done << " of " << total_ << std::flush;
    }

private:
    std::ostream& err_;
    std::size_t total_;
    bool shown_;
};

EvaluateExit outcomeOf(const EvaluateReport& report, bool allowFailures) {
    if (!report.evaluated) return EvaluateExit::EvaluationFailed;
    if (!report.failures.empty() && !allowFailures) return EvaluateExit::EquationsFailed;
    return EvaluateExit::Evaluated;
}

int severity(EvaluateExit exit) {
    switch (exit) {
        case EvaluateExit::WriteFailed: return 3;
        case EvaluateExit::EvaluationFailed: return 2;
        case EvaluateExit::EquationsFailed: return 1;
        default: return 0;
    }
}

struct BatchResult {
    std::vector<EvaluateReport> reports;
    std::vector<EvaluateExit> outcomes;
    EvaluateExit worst = EvaluateExit::Evaluated;
    bool written = false;
    std::string notWritten;
};

void note(BatchResult& result, EvaluateExit outcome) {
    result.outcomes.push_back(outcome);
    if (severity(outcome) > severity(result.worst)) result.worst = outcome;
}

std::string outcomeText(const EvaluateReport& report, EvaluateExit outcome) {
    if (outcome == EvaluateExit::EvaluationFailed)
        return report.warnings.empty() ? "evaluation failed"
                                        : "evaluation failed: " + report.warnings.front();
    std::string text = std::to_string(report.changed.size()) + " value(s) changed";
    if (!report.failures.empty())
        text += ", " + std::to_string(report.failures.size()) + " equation(s) failed";
    return text;
}

void printBatchTable(const BatchResult& result, const std::string& drawingFile,
                     std::ostream& out) {
    std::size_t failed = 0, partly = 0;
    for (EvaluateExit outcome : result.outcomes) {
        failed += outcome == EvaluateExit::EvaluationFailed;
        partly += outcome == EvaluateExit::EquationsFailed;
    }
    out << "Drawing   " << shownPath(drawingFile) << "\n"
        << "Evaluated " << result.reports.size() << " connection(s): "
        << result.reports.size() - failed - partly << " succeeded, " << partly
        << " with failed equations, " << failed << " failed\n\n";
    for (std::size_t i = 0; i < result.reports.size(); ++i) {
        const EvaluateReport& report = result.reports[i];
        out << "  " << report.macroName << " (handle " << report.macroHandle << ")  "
            << report.standard << " [" << report.mapsTo << "]  "
            << outcomeText(report, result.outcomes[i]) << "\n";
    }
    std::vector<ReportedFailure> failures;
    for (const EvaluateReport& report : result.reports)
        failures.insert(failures.end(), report.failures.begin(), report.failures.end());
    printFailures(failures, out);
    out << "\n";
    if (!result.notWritten.empty())
        out << "Not written: " << result.notWritten << "\n";
    else if (result.written)
        out << "Written to " << shownPath(drawingFile) << "\n";
    else
        out << "The drawing was not touched; --write saves the changes.\n";
}

void printBatchJson(const BatchResult& result, const std::string& drawingFile,
                    std::ostream& out) {
    json evaluations = json::array();
    for (std::size_t i = 0; i < result.reports.size(); ++i) {
        json entry = reportJson(result.reports[i]);
        entry["outcome"] = static_cast<int>(result.outcomes[i]);
        evaluations.push_back(std::move(entry));
    }
    json document = {{"drawing", absolutePath(drawingFile)},
                     {"evaluations", evaluations},
                     {"exitCode", static_cast<int>(result.worst)},
                     {"written", result.written}};
    if (!result.notWritten.empty()) document["notWritten"] = result.notWritten;
    out << document.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
}

}  // namespace

int evaluateAll(const EvaluateOptions& options, std::ostream& out, std::ostream& err) {
    if (!options.standard.empty() || !options.macro.empty() || !options.mapsTo.empty())
        throw EvaluateError(EvaluateExit::BadMapping,
                            "--all finds the macros and standards itself; leave out the "
                            "standard, --macro and --maps-to (name standards with --standard)");
    const GeneralVariables general = parseGeneralVariables(options.generalVariables);
    EvaluateDrawing drawing(options.drawing);
    const std::vector<Tie> ties = findTies(drawing, batchStandards(options), options.drawing);
    std::map<std::string, StandardRef> standards;
    for (const Tie& tie : ties)
        if (!standards.count(tie.standard))
            standards.emplace(tie.standard, resolveStandard(tie.standard, true));

    EvaluateSession session;
    BatchResult result;
    Progress progress(err, ties.size());
    std::map<std::pair<std::string, std::string>, std::string> mappingProblems;
    for (const Tie& tie : ties) {
        drawing.open(tie.macro.handle);
        const StandardRef& standard = standards.at(tie.standard);
        const std::string problem =
            mappingProblem(mappingProblems, tie, standard, drawing);
        result.reports.push_back(
            problem.empty() ? evaluateOpenMacro(session, drawing, standard,
                                                Mdx_String::fromUtf8(tie.key), general,
                                                options.drawing)
                            : refusedReport(tie, standard, problem, options.drawing));
        const EvaluateExit outcome = outcomeOf(result.reports.back(), options.allowFailures);
        note(result, outcome);
        // A macro whose equations failed keeps its changes only when they may be written.
        if (outcome == EvaluateExit::Evaluated) drawing.keep();
        else drawing.drop();
        progress.step(result.reports.size());
    }
    if (options.write) {
        if (result.worst != EvaluateExit::Evaluated && !options.allowFailures) {
            result.notWritten = "not every connection succeeded; the drawing is as it was "
                                "(--allow-failures writes those that did)";
        } else {
            try {
                drawing.save();
                result.written = true;
            } catch (const EvaluateError& error) {
                result.notWritten = error.what();
                note(result, EvaluateExit::WriteFailed);
                result.outcomes.pop_back();
            }
        }
    }
    if (options.json)
        printBatchJson(result, options.drawing, out);
    else
        printBatchTable(result, options.drawing, out);
    return static_cast<int>(result.worst);
}
