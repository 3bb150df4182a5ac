#include "EvaluateCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "EvaluateDrawing.h"
#include "EvaluateError.h"
#include "EvaluateInputs.h"
#include "EvaluateMapping.h"
#include "EvaluateOptions.h"
#include "EvaluateReport.h"
#include "EvaluateSession.h"
#include "core/Mdx_Settings.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvValueType.h"

namespace {

const char* const kDescription =
    "Evaluate a connection standard for a macro of a drawing: the standard's inputs are read "
    "from the macro, its equations calculated, and its outputs written into the macro.\n"
    "Example:\n"
    "  mdx evaluate EndPlate --drawing examples/drawings/EndPlate_IPE300_HEA300.json \\\n"
    "      --macro EndPlate_IPE_HEA --maps-to EndPlateStd --gen gen_Grade=S355\n"
    "The drawing file is only written with --write.\n";

const char* const kExitCodes =
    "Exit codes (nothing is written after an error):\n"
    "  0  evaluated; failed equations are printed as the engine's messages\n"
    "  1  the module's resources are missing\n"
    "  2  bad --gen (no \"=\", empty or malformed name, a name given twice)\n"
    "  3  the drawing is missing or unreadable\n"
    "  4  the drawing is malformed\n"
    "  5  unknown macro\n"
    "  6  the standard is missing or no standards spreadsheet\n"
    "  7  no mapping given, or an unknown module group or mapping key\n"
    "  8  the evaluation failed, or --write was refused: an output holds an error value\n"
    "  9  the drawing could not be written (it is as it was)";

void collectVariables(const KvVarCells& cells, EvaluateReport& report) {
    for (int i = 0; i < cells.length(); ++i) {
        const KvVarCell& cell = cells[i];
        ReportedVariable variable{cell.name.toUtf8(), declarationKeyword(cell.valueType),
                                  cell.value.toUtf8()};
        auto& list = cell.isInput()    ? report.inputs
                     : cell.isOutput() ? report.outputs
                                       : report.locals;
        list.push_back(variable);
    }
}

std::string withMessages(std::string text, const std::vector<ShownMessage>& messages) {
    for (const ShownMessage& message : messages)
        text += "\n  message box [" + message.caption + "]: " + message.text;
    return text;
}

// The request exactly as the standards page builds it for StartDlgStandardsSS.
KvDlgStandardsData standardsRequest(EvaluateDrawing& drawing, const StandardRef& standard,
                                    const Mdx_String& mapsTo, const GeneralVariables& general) {
    KvDlgStandardsData request;
    request.initialize(drawing.macro(), standard.fileName, mapsTo, &drawing.macroData());
    request.transaction = &drawing.transaction();
    request.genVarNames = general.names;
    request.genVarValues = general.values;
    return request;
}

EvaluateReport reportHeader(const EvaluateOptions& options, const StandardRef& standard,
                            EvaluateDrawing& drawing, const Mdx_String& mapsTo) {
    EvaluateReport report;
    report.standard = standard.fileName.toUtf8();
    report.standardFile = standard.file.string();
    report.drawing = options.drawing;
    report.macroName = drawing.macroName();
    report.macroHandle = drawing.macroHandle();
    report.mapsTo = mapsTo.toUtf8();
    return report;
}

int evaluate(const EvaluateOptions& options, std::ostream& out) {
    // Every input is checked before the module runs, so a refusal changes nothing.
    if (!options.library.empty()) gSettings.setLibraryFolder(options.library);
    const GeneralVariables general = parseGeneralVariables(options.generalVariables);
    EvaluateDrawing drawing(options.drawing, options.macro);
    const StandardRef standard = resolveStandard(options.standard, !options.library.empty());
    const Mdx_String mapsTo = checkMapping(options.mapsTo, standard, drawing);

    EvaluateSession session;
    const std::vector<MacroValue> before = drawing.readValues();
    KvDlgStandardsData request = standardsRequest(drawing, standard, mapsTo, general);
    if (!session.evaluate(request))
        throw EvaluateError(EvaluateExit::EvaluationFailed,
                            withMessages("the evaluation of " + standard.file.string() +
                                             " failed; nothing was written",
                                         session.messages()));

    EvaluateReport report = reportHeader(options, standard, drawing, mapsTo);
    collectVariables(request.varCells, report);
    report.changed = changedValues(before, drawing.readValues());
    report.messages = session.messages();
    report.commandLine = session.commandLine();
    report.warnings = errorValueWarnings(report);
    // Writing an error text into the macro would spoil the value there for good.
    const ReportedVariable* spoiled = outputWithErrorValue(report);
    if (options.write && spoiled) {
        report.notWritten = "the output " + spoiled->name + " holds the error value " +
                            spoiled->value + "; the drawing is as it was";
    } else if (options.write) {
        drawing.save();
        report.written = true;
    }
    if (options.json)
        printJson(report, out);
    else
        printTable(report, out);
    return static_cast<int>(report.notWritten.empty() ? EvaluateExit::Evaluated
                                                      : EvaluateExit::EvaluationFailed);
}

}  // namespace

int runEvaluate(const EvaluateOptions& options, std::ostream& out, std::ostream& err) {
    try {
        return evaluate(options, out);
    } catch (const EvaluateError& error) {
        err << "mdx evaluate: " << error.what() << "\n";
        return static_cast<int>(error.exit());
    } catch (const std::exception& error) {
        // A file-system fault or the like: reported, never a crash; nothing was saved.
        err << "mdx evaluate: " << error.what() << "\n";
        return static_cast<int>(EvaluateExit::EvaluationFailed);
    }
}

void addEvaluateCommand(CLI::App& app, int& exitCode) {
    auto* command = app.add_subcommand("evaluate", kDescription);
    command->footer(kExitCodes);
    static EvaluateOptions options;
    command
        ->add_option("standard", options.standard,
                     "The standard: a name in the library's \"Connection Standards\" folder "
                     "(.kvs optional) or the path of a .kvs file")
        ->required();
    command->add_option("--drawing", options.drawing, "The drawing file (JSON)")->required();
    command->add_option("--macro", options.macro, "The macro, by its name or its handle")
        ->required();
    command->add_option("--maps-to", options.mapsTo,
                        "Module.GROUP (variables named after the group's values) or the key of "
                        "a line of the standard's mapping file");
    command
        ->add_option("--gen", options.generalVariables,
                     "A general variable NAME=VALUE (repeat --gen for more)")
        ->allow_extra_args(false);
    command->add_option("--library", options.library,
                        "The library folder holding \"Connection Standards\" (default: "
                        "$MDX_LIBRARY, else the bundled examples/)");
    command->add_flag("--write", options.write,
                      "Save the changed macro into the drawing file (atomically)");
    command->add_flag("--json", options.json, "Print the result as one JSON document");
    command->callback([&exitCode] { exitCode = runEvaluate(options, std::cout, std::cerr); });
}
