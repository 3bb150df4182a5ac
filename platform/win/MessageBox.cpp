#include "win/MessageBox.h"

#include <string>

#include "win/UserSteps.h"
#include "win/Window.h"

namespace win {
namespace {

std::string& appName() {
    static std::string name = "mdx";
    return name;
}

}  // namespace

int messageBoxButtons(UINT type, int out[3]) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            out[0] = IDOK;
            out[1] = IDCANCEL;
            return 2;
        case MB_ABORTRETRYIGNORE:
            out[0] = IDABORT;
            out[1] = IDRETRY;
            out[2] = IDIGNORE;
            return 3;
        case MB_YESNOCANCEL:
            out[0] = IDYES;
            out[1] = IDNO;
            out[2] = IDCANCEL;
            return 3;
        case MB_YESNO:
            out[0] = IDYES;
            out[1] = IDNO;
            return 2;
        case MB_RETRYCANCEL:
            out[0] = IDRETRY;
            out[1] = IDCANCEL;
            return 2;
        default:
            out[0] = IDOK;
            return 1;
    }
}

int messageBoxDefaultAnswer(UINT type) {
    int buttons[3] = {};
    const int count = messageBoxButtons(type, buttons);
    const int wanted = static_cast<int>((type & MB_DEFMASK) >> 8);
    return buttons[wanted < count ? wanted : 0];
}

const char* applicationName() {
    return appName().c_str();
}
void setApplicationName(const char* name) {
    appName() = name ? name : "";
}

}  // namespace win

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    win::MessageBoxRecord record;
    record.owner = owner;
    record.text = text ? text : "";
    record.caption = caption ? caption : "Error";
    record.type = type;
    record.answer = win::messageBoxDefaultAnswer(type);
    win::detail::Step step;
    win::user::UserPrompt prompt;
    prompt.kind = win::user::UserPrompt::Kind::MessageBox;
    prompt.messageBox = &record;
    if (win::detail::takeStep(win::detail::StepKind::MessageBoxAnswer, step, prompt)) {
        int buttons[3] = {};
        const int count = win::messageBoxButtons(type, buttons);
        bool offered = false;
        for (int i = 0; i < count; ++i) offered = offered || buttons[i] == step.answer;
        if (offered) {
            record.answer = step.answer;
            record.answeredByScript = true;
        } else {
            win::detail::recordFailure("answer " + std::to_string(step.answer) +
                                       " is not a button of the message box \"" + record.text +
                                       "\"");
        }
    }
    win::detail::messageBoxLog().push_back(record);
    return record.answer;
}

int AfxMessageBox(LPCSTR text, UINT type, UINT) {
    return MessageBox(GetActiveWindow(), text, win::applicationName(), type);
}
