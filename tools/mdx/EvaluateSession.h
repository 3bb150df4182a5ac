#pragma once
// The module loaded into the stand-in host for one evaluation, the way `mdx run` loads it:
// library attach and the initialise message happen, so the launch point runs in the module
// as a real caller would meet it. The session unloads the module again when it goes.
#include <string>
#include <vector>

#include "TempProfile.h"
#include "win/StableFileNames.h"

class KvDlgStandardsData;

// A message box the module showed during the evaluation (UTF-8).
struct ShownMessage {
    std::string caption;
    std::string text;
};

class EvaluateSession {
public:
    // Throws EvaluateError ModuleMissing when the module cannot be loaded, ProfileUnusable
    // when no fresh profile folder can be made.
    EvaluateSession();
    ~EvaluateSession();
    EvaluateSession(const EvaluateSession&) = delete;
    EvaluateSession& operator=(const EvaluateSession&) = delete;

    // StartDlgStandardsSS with the request, as the standards page calls it.
    bool evaluate(KvDlgStandardsData& request);

    // Forgets the message boxes and the command line so far (between macros of a batch).
    void clearRecords();
    // The message boxes shown so far, oldest first.
    std::vector<ShownMessage> messages() const;
    // What the module printed on the host's command line (UTF-8).
    std::string commandLine() const;

private:
    TempProfile profile_;
    // Nothing else changes the library while a command evaluates, so its file names are
    // looked up once per run.
    win::StableFileNames stableNames_;
};
