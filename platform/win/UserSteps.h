#pragma once
// Internal to the window layer: the step queue of the scripted user and the logs of what
// the program showed.
#include <functional>
#include <string>
#include <vector>

#include "win/ScriptedUser.h"

namespace win::detail {

enum class StepKind { Action, MessageBoxAnswer, MenuChoice, FileAnswer };

struct Step {
    StepKind kind = StepKind::Action;
    std::function<void()> action;
    std::string description;
    int answer = 0;
    UINT_PTR command = 0;
    std::string text;
    std::vector<std::string> paths;
    bool cancel = false;
};

// Pops the head of the queue when it is of this kind. With the queue empty, a live user is
// asked first (prompt says what the program waits for).
bool takeStep(StepKind kind, Step& out, const user::UserPrompt& prompt);
void recordFailure(std::string what);
std::vector<MessageBoxRecord>& messageBoxLog();
std::vector<MenuRecord>& menuLog();
std::vector<FileDialogRecord>& fileDialogLog();

// Hands a modal dialog to the user until ended() holds. Returns false when the dialog had to
// be ended by force because it refused to close on Cancel.
bool runModalLoop(HWND dialog, const std::function<bool()>& ended);

}  // namespace win::detail
