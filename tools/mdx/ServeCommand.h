#pragma once
// mdx serve: the module's dialogs in a browser. A local web server shows the host session
// as the window painter draws it and hands a person's clicks and keys to the window system
// as the scripted user's steps, so a person's session can be saved as a scenario.
namespace CLI {
class App;
}

void addServeCommand(CLI::App& app, int& exitCode);
