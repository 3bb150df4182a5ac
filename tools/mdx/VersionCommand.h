#pragma once
#include <string>

namespace CLI {
class App;
}
// "mdx 0.1": the program and the project's version.
std::string programVersion();
// mdx version and mdx --version: print the program version.
void addVersionCommand(CLI::App& app);
