// mdx: the command line through which people use the spreadsheet module without a CAD host.
// Each command lives in its own file; this file only puts them together.
#include <CLI/CLI.hpp>

#include <iostream>

#include "SheetCommand.h"

int main(int argc, char** argv) {
    CLI::App app{"mdx - the Meridox spreadsheet module on the command line"};
    app.require_subcommand(1);
    auto* version = app.add_subcommand("version", "Print the program version");
    version->callback([] { std::cout << "mdx 0.1\n"; });
    addDemoCommand(app);
    addSheetCommands(app);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
