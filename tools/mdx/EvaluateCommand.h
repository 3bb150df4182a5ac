#pragma once
#include <iosfwd>

namespace CLI {
class App;
}
struct EvaluateOptions;

// mdx evaluate STANDARD --drawing FILE --macro NAME-or-ID ...: runs a connection standard
// against a macro of a drawing through the module's launch point and prints what it read,
// computed and changed.
void addEvaluateCommand(CLI::App& app, int& exitCode);

// The whole command after parsing: the report goes to out, refusals to err. Returns the
// exit code (EvaluateExit).
int runEvaluate(const EvaluateOptions& options, std::ostream& out, std::ostream& err);
