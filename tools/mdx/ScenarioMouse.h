#pragma once
// The scenario user's mouse: "hover", "clickAt" and "drag" steps, taken through the window
// system's mouse input path like a person's hand on the mouse.
#include <nlohmann/json.hpp>
#include <string>

namespace scenario {

bool isMouseAction(const std::string& kind);
// Throws ScenarioError for a missing or malformed field.
void checkMouseAction(const std::string& kind, const nlohmann::json& action);
void queueMouseAction(const std::string& kind, const nlohmann::json& action);

}  // namespace scenario
