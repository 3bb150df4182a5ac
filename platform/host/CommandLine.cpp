#include "host/CommandLine.h"

#include <cstdarg>
#include <cstdio>

#include "host/Windows1252.h"

namespace {

struct CommandLineState {
    std::string transcript;
    std::vector<std::string> postedCommands;
    int prompts = 0;
    int displayUpdates = 0;
    bool echo = false;
};

CommandLineState& state() {
    static CommandLineState commandLine;
    return commandLine;
}

}  // namespace

int acutPrintf(const char* format, ...) {
    if (format == nullptr) return -1;
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (length < 0) {
        va_end(again);
        return -1;
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    text.resize(static_cast<std::size_t>(length));

    state().transcript += text;
    if (state().echo) {
        std::string utf8 = host::windows1252ToUtf8(text);
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
        std::fflush(stdout);
    }
    return length;
}

bool acedPostCommand(const char* command) {
    if (command == nullptr) return false;
    state().postedCommands.emplace_back(command);
    return true;
}

void acedPostCommandPrompt() {
    ++state().prompts;
}

void acedUpdateDisplay() {
    ++state().displayUpdates;
}

namespace host {

const std::string& CommandLine::transcript() {
    return state().transcript;
}

void CommandLine::clearTranscript() {
    state().transcript.clear();
}

void CommandLine::setEcho(bool on) {
    state().echo = on;
}

bool CommandLine::echo() {
    return state().echo;
}

const std::vector<std::string>& CommandLine::postedCommands() {
    return state().postedCommands;
}

int CommandLine::promptCount() {
    return state().prompts;
}

int CommandLine::displayUpdateCount() {
    return state().displayUpdates;
}

void CommandLine::reset() {
    bool echo = state().echo;
    state() = CommandLineState();
    state().echo = echo;
}

}  // namespace host
