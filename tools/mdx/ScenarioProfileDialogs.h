#pragma once
// The profile features and marking points dialogs in a scenario. Profile features: the record
// from "features" (texts); the result is the record as the dialog hands it back. Marking
// points: "points" ([name, face letter, x, y] rows) are stored in the session's profile
// folder before the dialog opens (refused when they could not be stored); the result is what
// the store holds after the dialog, or why it could not be read.
#include <nlohmann/json.hpp>

void checkProfFeatures(const nlohmann::json& args);
nlohmann::json callProfFeatures(const nlohmann::json& args);
void checkDstvPoints(const nlohmann::json& args);
nlohmann::json callDstvPoints(const nlohmann::json& args);
