#pragma once
// Runs a scenario file: a host session that loads the module, calls launch points with
// their records while a script plays the user, advances the clock and unloads. The whole
// file is checked before anything runs, so a bad scenario changes nothing.
#include <iosfwd>
#include <string>

// 0 when the session ran, 1 when the file cannot be read or is no JSON, 2 when a step is
// refused (the message names the step). profile: the profile folder, empty for a fresh
// temporary one. echo: the host's command line is printed on stdout as it is written.
int runScenarioFile(const std::string& path, const std::string& profile, std::ostream& out,
                    bool echo = true);
