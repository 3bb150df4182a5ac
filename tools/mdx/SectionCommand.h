#pragma once
namespace CLI {
class App;
}
// mdx section list|show|add|rename|remove: the section tables of a library ("prof/*.pr").
void addSectionCommands(CLI::App& app, int& exitCode);
