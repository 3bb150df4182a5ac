#pragma once
// The user of a scenario: the steps under "user" of a call become the scripted user's steps,
// taken when the launch point hands control to the user (a dialog, a message box).
#include <nlohmann/json.hpp>

namespace scenario {

// Throws ScenarioError when the action is not one the user can take or lacks a field.
void checkUserAction(const nlohmann::json& action);
void queueUserAction(const nlohmann::json& action);
// The virtual key of an action's "key": a code, a letter or digit, or a key name.
int keyCodeOf(const nlohmann::json& action);

}  // namespace scenario
