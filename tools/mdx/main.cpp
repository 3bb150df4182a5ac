// mdx: the command line through which people use the spreadsheet module without a CAD host.
// Each command lives in its own file; this file only puts them together.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <exception>
#include <iostream>

#include "BillCommand.h"
#include "CutstockCommand.h"
#include "DesignCommand.h"
#include "EvaluateCommand.h"
#include "LibraryCommand.h"
#include "MacroCommand.h"
#include "OutputCheck.h"
#include "RunCommand.h"
#include "SectionCommand.h"
#include "ServeCommand.h"
#include "SheetCommand.h"
#include "VersionCommand.h"

namespace {

// A command line that cannot be parsed: an unknown command or option, a missing or
// malformed argument. One code for all of them, apart from the codes each command gives
// for what it found wrong after starting.
constexpr int kExitUsage = 64;

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"mdx - the Meridox spreadsheet module on the command line"};
    app.require_subcommand(1);
    app.footer(
        "Example, the sample connection of the bundled library:\n"
        "  mdx evaluate EndPlate --drawing examples/drawings/EndPlate_IPE300_HEA300.json "
        "--macro EndPlate_IPE_HEA --maps-to EndPlateStd --gen gen_Grade=S355\n"
        "Each command explains itself: mdx COMMAND --help\n"
        "Exit code 64: the command line itself is wrong (an unknown command or option, a\n"
        "missing or malformed argument); each command lists its other codes.");
    int exitCode = 0;
    addVersionCommand(app);
    addDemoCommand(app);
    addSheetCommands(app);
    addEvaluateCommand(app, exitCode);
    addLibraryCommands(app, exitCode);
    addMacroCommands(app, exitCode);
    addRunCommand(app, exitCode);
    addSectionCommands(app, exitCode);
    addBillCommand(app, exitCode);
    addCutstockCommands(app, exitCode);
    addDesignCommands(app, exitCode);
    addServeCommand(app, exitCode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // Help and the version are printed and end with 0; everything else is a usage error,
        // whatever internal number the parser gives it.
        exitCode = app.exit(error) == 0 ? 0 : kExitUsage;
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "mdx: an unexpected fault: " << error.what() << "\n";
        exitCode = kExitUnexpectedFault;
    }
    return withOutputChecked(exitCode);
}
