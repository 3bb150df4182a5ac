#include "EvaluateCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>

void addEvaluateCommand(CLI::App& app, int& exitCode) {
    auto* evaluate = app.add_subcommand("evaluate", "Evaluate a connection standard for a macro");
    evaluate->callback([&exitCode] {
        std::cerr << "mdx evaluate: not available in this build\n";
        exitCode = 1;
    });
}
