#include "RunCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "ScenarioRunner.h"
#include "host/CommandLine.h"
#include "host/Windows1252.h"

namespace {

const char* const kExitCodes =
    "Exit codes:\n"
    "  0  the session ran to its end\n"
    "  1  the scenario cannot be read (missing, not a regular file, too large), is no JSON,\n"
    "     or is nested too deep; or the module's resources are missing\n"
    "  2  the scenario was refused before anything ran: a malformed header or step (the\n"
    "     message names the step)\n"
    "  3  the session could not start or broke off: no profile folder, an unexpected fault\n"
    "  12 the output could not be written (a full disk, a closed pipe)";

constexpr int kSessionFailed = 3;

struct RunOptions {
    std::string scenario;
    std::string profile;
    bool json = false;
};

int runCaught(const RunOptions& options, std::ostream& out) {
    try {
        return runScenarioFile(options.scenario, options.profile, out, !options.json);
    } catch (const std::exception& error) {
        out << "mdx run: the session broke off: " << error.what() << "\n";
        return kSessionFailed;
    }
}

std::string commandLineText() {
    return host::windows1252ToUtf8(host::CommandLine::transcript());
}

// The transcript as one JSON document: what a program reads instead of the text.
int runAsJson(const RunOptions& options, std::ostream& out) {
    std::ostringstream transcript;
    const int code = runCaught(options, transcript);
    const nlohmann::ordered_json document = {{"scenario", options.scenario},
                                             {"exitCode", code},
                                             {"ran", code == 0},
                                             {"transcript", transcript.str()},
                                             {"commandLine", commandLineText()}};
    out << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    return code;
}

}  // namespace

void addRunCommand(CLI::App& app, int& exitCode) {
    auto* run = app.add_subcommand("run", "Run a scripted host session from a scenario file");
    run->footer(kExitCodes);
    static RunOptions options;
    run->add_option("scenario", options.scenario, "The scenario file (JSON)")->required();
    run->add_option("--profile", options.profile,
                    "Profile folder for saved dialog sizes and the registry (default: a fresh "
                    "temporary folder)");
    run->add_flag("--json", options.json,
                  "Print the result as one JSON document: the exit code and the transcript");
    run->callback([&exitCode] {
        exitCode = options.json ? runAsJson(options, std::cout) : runCaught(options, std::cout);
    });
}
