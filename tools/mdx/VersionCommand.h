#pragma once
namespace CLI {
class App;
}
// mdx version: prints the program version.
void addVersionCommand(CLI::App& app);
