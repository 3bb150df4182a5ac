#pragma once
// The cutting-stock lists dialog in a scenario: the record from the step's arguments, and the
// edited record in the result.
#include <nlohmann/json.hpp>

void checkCuttingStock(const nlohmann::json& args);
nlohmann::json callCuttingStock(const nlohmann::json& args);
