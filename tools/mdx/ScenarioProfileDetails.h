#pragma once
// The profile-details dialog in a scenario: "drawing", "macro" and "group" name the profile
// group of a macro of a drawing (loaded, never written); "title" and "flag" go to the
// dialog; with "preview" the macro's data is a temporary preview of one temporary object
// drawn for it. The result shows the group's properties and the macro as the drawing holds
// them afterwards, and whether the preview's object was erased.
#include <nlohmann/json.hpp>

void checkProfileDetails(const nlohmann::json& args);
nlohmann::json callProfileDetails(const nlohmann::json& args);
