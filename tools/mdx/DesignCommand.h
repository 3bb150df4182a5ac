#pragma once
namespace CLI {
class App;
}
// mdx design list|show|render|check: the designed dialogs of a library.
void addDesignCommands(CLI::App& app, int& exitCode);
