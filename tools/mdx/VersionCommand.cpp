#include "VersionCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "MdxVersion.h"

std::string programVersion() { return std::string("mdx ") + MDX_VERSION; }

void addVersionCommand(CLI::App& app) {
    app.set_version_flag("--version", programVersion(), "Print the program version and exit");
    auto* version = app.add_subcommand("version", "Print the program version");
    version->callback([] { std::cout << programVersion() << "\n"; });
}
