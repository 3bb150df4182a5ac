#include "MacroCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "EvaluateDrawing.h"
#include "EvaluateError.h"
#include "MacroAssignment.h"
#include "MacroEditCommand.h"
#include "MacroReport.h"
#include "core/macro/MacroTabApply.h"
#include "host/CommandLine.h"

namespace {

const char* const kShowDescription =
    "Show the macro dialog's data of a macro: its tabs with their variables, cuts, arrays, "
    "block, bolts, patterns and section groups, named as mdx macro set takes them.\n"
    "Example:\n"
    "  mdx macro show examples/drawings/EndPlate_IPE300_HEA300.json EndPlate_IPE_HEA\n";

const char* const kSetDescription =
    "Change values of a macro through the same apply as the macro dialog's pages: each tab's "
    "changes are checked and written into the drawing's macro, derived values are computed "
    "again, and the clash check runs. The drawing file is only written with --write.\n"
    "Names: TAB.VARIABLE, TAB.bolt.assembly|diameter|penetration|added|tolerance|tapped|"
    "reverse|countersunk|shop|nut1|nut2|washer1|washer2|washers, TAB.PATTERN.count1|count2|"
    "spacing, TAB.CUT.type, TAB.GROUP.section|rotation|offset|plane|member, "
    "TAB.ARRAY.value1..value5, TAB.block, TAB.segments (a tab whose profiles are made of "
    "segments: LENGTH:SECTION;LENGTH:SECTION..., lengths in mm above 0, at most 100; the "
    "list replaces the segments of every such profile of the tab, as the segments dialog "
    "does).\n"
    "Example:\n"
    "  mdx macro set examples/drawings/EndPlate_IPE300_HEA300.json EndPlate_IPE_HEA "
    "Plate.L1=20 Bolts.bolt.diameter=24 --write\n"
    "  mdx macro set examples/drawings/EndPlate_segments.json EndPlate_IPE_HEA "
    "\"Stiffeners.segments=60:PL10*140;90:PL12*140\"\n";

const char* const kExitCodes =
    "Exit codes (nothing is written after an error):\n"
    "  0  done\n"
    "  2  an assignment is malformed or names nothing the macro has\n"
    "  3  the drawing is missing or unreadable\n"
    "  4  the drawing is malformed\n"
    "  5  unknown macro\n"
    "  8  the macro refused a value (the reason is printed)\n"
    "  9  the drawing could not be written (it is as it was)";

constexpr int kBadAssignment = 2;
constexpr int kRefused = 8;

struct MacroOptions {
    std::string drawing;
    std::string macro;
    std::vector<std::string> assignments;
    bool write = false;
};

int show(const MacroOptions& options) {
    EvaluateDrawing drawing(options.drawing, options.macro);
    std::cout << macroReport(drawing.macroName(), drawing.macroHandle(), drawing.macroData());
    return 0;
}

// Each tab's assignments are applied together, as one page's apply.
int set(const MacroOptions& options) {
    EvaluateDrawing drawing(options.drawing, options.macro);
    host::CommandLine::setEcho(true);  // the clash check reports on the command line
    MacroData& data = drawing.macroData();
    std::vector<MacroAssignment> assignments;
    for (const std::string& text : options.assignments) {
        MacroAssignment assignment;
        std::string message;
        if (!parseMacroAssignment(text, assignment, message)) {
            std::cerr << "mdx macro set: " << message << "\n";
            return kBadAssignment;
        }
        assignments.push_back(assignment);
    }
    for (const MacroAssignment& assignment : assignments) {
        int index = -1;
        if (!data.findTab(assignment.tab, index)) {
            std::cerr << "mdx macro set: the macro has no tab \"" << assignment.tab.toUtf8()
                      << "\"\n";
            return kBadAssignment;
        }
    }
    for (int t = 0; t < data.tabCount(); ++t) {
        const MacroTabData before = *data.getTab(t);
        bool touched = false;
        for (const MacroAssignment& assignment : assignments) {
            if (!assignment.tab.equal(before.name, false)) continue;
            std::string message;
            if (!assignToTab(*data.getTab(t), assignment, message)) {
                std::cerr << "mdx macro set: " << message << "\n";
                return kBadAssignment;
            }
            touched = true;
        }
        if (!touched) continue;
        const MacroApplyResult result = applyTabChanges(data, t, before);
        if (result.refused) {
            std::cerr << "mdx macro set: tab \"" << before.name.toUtf8()
                      << "\" refused the change: " << result.reason << "\n";
            return kRefused;
        }
    }
    std::cout << macroReport(drawing.macroName(), drawing.macroHandle(), data);
    if (options.write) {
        drawing.save();
        std::cout << "Written: " << options.drawing << "\n";
    }
    return 0;
}

template <class F>
void runGuarded(F command, const MacroOptions& options, int& exitCode) {
    try {
        exitCode = command(options);
    } catch (const EvaluateError& error) {
        std::cerr << "mdx macro: " << error.what() << "\n";
        exitCode = static_cast<int>(error.exit());
    }
}

}  // namespace

void addMacroCommands(CLI::App& app, int& exitCode) {
    CLI::App* macro = app.add_subcommand("macro", "Show or change a macro as its dialog does");
    macro->require_subcommand(1);
    auto options = std::make_shared<MacroOptions>();

    CLI::App* showCommand = macro->add_subcommand("show", kShowDescription);
    showCommand->add_option("DRAWING", options->drawing, "the drawing file")->required();
    showCommand->add_option("MACRO", options->macro, "the macro's name or handle")->required();
    showCommand->footer(kExitCodes);
    showCommand->callback([options, &exitCode] { runGuarded(show, *options, exitCode); });

    CLI::App* setCommand = macro->add_subcommand("set", kSetDescription);
    setCommand->add_option("DRAWING", options->drawing, "the drawing file")->required();
    setCommand->add_option("MACRO", options->macro, "the macro's name or handle")->required();
    setCommand->add_option("ASSIGNMENTS", options->assignments, "NAME=VALUE ...")->required();
    setCommand->add_flag("--write", options->write, "write the drawing file (atomically)");
    setCommand->footer(kExitCodes);
    setCommand->callback([options, &exitCode] { runGuarded(set, *options, exitCode); });

    addMacroEditCommands(*macro, exitCode);
}
