#include "ScenarioUser.h"

#include <map>
#include <string>

#include "ScenarioError.h"
#include "ScenarioMouse.h"
#include "ScenarioGridSteps.h"
#include "ScenarioPointer.h"
#include "ScenarioValues.h"
#include "win/ScriptedUser.h"
#include "win/Window.h"

namespace scenario {

namespace {

const std::map<std::string, int>& keyNames() {
    static const std::map<std::string, int> names = {
        {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Tab", VK_TAB},   {"F2", VK_F2},
        {"F3", VK_F3},        {"F5", VK_F3 + 2},     {"F8", VK_F3 + 5}, {"Delete", VK_DELETE},
        {"Backspace", VK_BACK}, {"Space", VK_SPACE}, {"Left", VK_LEFT}, {"Right", VK_RIGHT},
        {"Up", VK_UP},        {"Down", VK_DOWN},     {"Home", VK_HOME}, {"End", VK_END}};
    return names;
}

}  // namespace

int keyCodeOf(const json& action) {
    if (!action.contains("key")) throw ScenarioError("\"key\" is missing");
    const json& key = action["key"];
    if (key.is_number_integer()) return key.get<int>();
    if (!key.is_string()) throw ScenarioError("\"key\" must be a key name or a key code");
    const std::string name = key.get<std::string>();
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return std::toupper(static_cast<unsigned char>(name[0]));
    auto it = keyNames().find(name);
    if (it == keyNames().end()) throw ScenarioError("unknown key \"" + name + "\"");
    return it->second;
}

namespace {

win::DialogRef dialogOf(const json& action) {
    win::DialogRef dialog;
    dialog.templateId = static_cast<UINT>(intField(action, "dialog", 0));
    return dialog;
}

std::string kindOf(const json& action) {
    if (!action.is_object() || !action.contains("action") || !action["action"].is_string())
        throw ScenarioError("a user step needs an \"action\"");
    return action["action"].get<std::string>();
}

void checkFields(const std::string& kind, const json& action) {
    intField(action, "dialog", 0);
    if (kind == "type" || kind == "selectText") {
        requiredInt(action, "control");
        requiredText(action, kind == "type" ? "text" : "item");
    } else if (kind == "click" || kind == "select" || kind == "check") {
        requiredInt(action, "control");
        if (kind == "select") requiredInt(action, "index");
        if (kind == "check") requiredInt(action, "state");
    } else if (kind == "key") {
        keyCodeOf(action);
        boolField(action, "shift", false);
        boolField(action, "ctrl", false);
    } else if (kind == "answer") {
        requiredInt(action, "button");
    } else if (isMouseAction(kind)) {
        checkMouseAction(kind, action);
    } else if (isGridAction(kind)) {
        checkGridAction(kind, action);
    } else if (kind != "close") {
        throw ScenarioError("unknown user action \"" + kind + "\"");
    }
}

}  // namespace

void checkUserAction(const json& action) {
    const std::string kind = kindOf(action);
    if (isPointerAction(kind))
        checkPointerAction(kind, action);
    else
        checkFields(kind, action);
}

void queueUserAction(const json& action) {
    const std::string kind = kindOf(action);
    if (isPointerAction(kind)) return queuePointerAction(kind, action);
    const win::DialogRef dialog = dialogOf(action);
    const int control = intField(action, "control", 0);
    if (kind == "type") win::user::typeText(control, textField(action, "text").str(), dialog);
    if (kind == "selectText")
        win::user::selectText(control, textField(action, "item").str(), dialog);
    if (kind == "click") win::user::click(control, dialog);
    if (kind == "select") win::user::select(control, requiredInt(action, "index"), dialog);
    if (kind == "check") win::user::check(control, requiredInt(action, "state"), dialog);
    if (kind == "key")
        win::user::pressKey(keyCodeOf(action),
                            {boolField(action, "shift", false), boolField(action, "ctrl", false)},
                            dialog);
    if (kind == "answer") win::user::answerMessageBox(requiredInt(action, "button"));
    if (kind == "close") win::user::closeDialog(dialog);
    if (isMouseAction(kind)) queueMouseAction(kind, action);
    if (isGridAction(kind)) queueGridAction(kind, action);
}

}  // namespace scenario
