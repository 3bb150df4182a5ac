#include "EvaluateCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "EvaluateBatch.h"
#include "EvaluateDrawing.h"
#include "EvaluateError.h"
#include "EvaluateInputs.h"
#include "EvaluateMacro.h"
#include "EvaluateMapping.h"
#include "EvaluateOptions.h"
#include "EvaluateReport.h"
#include "EvaluateSession.h"
#include "core/Mdx_Settings.h"
#include "standards/KvFileScope.h"

namespace {

const char* const kDescription =
    "Evaluate a connection standard for a macro of a drawing: the standard's inputs are read "
    "from the macro, its equations calculated, and its outputs written into the macro.\n"
    "Example:\n"
    "  mdx evaluate EndPlate --drawing examples/drawings/EndPlate_IPE300_HEA300.json \\\n"
    "      --macro EndPlate_IPE_HEA --maps-to EndPlateStd --gen gen_Grade=S355\n"
    "Every macro a mapping ties to a standard (a line of its mapping file keyed by the "
    "macro's name), in one run:\n"
    "  mdx evaluate --all --drawing examples/drawings/Connections.json\n"
    "The drawing file is only written with --write.\n";

const char* const kExitCodes =
    "Exit codes (nothing is written after an error):\n"
    "  0  evaluated, every equation succeeded (or --allow-failures)\n"
    "  1  the module's resources are missing\n"
    "  2  bad --gen (no \"=\", empty or malformed name, a name given twice)\n"
    "  3  the drawing is missing or unreadable (not a regular file, too large)\n"
    "  4  the drawing is malformed\n"
    "  5  unknown macro, or one that cannot be opened\n"
    "  6  the standard is missing or no standards spreadsheet\n"
    "  7  no mapping given, or an unknown module group or mapping key; with --all: no macro\n"
    "     is tied to a standard\n"
    "  8  the evaluation failed, or --write was refused: an output holds an error value\n"
    "  9  the drawing could not be written: read-only, changed by someone else since it was\n"
    "     read, or a disk fault (it is as it was)\n"
    "  10 an equation failed (listed under \"Failed equations\", in --json as \"failures\");\n"
    "     --write wrote nothing\n"
    "  11 no fresh profile folder could be made in the temporary folder\n"
    "  12 the output could not be written\n"
    "With --all the exit code is that of the worst outcome: 9, then 8, then 10, then 0.";

void checkSingleOptions(const EvaluateOptions& options) {
    if (options.standard.empty())
        throw EvaluateError(EvaluateExit::StandardMissing,
                            "name the standard to evaluate, or give --all");
    if (options.macro.empty())
        throw EvaluateError(EvaluateExit::UnknownMacro,
                            "name the macro with --macro (its name or handle), or give --all");
}

int evaluate(const EvaluateOptions& options, std::ostream& out) {
    // Every input is checked before the module runs, so a refusal changes nothing.
    checkSingleOptions(options);
    const GeneralVariables general = parseGeneralVariables(options.generalVariables);
    EvaluateDrawing drawing(options.drawing, options.macro);
    const StandardRef standard = resolveStandard(options.standard, !options.library.empty());
    const Mdx_String mapsTo = checkMapping(options.mapsTo, standard, drawing);

    EvaluateSession session;
    EvaluateReport report =
        evaluateOpenMacro(session, drawing, standard, mapsTo, general, options.drawing);
    if (!report.evaluated) {
        std::string text = "the evaluation of " + shownPath(standard.file.string()) +
                           " failed; nothing was written";
        for (const ShownMessage& message : report.messages)
            text += "\n  message box [" + message.caption + "]: " + message.text;
        throw EvaluateError(EvaluateExit::EvaluationFailed, text);
    }
    EvaluateExit exit = EvaluateExit::Evaluated;
    const bool failed = !report.failures.empty() && !options.allowFailures;
    // Writing an error text into the macro would spoil the value there for good.
    const ReportedVariable* spoiled = outputWithErrorValue(report);
    if (failed) {
        exit = EvaluateExit::EquationsFailed;
        if (options.write)
            report.notWritten = std::to_string(report.failures.size()) +
                                " equation(s) failed; the drawing is as it was (--allow-failures "
                                "writes anyway)";
    } else if (spoiled) {
        if (options.write) {
            exit = EvaluateExit::EvaluationFailed;
            report.notWritten = "the output " + spoiled->name + " holds the error value " +
                                spoiled->value + "; the drawing is as it was";
        }
    } else if (options.write) {
        drawing.save();
        report.written = true;
    }
    if (options.json)
        printJson(report, out);
    else
        printTable(report, out);
    return static_cast<int>(exit);
}

void applyFolders(const EvaluateOptions& options) {
    if (!options.library.empty()) gSettings.setLibraryFolder(options.library);
    file_scope::clearAllowedFolders();
    for (const std::string& folder : options.allowedFolders)
        file_scope::allowFolder(Mdx_String::fromUtf8(folder));
}

}  // namespace

int runEvaluate(const EvaluateOptions& options, std::ostream& out, std::ostream& err) {
    try {
        applyFolders(options);
        return options.all ? evaluateAll(options, out, err) : evaluate(options, out);
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
    command->add_option("standard", options.standard,
                        "The standard: a name in the library's \"Connection Standards\" folder "
                        "(.kvs optional) or the path of a .kvs file");
    command->add_option("--drawing", options.drawing, "The drawing file (JSON)")->required();
    command->add_option("--macro", options.macro, "The macro, by its name or its handle");
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
    command
        ->add_option("--allow-folder", options.allowedFolders,
                     "A folder outside the library that data and child files may come from "
                     "(repeat for more); others are refused")
        ->allow_extra_args(false);
    command->add_flag("--all", options.all,
                      "Evaluate every macro of the drawing that a mapping file ties to a "
                      "standard (a line keyed by the macro's name)");
    command
        ->add_option("--standard", options.batchStandards,
                     "With --all: only the macros tied to this standard (repeat for more)")
        ->allow_extra_args(false);
    command->add_flag("--write", options.write,
                      "Save the changed macro into the drawing file (atomically), only when "
                      "every equation succeeded");
    command->add_flag("--allow-failures", options.allowFailures,
                      "Count failed equations as success: exit 0 and --write writes anyway");
    command->add_flag("--json", options.json, "Print the result as one JSON document");
    command->callback([&exitCode] { exitCode = runEvaluate(options, std::cout, std::cerr); });
}
