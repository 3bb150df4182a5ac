#pragma once
// The settings dialog of a macro as the macro editor opens it, for scenarios: the macro of a
// drawing offers its objects to the standards page, the settings come from the arguments,
// and what the user stored comes back with the mapping files it wrote.
#include <nlohmann/json.hpp>

namespace scenario {

void checkMacroSettings(const nlohmann::json& args);
nlohmann::json callMacroSettings(const nlohmann::json& args);

}  // namespace scenario
