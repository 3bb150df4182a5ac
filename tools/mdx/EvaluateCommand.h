#pragma once
namespace CLI {
class App;
}
// mdx evaluate STANDARD --drawing FILE --macro NAME-or-ID ...: runs a connection standard
// against a macro of a drawing through the module's launch point and prints what it read,
// computed and changed.
void addEvaluateCommand(CLI::App& app, int& exitCode);
