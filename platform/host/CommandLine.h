#pragma once
// The host's command line. What the module prints goes into a transcript that tests read and
// the command-line program shows; posted commands, prompt requests and display updates are
// recorded. Everything is Windows-1252 bytes, like the module's texts.
#include <string>
#include <vector>

// printf formatting; returns the number of bytes printed, or -1 for a bad format.
int acutPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Queues a command for the host's command line; false for a null command.
bool acedPostCommand(const char* command);
// Asks the host to show its command prompt again.
void acedPostCommandPrompt();
// Asks the host to redraw the drawing.
void acedUpdateDisplay();

namespace host {

class CommandLine {
public:
    static const std::string& transcript();
    static void clearTranscript();
    // When on, every print is also written to standard output, converted to UTF-8.
    static void setEcho(bool on);
    static bool echo();

    static const std::vector<std::string>& postedCommands();
    static int promptCount();
    static int displayUpdateCount();

    // Empties the transcript and the records; the echo setting stays.
    static void reset();
};

}  // namespace host
