#pragma once
// The module loaded into the stand-in host for one evaluation, the way `mdx run` loads it:
// library attach and the initialise message happen, so the launch point runs in the module
// as a real caller would meet it. The session unloads the module again when it goes.
#include <filesystem>
#include <string>
#include <vector>

class KvDlgStandardsData;

// A message box the module showed during the evaluation (UTF-8).
struct ShownMessage {
    std::string caption;
    std::string text;
};

class EvaluateSession {
public:
    // Throws EvaluateError ModuleMissing when the module cannot be loaded.
    EvaluateSession();
    ~EvaluateSession();
    EvaluateSession(const EvaluateSession&) = delete;
    EvaluateSession& operator=(const EvaluateSession&) = delete;

    // StartDlgStandardsSS with the request, as the standards page calls it.
    bool evaluate(KvDlgStandardsData& request);

    // The message boxes shown so far, oldest first.
    std::vector<ShownMessage> messages() const;
    // What the module printed on the host's command line (UTF-8).
    std::string commandLine() const;

private:
    std::filesystem::path profile_;
};
