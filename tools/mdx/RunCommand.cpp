#include "RunCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "ScenarioRunner.h"

void addRunCommand(CLI::App& app, int& exitCode) {
    auto* run = app.add_subcommand("run", "Run a scripted host session from a scenario file");
    static std::string scenario;
    static std::string profile;
    run->add_option("scenario", scenario, "The scenario file (JSON)")->required();
    run->add_option("--profile", profile,
                    "Profile folder for saved dialog sizes and the registry (default: a fresh "
                    "temporary folder)");
    run->callback([&exitCode] { exitCode = runScenarioFile(scenario, profile, std::cout); });
}
