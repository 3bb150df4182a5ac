// mdx: the command line through which people use the spreadsheet module without a CAD host.
// Each command lives in its own file; this file only puts them together.
#include <CLI/CLI.hpp>

#include "EvaluateCommand.h"
#include "LibraryCommand.h"
#include "RunCommand.h"
#include "SheetCommand.h"
#include "VersionCommand.h"

int main(int argc, char** argv) {
    CLI::App app{"mdx - the Meridox spreadsheet module on the command line"};
    app.require_subcommand(1);
    app.footer(
        "Example, the sample connection of the bundled library:\n"
        "  mdx evaluate EndPlate --drawing examples/drawings/EndPlate_IPE300_HEA300.json "
        "--macro EndPlate_IPE_HEA --maps-to EndPlateStd --gen gen_Grade=S355\n"
        "Each command explains itself: mdx COMMAND --help");
    int exitCode = 0;
    addVersionCommand(app);
    addDemoCommand(app);
    addSheetCommands(app);
    addEvaluateCommand(app, exitCode);
    addLibraryCommands(app, exitCode);
    addRunCommand(app, exitCode);
    CLI11_PARSE(app, argc, argv);
    return exitCode;
}
