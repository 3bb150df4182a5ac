#include "win/ScriptedUser.h"

#include <deque>

#include "win/UserSteps.h"
#include "win/Window.h"

namespace win::detail {
namespace {

struct UserState {
    std::deque<Step> steps;
    std::vector<MessageBoxRecord> messageBoxes;
    std::vector<MenuRecord> menus;
    std::vector<FileDialogRecord> fileDialogs;
    std::vector<std::string> failures;
};

UserState& state() {
    static UserState s;
    return s;
}

user::LiveUser& liveUser() {
    static user::LiveUser live;
    return live;
}

// With nothing queued, a live user may supply the next step.
bool askLiveUser(const user::UserPrompt& prompt) {
    return state().steps.empty() && liveUser() && liveUser()(prompt) && !state().steps.empty();
}

const char* kindName(StepKind kind) {
    switch (kind) {
        case StepKind::MessageBoxAnswer:
            return "a message-box answer";
        case StepKind::MenuChoice:
            return "a menu choice";
        case StepKind::FileAnswer:
            return "a file-dialog answer";
        default:
            return "an action";
    }
}

void push(Step step) {
    state().steps.push_back(std::move(step));
}

void pushAction(std::string description, std::function<void()> action) {
    Step step;
    step.kind = StepKind::Action;
    step.description = std::move(description);
    step.action = std::move(action);
    push(std::move(step));
}

// Resolves the dialog when the step runs, not when it is written.
HWND targetOrFail(const DialogRef& ref, const std::string& what) {
    HWND dialog = resolveDialog(ref);
    if (!dialog) recordFailure(what + ": no such dialog is open");
    return dialog;
}

}  // namespace

bool takeStep(StepKind kind, Step& out, const user::UserPrompt& prompt) {
    auto& steps = state().steps;
    if (steps.empty()) askLiveUser(prompt);
    if (steps.empty() || steps.front().kind != kind) return false;
    out = std::move(steps.front());
    steps.pop_front();
    return true;
}

void recordFailure(std::string what) {
    state().failures.push_back(std::move(what));
}
std::vector<MessageBoxRecord>& messageBoxLog() {
    return state().messageBoxes;
}
std::vector<MenuRecord>& menuLog() {
    return state().menus;
}
std::vector<FileDialogRecord>& fileDialogLog() {
    return state().fileDialogs;
}

bool runModalLoop(HWND dialog, const std::function<bool()>& ended) {
    PumpWaitingMessages();
    while (!ended() && IsWindow(dialog)) {
        auto& steps = state().steps;
        if (!steps.empty() && steps.front().kind == StepKind::Action) {
            Step step = std::move(steps.front());
            steps.pop_front();
            if (step.action) step.action();
            PumpWaitingMessages();
            continue;
        }
        if (!steps.empty()) {
            recordFailure(std::string("expected ") + kindName(steps.front().kind) +
                          " but a dialog is waiting for the user");
            steps.pop_front();
            continue;
        }
        user::UserPrompt prompt;
        prompt.dialog = dialog;
        if (askLiveUser(prompt)) continue;
        // Nothing more to do for the user: Cancel, as Escape would.
        SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        PumpWaitingMessages();
        if (!ended() && IsWindow(dialog)) return false;
    }
    return true;
}

}  // namespace win::detail

namespace win {
namespace user {

using detail::pushAction;
using detail::Step;
using detail::StepKind;
using detail::targetOrFail;

void reset() {
    detail::state() = detail::UserState{};
}
void runPendingActions() {
    auto& steps = detail::state().steps;
    while (!steps.empty() && steps.front().kind == StepKind::Action) {
        Step step = std::move(steps.front());
        steps.pop_front();
        if (step.action) step.action();
        PumpWaitingMessages();
    }
}
void setLiveUser(LiveUser user) {
    detail::liveUser() = std::move(user);
}
std::size_t pendingSteps() {
    return detail::state().steps.size();
}

void act(std::function<void()> step, std::string description) {
    pushAction(std::move(description), std::move(step));
}

void typeText(int controlId, std::string text, DialogRef dialog) {
    pushAction("type text", [=] {
        if (HWND d = targetOrFail(dialog, "type text")) win::act::typeText(d, controlId, text);
    });
}

void click(int controlId, DialogRef dialog) {
    pushAction("click", [=] {
        if (HWND d = targetOrFail(dialog, "click")) win::act::click(d, controlId);
    });
}

void doubleClick(int controlId, int index, DialogRef dialog) {
    pushAction("double-click", [=] {
        if (HWND d = targetOrFail(dialog, "double-click"))
            win::act::doubleClick(d, controlId, index);
    });
}

void select(int controlId, int index, DialogRef dialog) {
    pushAction("select", [=] {
        if (HWND d = targetOrFail(dialog, "select")) win::act::select(d, controlId, index);
    });
}

void selectText(int controlId, std::string item, DialogRef dialog) {
    pushAction("select text", [=] {
        if (HWND d = targetOrFail(dialog, "select text")) win::act::selectText(d, controlId, item);
    });
}

void check(int controlId, int state, DialogRef dialog) {
    pushAction("check", [=] {
        if (HWND d = targetOrFail(dialog, "check")) win::act::check(d, controlId, state);
    });
}

void pressKey(int virtualKey, KeyModifiers modifiers, DialogRef dialog) {
    pushAction("press key", [=] {
        if (HWND d = targetOrFail(dialog, "press key"))
            win::act::pressKey(d, virtualKey, modifiers);
    });
}

void focus(int controlId, DialogRef dialog) {
    pushAction("focus", [=] {
        if (HWND d = targetOrFail(dialog, "focus")) win::act::focus(d, controlId);
    });
}

void mouse(int controlId, UINT message, POINT at, WPARAM flags, DialogRef dialog) {
    pushAction("mouse", [=] {
        if (HWND d = targetOrFail(dialog, "mouse"))
            win::act::mouse(d, controlId, message, at, flags);
    });
}

void rightClick(int controlId, POINT at, DialogRef dialog) {
    pushAction("right click", [=] {
        HWND d = targetOrFail(dialog, "right click");
        if (d && win::act::mouse(d, controlId, WM_RBUTTONDOWN, at, MK_RBUTTON))
            win::act::mouse(d, controlId, WM_RBUTTONUP, at, 0);
    });
}

void closeDialog(DialogRef dialog) {
    pushAction("close dialog", [=] {
        if (HWND d = targetOrFail(dialog, "close dialog")) win::act::closeDialog(d);
    });
}

void answerMessageBox(int answer) {
    Step step;
    step.kind = StepKind::MessageBoxAnswer;
    step.answer = answer;
    detail::push(std::move(step));
}

void chooseMenuItem(UINT_PTR commandId) {
    Step step;
    step.kind = StepKind::MenuChoice;
    step.command = commandId;
    detail::push(std::move(step));
}

void chooseMenuText(std::string text) {
    Step step;
    step.kind = StepKind::MenuChoice;
    step.text = std::move(text);
    detail::push(std::move(step));
}

void dismissMenu() {
    Step step;
    step.kind = StepKind::MenuChoice;
    step.cancel = true;
    detail::push(std::move(step));
}

void answerFileDialog(std::vector<std::string> paths) {
    Step step;
    step.kind = StepKind::FileAnswer;
    step.paths = std::move(paths);
    step.cancel = step.paths.empty();
    detail::push(std::move(step));
}

void cancelFileDialog() {
    Step step;
    step.kind = StepKind::FileAnswer;
    step.cancel = true;
    detail::push(std::move(step));
}

const std::vector<MessageBoxRecord>& messageBoxes() {
    return detail::state().messageBoxes;
}
const std::vector<MenuRecord>& menus() {
    return detail::state().menus;
}
const std::vector<FileDialogRecord>& fileDialogs() {
    return detail::state().fileDialogs;
}
const std::vector<std::string>& failures() {
    return detail::state().failures;
}

}  // namespace user
}  // namespace win
