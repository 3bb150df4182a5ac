#pragma once
// User steps a person's pointer and keyboard make, as the browser front end sends them and
// a recorded session replays them: a pointer event at a point of a dialog's picture, and
// characters typed into the focused window.
//   {"action": "pointer", "event": "click", "x": 120, "y": 48, "dialog": 0, "shift": false}
//   {"action": "chars", "text": "180"}
//   {"action": "menu", "command": 12}        ({"action": "menu"} dismisses the popup menu)
//   {"action": "files", "paths": ["a.txt"]}  ({"action": "files"} cancels the file dialog)
// Events: click, double (a whole double click), dblclk (its second press alone, after a
// click), right (press and release), down, move, up (one message each); a move after a
// down drags.
#include <nlohmann/json.hpp>
#include <string>

namespace scenario {

bool isPointerAction(const std::string& kind);
// Throws ScenarioError naming the field that is wrong.
void checkPointerAction(const std::string& kind, const nlohmann::json& action);
void queuePointerAction(const std::string& kind, const nlohmann::json& action);

}  // namespace scenario
