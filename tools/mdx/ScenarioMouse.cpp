#include "ScenarioMouse.h"

#include "ScenarioError.h"
#include "ScenarioValues.h"
#include "win/MouseSteps.h"

namespace scenario {

namespace {

constexpr int kMaxCoordinate = 32767;

// A point written [x, y] in the control's client coordinates.
POINT pointField(const json& action, const char* key) {
    if (!action.contains(key)) throw ScenarioError(std::string("\"") + key + "\" is missing");
    const json& p = action[key];
    if (!p.is_array() || p.size() != 2 || !p[0].is_number_integer() || !p[1].is_number_integer())
        throw ScenarioError(std::string("\"") + key + "\" must be [x, y] in whole pixels");
    const int x = p[0].get<int>(), y = p[1].get<int>();
    if (x < -kMaxCoordinate || x > kMaxCoordinate || y < -kMaxCoordinate || y > kMaxCoordinate)
        throw ScenarioError(std::string("\"") + key + "\" lies outside any screen");
    return POINT{x, y};
}

win::DragKeys keysOf(const json& action) {
    return win::DragKeys{boolField(action, "shift", false), boolField(action, "ctrl", false)};
}

win::DialogRef dialogOf(const json& action) {
    win::DialogRef dialog;
    dialog.templateId = static_cast<UINT>(intField(action, "dialog", 0));
    return dialog;
}

int stepsOf(const json& action) {
    const int steps = intField(action, "steps", 4);
    if (steps < 1 || steps > 1000) throw ScenarioError("\"steps\" must be 1 to 1000");
    return steps;
}

}  // namespace

bool isMouseAction(const std::string& kind) {
    return kind == "hover" || kind == "clickAt" || kind == "drag";
}

void checkMouseAction(const std::string& kind, const json& action) {
    intField(action, "control", 0);
    intField(action, "dialog", 0);
    keysOf(action);
    if (kind == "hover" && action.contains("at")) pointField(action, "at");
    if (kind == "clickAt") {
        pointField(action, "at");
        boolField(action, "double", false);
    }
    if (kind == "drag") {
        pointField(action, "from");
        pointField(action, "to");
        stepsOf(action);
    }
}

void queueMouseAction(const std::string& kind, const json& action) {
    const int control = intField(action, "control", 0);
    const win::DialogRef dialog = dialogOf(action);
    if (kind == "hover") {
        if (action.contains("at"))
            win::user::hoverAt(control, pointField(action, "at"), dialog);
        else
            win::user::hover(control, dialog);
    }
    if (kind == "clickAt")
        win::user::pointAndClick(control, pointField(action, "at"), keysOf(action),
                                 boolField(action, "double", false), dialog);
    if (kind == "drag")
        win::user::drag(control, pointField(action, "from"), pointField(action, "to"),
                        keysOf(action), stepsOf(action), dialog);
}

}  // namespace scenario
