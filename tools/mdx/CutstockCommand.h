#pragma once
// `mdx cutstock list|show|add`: the cutting-stock shape lists (.shp) and buy lists (.buy) of
// a library's groups, seen and extended without the dialog.
namespace CLI {
class App;
}

void addCutstockCommands(CLI::App& app, int& exitCode);
