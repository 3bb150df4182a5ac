#include "ScenarioFile.h"

#include "host/JsonNesting.h"
#include "win/FilePaths.h"

using nlohmann::json;

ScenarioReadResult parseScenarioText(std::string_view text, json& scenario, std::string& error) {
    // The parser recurses per level: a file nested some thousand levels deep would end the
    // program with a stack overflow instead of a message.
    if (!host::jsonNestingWithin(text, kMaxScenarioNesting)) {
        error = "is nested deeper than " + std::to_string(kMaxScenarioNesting) + " levels";
        return ScenarioReadResult::Unreadable;
    }
    scenario = json::parse(text.begin(), text.end(), nullptr, false);
    if (scenario.is_discarded()) {
        error = "is not valid JSON";
        return ScenarioReadResult::Unreadable;
    }
    // Each key is tested for its type first: json's value() throws on a mismatch.
    const auto has = [&scenario](const char* key, const json& expected) {
        const auto it = scenario.find(key);
        return it != scenario.end() && *it == expected;
    };
    if (!scenario.is_object() || !has("format", "mdx-scenario") || !has("version", 1) ||
        !scenario.contains("steps") || !scenario["steps"].is_array()) {
        error = "expected {\"format\": \"mdx-scenario\", \"version\": 1, \"steps\": [...]}";
        return ScenarioReadResult::Refused;
    }
    return ScenarioReadResult::Read;
}

ScenarioReadResult readScenarioFile(const std::string& path, json& scenario, std::string& error) {
    std::string text;
    if (!win::readWholeFile(path, text, kMaxScenarioBytes)) {
        error = "cannot read the scenario " + path + " (" + win::lastFileError() + ")";
        return ScenarioReadResult::Unreadable;
    }
    std::string why;
    const ScenarioReadResult result = parseScenarioText(text, scenario, why);
    if (result == ScenarioReadResult::Unreadable) error = "the scenario " + path + " " + why;
    if (result == ScenarioReadResult::Refused) error = "scenario refused: " + why;
    return result;
}
