#include "ScenarioPointer.h"

#include <vector>

#include "ScenarioError.h"
#include "ScenarioValues.h"
#include "win/PointerInput.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"
#include "win/Window.h"

namespace scenario {
namespace {

// The picture is bounded by the largest window the system makes.
constexpr int kMaxCoordinate = 32767;

std::vector<UINT> messagesOf(const std::string& event) {
    if (event == "click") return {WM_LBUTTONDOWN, WM_LBUTTONUP};
    if (event == "double") return {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
    // The second press of a double click, after a click: what the system sends then.
    if (event == "dblclk") return {WM_LBUTTONDBLCLK, WM_LBUTTONUP};
    if (event == "right") return {WM_RBUTTONDOWN, WM_RBUTTONUP};
    if (event == "down") return {WM_LBUTTONDOWN};
    if (event == "move") return {WM_MOUSEMOVE};
    if (event == "up") return {WM_LBUTTONUP};
    return {};
}

int coordinate(const nlohmann::json& action, const char* key) {
    const int value = requiredInt(action, key);
    if (value < 0 || value > kMaxCoordinate)
        throw ScenarioError(std::string("\"") + key + "\" must lie between 0 and " +
                            std::to_string(kMaxCoordinate));
    return value;
}

}  // namespace

bool isPointerAction(const std::string& kind) {
    return kind == "pointer" || kind == "chars" || kind == "menu" || kind == "files";
}

void checkPointerAction(const std::string& kind, const nlohmann::json& action) {
    intField(action, "dialog", 0);
    if (kind == "menu") {
        intField(action, "command", 0);
        return;
    }
    if (kind == "files") {
        textArray(action, "paths");
        return;
    }
    if (kind == "chars") {
        requiredText(action, "text");
        return;
    }
    const std::string event = requiredText(action, "event").str();
    if (messagesOf(event).empty())
        throw ScenarioError("unknown pointer event \"" + event +
                            "\" (known: click, double, dblclk, right, down, move, up)");
    coordinate(action, "x");
    coordinate(action, "y");
    boolField(action, "shift", false);
    boolField(action, "ctrl", false);
}

void queuePointerAction(const std::string& kind, const nlohmann::json& action) {
    win::DialogRef dialog;
    dialog.templateId = static_cast<UINT>(intField(action, "dialog", 0));
    if (kind == "menu") {
        if (action.contains("command"))
            win::user::chooseMenuItem(static_cast<UINT_PTR>(requiredInt(action, "command")));
        else
            win::user::dismissMenu();
        return;
    }
    if (kind == "files") {
        std::vector<std::string> paths;
        const Mdx_StringArray chosen = textArray(action, "paths");
        for (int i = 0; i < chosen.length(); ++i) paths.push_back(chosen[i].str());
        if (paths.empty())
            win::user::cancelFileDialog();
        else
            win::user::answerFileDialog(std::move(paths));
        return;
    }
    if (kind == "chars") {
        const std::string text = textField(action, "text").str();
        win::user::act([=] { win::act::typeChars(win::resolveDialog(dialog), text); },
                       "type \"" + text + "\"");
        return;
    }
    const std::string event = requiredText(action, "event").str();
    const POINT at{coordinate(action, "x"), coordinate(action, "y")};
    WPARAM keys = 0;
    if (boolField(action, "shift", false)) keys |= MK_SHIFT;
    if (boolField(action, "ctrl", false)) keys |= MK_CONTROL;
    win::user::act(
        [=] {
            HWND top = win::resolveDialog(dialog);
            // A click beside the dialog does nothing, as for a person. The buttons held
            // follow the presses, so a move after a down drags.
            for (const UINT message : messagesOf(event))
                if (!win::sendPointer(top, at, message, keys)) break;
        },
        "pointer " + event + " at " + std::to_string(at.x) + "," + std::to_string(at.y));
}

}  // namespace scenario
