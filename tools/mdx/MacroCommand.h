#pragma once
// mdx macro show / mdx macro set: the macro dialog's data of one macro of a drawing, shown as
// its pages bind it, and changed through the same apply as the dialog's pages.
namespace CLI {
class App;
}

void addMacroCommands(CLI::App& app, int& exitCode);
