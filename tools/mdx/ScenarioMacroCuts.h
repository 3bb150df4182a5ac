#pragma once
// The macro cuts dialog in a scenario: the record from "name", "type" (1 to 6; its default
// offsets unless "values" are given), "values", "editing", "source" (1 this macro, 2 another)
// and "module"; with "drawing" and "macro" the other part's macro is that macro of the
// drawing (loaded, never written). The result is the record as the dialog hands it back,
// and whether the user left with Escape.
#include <nlohmann/json.hpp>

void checkMacroCutsDialog(const nlohmann::json& args);
nlohmann::json callMacroCutsDialog(const nlohmann::json& args);
