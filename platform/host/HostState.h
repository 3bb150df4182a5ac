#pragma once
// Puts the whole host back to how a fresh session starts, for tests and for each scenario the
// command-line program runs: the command line and its records, the command stack, the loaded
// modules and the linker's applications, the editor-command counts, the main window
// (made again on next use) and the drawing's view. Object class registrations stay; they
// belong to the program.
namespace host {

class HostState {
public:
    static void reset();
};

}  // namespace host
