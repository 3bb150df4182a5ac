#pragma once
namespace CLI {
class App;
}
// mdx run SCENARIO: a scripted host session (see docs/scenarios.md). exitCode becomes 0 when
// the session ran, 2 when the scenario was refused, 1 when it could not be read.
void addRunCommand(CLI::App& app, int& exitCode);
