#pragma once
// The exported launch points a scenario can call by name. Each reads its record from the
// step's "args" and gives back what the caller would see: the result and the records it
// returned.
#include <nlohmann/json.hpp>
#include <string_view>

namespace scenario {

struct LaunchPoint {
    const char* name;
    // Reads the arguments, throwing ScenarioError when they are wrong; calls nothing.
    void (*check)(const nlohmann::json& args);
    nlohmann::json (*call)(const nlohmann::json& args);
};

// Null for a name no launch point has (names compare exactly).
const LaunchPoint* findLaunchPoint(std::string_view name);
// Every name, for the error message of an unknown one.
std::string launchPointNames();

}  // namespace scenario
