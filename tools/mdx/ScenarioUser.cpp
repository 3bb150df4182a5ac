#include "ScenarioUser.h"

#include <map>
#include <string>

#include "ScenarioError.h"
#include "ScenarioMouse.h"
#include "ScenarioValues.h"
#include "grid/SpreadApi.h"
#include "win/ScriptedUser.h"
#include "win/Window.h"

namespace scenario {

namespace {

const std::map<std::string, int>& keyNames() {
    static const std::map<std::string, int> names = {
        {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Tab", VK_TAB},  {"F3", VK_F3},
        {"F5", VK_F3 + 2},    {"F8", VK_F3 + 5},     {"Delete", 0x2E}, {"Backspace", 0x08}};
    return names;
}

int keyCode(const json& action) {
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

// Editing a cell of a grid control as the user would by typing into it.
void queueCellEdit(const json& action) {
    const int control = requiredInt(action, "control");
    const int col = requiredInt(action, "col");
    const int row = requiredInt(action, "row");
    const std::string text = textField(action, "text").str();
    const win::DialogRef dialog = dialogOf(action);
    win::user::act(
        [=] {
            HWND grid = GetDlgItem(win::resolveDialog(dialog), control);
            SSSetActiveCell(grid, col, row);
            SSSetData(grid, col, row, text.c_str());
        },
        "edit cell");
}

void queueActiveCell(const json& action) {
    const int control = requiredInt(action, "control");
    const int col = requiredInt(action, "col");
    const int row = requiredInt(action, "row");
    const win::DialogRef dialog = dialogOf(action);
    win::user::act(
        [=] { SSSetActiveCell(GetDlgItem(win::resolveDialog(dialog), control), col, row); },
        "activate cell");
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
        keyCode(action);
        boolField(action, "shift", false);
        boolField(action, "ctrl", false);
    } else if (kind == "answer") {
        requiredInt(action, "button");
    } else if (kind == "cell" || kind == "activeCell") {
        requiredInt(action, "control");
        requiredInt(action, "col");
        requiredInt(action, "row");
        textField(action, "text");
    } else if (isMouseAction(kind)) {
        checkMouseAction(kind, action);
    } else if (kind != "close") {
        throw ScenarioError("unknown user action \"" + kind + "\"");
    }
}

}  // namespace

void checkUserAction(const json& action) {
    checkFields(kindOf(action), action);
}

void queueUserAction(const json& action) {
    const std::string kind = kindOf(action);
    const win::DialogRef dialog = dialogOf(action);
    const int control = intField(action, "control", 0);
    if (kind == "type") win::user::typeText(control, textField(action, "text").str(), dialog);
    if (kind == "selectText")
        win::user::selectText(control, textField(action, "item").str(), dialog);
    if (kind == "click") win::user::click(control, dialog);
    if (kind == "select") win::user::select(control, requiredInt(action, "index"), dialog);
    if (kind == "check") win::user::check(control, requiredInt(action, "state"), dialog);
    if (kind == "key")
        win::user::pressKey(keyCode(action),
                            {boolField(action, "shift", false), boolField(action, "ctrl", false)},
                            dialog);
    if (kind == "answer") win::user::answerMessageBox(requiredInt(action, "button"));
    if (kind == "close") win::user::closeDialog(dialog);
    if (kind == "cell") queueCellEdit(action);
    if (kind == "activeCell") queueActiveCell(action);
    if (isMouseAction(kind)) queueMouseAction(kind, action);
}

}  // namespace scenario
