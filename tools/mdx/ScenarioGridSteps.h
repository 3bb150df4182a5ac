#pragma once
// The scenario user's steps on grid controls: clicking, double clicking, right clicking
// (with the menu entry to choose), typing into and ticking cells, keys in a grid and
// dragging a selection. They act through the mouse and keys, as a person does.
#include <string>

#include <nlohmann/json.hpp>

namespace scenario {

bool isGridAction(const std::string& kind);
// Throws ScenarioError when a field is missing or wrong.
void checkGridAction(const std::string& kind, const nlohmann::json& action);
void queueGridAction(const std::string& kind, const nlohmann::json& action);

}  // namespace scenario
