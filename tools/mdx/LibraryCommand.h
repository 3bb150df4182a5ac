#pragma once
namespace CLI {
class App;
}
// mdx library list [--library DIR]: the standards of a library at a glance.
void addLibraryCommands(CLI::App& app, int& exitCode);
