#pragma once
// mdx macro modules|constraints|variables|cuts: the macro editor's data of one macro of a
// drawing, listed, and changed through the same core calls as the editor's pages.
namespace CLI {
class App;
}

void addMacroEditCommands(CLI::App& macro, int& exitCode);
