#include "VersionCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>

void addVersionCommand(CLI::App& app) {
    auto* version = app.add_subcommand("version", "Print the program version");
    version->callback([] { std::cout << "mdx 0.1\n"; });
}
