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
