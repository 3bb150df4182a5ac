#include "LibraryCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>

void addLibraryCommands(CLI::App& app, int& exitCode) {
    auto* library = app.add_subcommand("library", "Look into a library of connection standards");
    library->callback([&exitCode] {
        std::cerr << "mdx library: not available in this build\n";
        exitCode = 1;
    });
}
